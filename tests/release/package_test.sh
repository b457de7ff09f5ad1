#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# Builds the Debian package from the build folder, has lintian check it,
# checks its control fields, unpacks it into a scratch root and starts the
# game there the way the desktop menu starts it.
# usage: package_test.sh <build folder> <folder with the release scripts> [cpack]
set -euo pipefail
build=$1 here=$2 cpack=${3:-cpack}
source=$here/../..
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cpack" -G DEB -B "$work/out" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single .deb made"
deb=${debs[0]}
echo "built $(basename "$deb")"

# Not a warning, let alone an error; the informational tags are printed too.
lintian --allow-root --display-info --fail-on error,warning "$deb" || fail "lintian"
echo "lintian: no errors, no warnings"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quarv-tangram ] || fail "package name $(field Package)"
case $(field Maintainer) in "Quarv Games <"*">") ;; *) fail "maintainer $(field Maintainer)" ;; esac
homepage=$(sed -n 's/.*HomepageUrl = "\([^"]*\)".*/\1/p' "$source/ui/project.h")
[ "$(field Homepage)" = "$homepage" ] || fail "homepage $(field Homepage), not $homepage"
depends=$(field Depends)
echo "Depends: $depends"
# What dpkg-shlibdeps finds; libqt6gui6 holds the X11 platform plugin as well.
names=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 \
    libqt6multimedia6; do
    grep -Fqx "$needed" <<<"$names" || fail "Depends lacks $needed"
done
# Qt's Wayland platform plugin.
tr ',' '\n' <<<"$(field Recommends)" | awk '{print $1}' | grep -Fqx qt6-wayland ||
    fail "Recommends lacks qt6-wayland"

dpkg -x "$deb" "$work/root"
"$here/check_tree.sh" "$work/root/usr" /usr
# Nothing outside /usr.
[ "$(ls "$work/root")" = usr ] || fail "the package installs outside /usr: $(ls "$work/root")"
# Software centres and the package show one homepage.
metainfo=$work/root/usr/share/metainfo/io.github.quarvgames.QuarvTangram.metainfo.xml
grep -Fq "<url type=\"homepage\">$homepage</url>" "$metainfo" || fail "the metainfo has another homepage"

# What the menu's entry starts, found inside the unpacked root.
exec=$(sed -n 's/^Exec=//p' "$work/root/usr/share/applications/io.github.quarvgames.QuarvTangram.desktop")
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$here/start_game.sh" "$work/root$exec"
