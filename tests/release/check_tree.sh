#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# Checks an installed tree the way a desktop and Debian see it.
# usage: check_tree.sh <tree> [<prefix>]
#   tree:   P after `cmake --install --prefix P`, or <root>/usr of an unpacked
#           package;
#   prefix: where the tree is installed for real, as the desktop entry names
#           it (default: the tree itself; /usr for the package).
set -euo pipefail
tree=$1
prefix=${2:-$1}
id=io.github.quarvgames.QuarvTangram

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

dir=$tree/lib/games/quarv-tangram
game=$dir/quarv-tangram
[ -x "$game" ] && [ ! -L "$game" ] || fail "no executable $game"
[ -s "$dir/mexa.dat" ] || fail "no catalogue beside the game"
# The catalogue holds whole 22-byte records only.
[ $(($(stat -c %s "$dir/mexa.dat") % 22)) -eq 0 ] || fail "mexa.dat is not a whole number of records"
# Without its module beside it the game is silent.
[ -f "$dir/quarv-tangram-sound.so" ] || fail "no sound module beside the game"

link=$tree/games/quarv-tangram
[ -L "$link" ] || fail "$link is not a symlink"
[ "$(readlink "$link")" = ../lib/games/quarv-tangram/quarv-tangram ] ||
    fail "$link points to $(readlink "$link")"
[ "$(readlink -f "$link")" = "$(readlink -f "$game")" ] || fail "$link does not reach the game"

desktop=$tree/share/applications/$id.desktop
[ -f "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
# The menu starts the link by its installed path.
grep -qx "Exec=$prefix/games/quarv-tangram" "$desktop" ||
    fail "the desktop entry starts $(sed -n 's/^Exec=//p' "$desktop"), not $prefix/games/quarv-tangram"

svg=$tree/share/icons/hicolor/scalable/apps/$id.svg
png=$tree/share/icons/hicolor/48x48/apps/$id.png
grep -q '<svg' "$svg" || fail "no scalable icon"
file "$png" | grep -q 'PNG image data, 48 x 48' || fail "no 48x48 icon"

metainfo=$tree/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the desktop entry"
if grep -q '@[A-Z_]*@' "$metainfo"; then fail "unconfigured placeholders in the metainfo"; fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
else
    echo "appstreamcli not found: metainfo not validated"
fi
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
    fail "the metainfo names another licence"

manual=$tree/share/man/man6/quarv-tangram.6.gz
gzip -t "$manual" 2>/dev/null || fail "no manual page in section 6"
doc=$tree/share/doc/quarv-tangram
grep -q '^License: GPL-3+$' "$doc/copyright" || fail "no copyright file naming the licence"
gzip -dc "$doc/changelog.gz" 2>/dev/null | head -n 1 | grep -q '^quarv-tangram (' ||
    fail "no changelog"
echo "tree under $tree is complete"
