#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks what it installs, validates the desktop
# entry and the AppStream metainfo, and starts the installed program on a virtual display until
# its title screen shows.
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/package/corvanta_*.deb)
dpkg-deb -x "$deb" "$work/root"

expected="usr/bin/Corvanta
usr/share/applications/org.corvanta.Corvanta.desktop
usr/share/icons/hicolor/128x128/apps/org.corvanta.Corvanta.png
usr/share/icons/hicolor/16x16/apps/org.corvanta.Corvanta.png
usr/share/icons/hicolor/22x22/apps/org.corvanta.Corvanta.png
usr/share/icons/hicolor/24x24/apps/org.corvanta.Corvanta.png
usr/share/icons/hicolor/256x256/apps/org.corvanta.Corvanta.png
usr/share/icons/hicolor/32x32/apps/org.corvanta.Corvanta.png
usr/share/icons/hicolor/48x48/apps/org.corvanta.Corvanta.png
usr/share/icons/hicolor/64x64/apps/org.corvanta.Corvanta.png
usr/share/icons/hicolor/scalable/apps/org.corvanta.Corvanta.svg
usr/share/metainfo/org.corvanta.Corvanta.metainfo.xml"
actual=$(cd "$work/root" && find . -type f -printf '%P\n' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    echo "The package installs other files than expected:"
    diff <(echo "$expected") <(echo "$actual") || true
    exit 1
fi

depends=$(dpkg-deb -f "$deb" Depends)
for needed in qt6-qpa-plugins fonts-liberation libqt6widgets6 libqt6printsupport6; do
    if ! grep -q "$needed" <<<"$depends"; then
        echo "The package does not depend on $needed: $depends"
        exit 1
    fi
done

desktop-file-validate "$work/root/usr/share/applications/org.corvanta.Corvanta.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.corvanta.Corvanta.metainfo.xml"
exec_line=$(grep '^Exec=' "$work/root/usr/share/applications/org.corvanta.Corvanta.desktop")
[ "$exec_line" = "Exec=Corvanta" ] || { echo "unexpected $exec_line"; exit 1; }

# The installed program, started as the desktop entry starts it, shows its title screen.
PATH="$work/root/usr/bin:$PATH" xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    Corvanta >/dev/null 2>&1 &
    program=$!
    found=$(timeout 20 xdotool search --sync --onlyvisible --name "^Introduction$" | head -n 1)
    kill "$program" 2>/dev/null || true
    [ -n "$found" ] || { echo "the installed program showed no title screen"; exit 1; }
'
echo "package: $(basename "$deb"), $(echo "$expected" | wc -l) files, title screen shown"
