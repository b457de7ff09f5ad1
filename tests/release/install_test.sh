#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# `cmake --install` into a fresh prefix gives a complete desktop installation,
# and the manifest it writes is enough to remove it again.
# usage: install_test.sh <build folder> <folder with check_tree.sh>
set -euo pipefail
build=$1 here=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The user's own install_manifest.txt must survive the tests.
user_manifest=$build/install_manifest.txt
before=$(stat -c %Y "$user_manifest" 2>/dev/null || echo none)
cmake --install "$build" --prefix "$prefix" --component game >/dev/null
after=$(stat -c %Y "$user_manifest" 2>/dev/null || echo none)
[ "$before" = "$after" ] || fail "the test rewrote $user_manifest"
manifest=$(cat "$build/install_manifest_game.txt")
"$here/check_tree.sh" "$prefix"

# Uninstalling as the README says: every file goes, only empty folders stay.
while read -r path; do
    case $path in "$prefix"/*) ;; *) fail "the manifest lists $path outside $prefix" ;; esac
done <<<"$manifest"
xargs rm <<<"$manifest"
left=$(find "$prefix" ! -type d)
[ -z "$left" ] || fail "left behind after removing the manifest's files: $left"
echo "the manifest removes the whole installation"
