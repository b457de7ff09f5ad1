#!/usr/bin/env bash
# Checks an installed tree the way a desktop sees it.
# usage: check_tree.sh <prefix>   (e.g. P after `cmake --install --prefix P`,
#                                  or <root>/usr of an unpacked package)
set -euo pipefail
prefix=$1
id=io.github.quarvgames.QuarvTangram

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

game=$prefix/lib/quarv-tangram/quarv-tangram
[ -x "$game" ] && [ ! -L "$game" ] || fail "no executable $game"
[ -s "$prefix/lib/quarv-tangram/mexa.dat" ] || fail "no catalogue beside the game"
# The catalogue holds whole 22-byte records only.
[ $(($(stat -c %s "$prefix/lib/quarv-tangram/mexa.dat") % 22)) -eq 0 ] ||
    fail "mexa.dat is not a whole number of records"

link=$prefix/bin/quarv-tangram
[ -L "$link" ] || fail "$link is not a symlink"
[ "$(readlink "$link")" = ../lib/quarv-tangram/quarv-tangram ] ||
    fail "$link points to $(readlink "$link")"
[ "$(readlink -f "$link")" = "$(readlink -f "$game")" ] || fail "$link does not reach the game"

desktop=$prefix/share/applications/$id.desktop
[ -f "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
grep -qx "Exec=quarv-tangram" "$desktop" || fail "the desktop entry starts another program"

svg=$prefix/share/icons/hicolor/scalable/apps/$id.svg
png=$prefix/share/icons/hicolor/48x48/apps/$id.png
grep -q '<svg' "$svg" || fail "no scalable icon"
file "$png" | grep -q 'PNG image data, 48 x 48' || fail "no 48x48 icon"

metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the desktop entry"
if grep -q '@[A-Z_]*@' "$metainfo"; then fail "unconfigured placeholders in the metainfo"; fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
else
    echo "appstreamcli not found: metainfo not validated"
fi
echo "tree under $prefix is complete"
