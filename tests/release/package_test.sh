#!/usr/bin/env bash
# Builds the Debian package from the build folder, checks its control fields,
# unpacks it into a scratch root and starts the game from there.
# usage: package_test.sh <build folder> <folder with the release scripts> [cpack]
set -euo pipefail
build=$1 here=$2 cpack=${3:-cpack}
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

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quarv-tangram ] || fail "package name $(field Package)"
case $(field Maintainer) in "Quarv Games <"*">") ;; *) fail "maintainer $(field Maintainer)" ;; esac
homepage=$(sed -n 's/.*HomepageUrl = "\([^"]*\)".*/\1/p' "$here/../../ui/project.h")
[ "$(field Homepage)" = "$homepage" ] || fail "homepage $(field Homepage), not $homepage"
depends=$(field Depends)
echo "Depends: $depends"
# What dpkg-shlibdeps finds, and the plugins Qt loads at run time.
names=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 \
    libqt6multimedia6 qt6-qpa-plugins; do
    grep -Fqx "$needed" <<<"$names" || fail "Depends lacks $needed"
done

dpkg -x "$deb" "$work/root"
"$here/check_tree.sh" "$work/root/usr"
# Nothing outside /usr.
[ "$(ls "$work/root")" = usr ] || fail "the package installs outside /usr: $(ls "$work/root")"

xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$here/start_game.sh" "$work/root/usr/bin/quarv-tangram"
