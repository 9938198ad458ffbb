#!/bin/sh
# Makes the Debian package from the build tree, reads its fields and files back, installs
# it into a scratch root and starts the program from there, as a user would after
# `apt install`.
# Usage: check-deb.sh CPACK BUILD_DIR DESKTOP_ID VERSION MAINTAINER
set -eu
cpack=$1 build=$2 id=$3 version=$4 maintainer=$5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# In a folder of its own, so that the test never touches a package made by tools/package.
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack could not make the package"; }
arch=$(dpkg --print-architecture)
deb="$work/out/descomposicio_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$work/out" | tr "\n" " ")"
echo "package: $(basename "$deb"), $(wc -c <"$deb") bytes"

dpkg-deb -I "$deb" control >"$work/control"
cat "$work/control"
field() { sed -n "s/^$1: //p" "$work/control"; }
expect_field() {
    [ "$(field "$1")" = "$2" ] || fail "$1 is '$(field "$1")', not '$2'"
}
expect_field Package descomposicio
expect_field Version "$version"
expect_field Architecture "$arch"
expect_field Maintainer "$maintainer"
expect_field Section education
[ -n "$(field Description)" ] || fail "the description has no summary line"
[ "$(grep -c '^ ' "$work/control")" -ge 2 ] || fail "the description has no long text"
# The libraries come from dpkg-shlibdeps reading the binary; the SVG plugin from the list.
for needed in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 \
    qt6-translations-l10n; do
    field Depends | tr ',' '\n' | grep -q "^ *$needed\b" || fail "Depends lacks $needed"
done

dpkg-deb -c "$deb" >"$work/contents"
for path in usr/bin/descomposicio \
    "usr/share/applications/$id.desktop" \
    "usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "usr/share/metainfo/$id.metainfo.xml"; do
    grep -q " \./$path\$" "$work/contents" || fail "the package has no /$path"
done
grep -q '^-rwxr-xr-x root/root .* \./usr/bin/descomposicio$' "$work/contents" ||
    fail "/usr/bin/descomposicio is not an executable owned by root"
# Everything a package installs belongs under /usr here: nothing in /usr/local or /etc.
if awk '{print $6}' "$work/contents" | grep -v '^\./$' | grep -qv '^\./usr/'; then
    fail "files outside /usr: $(awk '{print $6}' "$work/contents" | grep -v '^\./usr')"
fi

root="$work/root"
dpkg-deb -x "$deb" "$root"
file "$root/usr/bin/descomposicio" | grep -q ', stripped' || fail "the binary is not stripped"
# The entry starts the binary on the PATH and shows the icon installed beside it.
grep -qx 'Exec=descomposicio' "$root/usr/share/applications/$id.desktop" ||
    fail "the desktop entry does not start descomposicio"
grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" ||
    fail "the desktop entry does not name the icon $id"
appstreamcli validate-tree --no-net "$root" >"$work/tree.log" 2>&1 ||
    { cat "$work/tree.log"; fail "AppStream finds the installed tree inconsistent"; }

# The program must come up and stay up: a missing library or plugin ends it at once.
QT_QPA_PLATFORM=offscreen "$root/usr/bin/descomposicio" >"$work/run.log" 2>&1 &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || { cat "$work/run.log"; fail "the program ended within 2 s"; }
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
cat "$work/run.log"
# Qt leaves SIGTERM to its default action, so a clean end is death by that signal and no
# other (a crash shows as SIGSEGV or SIGABRT).
[ "$status" -eq 0 ] || [ "$status" -eq $((128 + 15)) ] ||
    fail "the program ended with status $status on SIGTERM"
echo "the installed program ran 2 s and ended on SIGTERM (status $status)"
