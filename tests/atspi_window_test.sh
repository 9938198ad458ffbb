#!/bin/sh
# Runs atspi_window_test.py on a screen of its own, since Qt's offscreen platform has no
# accessibility bridge, and on a private session bus; exits 77, which CTest counts as
# skipped, where either cannot start. Arguments: the program, the script, the tree's file.
skip() {
    echo "SKIP: $*"
    exit 77
}
# Debian's pyatspi is for Debian's own Python, whatever python3 comes first on the path.
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || skip "python3-pyatspi is missing (tools/deps)"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is missing (tools/deps)"
xvfb-run -a true >/dev/null 2>&1 || skip "Xvfb cannot start (tools/deps installs xvfb, xauth)"
dbus-run-session -- true >/dev/null 2>&1 || skip "a private session bus cannot start"
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a dbus-run-session -- /usr/bin/python3 "$2" "$1" "$3"
