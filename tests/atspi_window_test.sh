#!/bin/sh
# Runs atspi_window_test.py against the program on a screen of its own, since Qt's offscreen
# platform has no accessibility bridge, and on a private session bus, where the
# accessibility bus starts on demand. Exits 77, which CTest counts as skipped, where either
# cannot start. Arguments: the program, the script, the file for the accessibility tree.
set -u
skip() {
    echo "SKIP: $*"
    exit 77
}
for tool in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is missing: tools/deps installs it"
done
# Debian's pyatspi is for Debian's own Python, whatever python3 comes first on the path.
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || skip "python3-pyatspi is missing"
xvfb-run -a true >/dev/null 2>&1 || skip "Xvfb cannot start"
dbus-run-session -- true >/dev/null 2>&1 || skip "a private session bus cannot start"
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a dbus-run-session -- /usr/bin/python3 "$2" "$1" "$3"
