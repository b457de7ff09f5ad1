#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# The translation files against the sources: lupdate, run on copies of them as
# `update_translations` runs it, must find nothing to add and nothing to drop,
# and no text may wait for its translation. The German file covers every
# window, the French one the message dialog alone.
# usage: translations_check.sh <lupdate> <ts file> <source>... [-- <ts file> <source>...]...
set -euo pipefail
lupdate=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

check() {
    local ts=$1
    shift
    local copy
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    "$lupdate" -silent -no-obsolete -locations none "$@" -ts "$copy" >"$work/log" 2>&1 ||
        { cat "$work/log"; echo "FAIL: lupdate could not read the sources for $ts"; failed=1; return; }
    if grep -q 'type="unfinished"' "$copy"; then
        echo "FAIL: $(basename "$ts") lacks the translation of:"
        # The source line before each unfinished translation.
        grep -B1 'type="unfinished"' "$copy" | grep '<source>' | sed 's/^ */    /'
        failed=1
    fi
    if ! diff -u "$ts" "$copy" >"$work/diff"; then
        echo "FAIL: $(basename "$ts") is not up to date with the sources" \
            "(build the target update_translations):"
        cat "$work/diff"
        failed=1
    fi
}

while [ $# -gt 0 ]; do
    args=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        args+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift
    check "${args[@]}"
done
exit $failed
