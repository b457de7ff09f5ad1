#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# Rebuilds catalogue/mexa.txt from the designs in catalogue/designs/[1-8]-*.fig,
# in category order, after checking them.
#
#   catalogue/regenerate.sh            check the designs, then rewrite mexa.txt
#   catalogue/regenerate.sh --force    rewrite mexa.txt even if check finds problems
#   catalogue/regenerate.sh --check    only tell whether mexa.txt is in step with
#                                      the designs (exit 77 while there is no figure
#                                      or mexa.txt is still the development catalogue)
#
# The tool is $TANGRAM_CATALOGUE if set, else it is built in ${TANGRAM_BUILD:-build}.
set -euo pipefail
export LC_ALL=C  # the designs in file-name order: 1-..., 2-..., ...

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
mode=write
case "${1:-}" in
    --check) mode=check ;;
    --force) mode=force ;;
    "") ;;
    *) echo "usage: $0 [--check | --force]" >&2; exit 2 ;;
esac

tool=${TANGRAM_CATALOGUE:-}
if [[ -z $tool ]]; then
    build=${TANGRAM_BUILD:-$root/build}
    if [[ ! -f $build/CMakeCache.txt ]]; then
        cmake -S "$root" -B "$build" -G Ninja >/dev/null
    fi
    if ! log=$(cmake --build "$build" --target tangram-catalogue 2>&1); then
        echo "$log" >&2
        exit 1
    fi
    tool=$build/bin/tangram-catalogue
fi

shopt -s nullglob
designs=("$here"/designs/[1-8]-*.fig)
skip=1
[[ $mode == check ]] && skip=77
if ((${#designs[@]} == 0)); then
    echo "no design files in $here/designs"
    exit $skip
fi

placed=$(mktemp)
trap 'rm -f "$placed"' EXIT
"$tool" place "${designs[@]}" >"$placed"
if ! grep -q '^puzzle ' "$placed"; then
    echo "the design files hold no figure yet"
    exit $skip
fi

if [[ $mode == check ]]; then
    if grep -q '^# The puzzles of Quarv Tangram. A development catalogue' "$here/mexa.txt"; then
        echo "catalogue/mexa.txt is still the development catalogue; run"
        echo "catalogue/regenerate.sh once the designs pass check"
        exit 77
    fi
    if cmp -s "$placed" "$here/mexa.txt"; then
        echo "catalogue/mexa.txt is in step with the designs"
        exit 0
    fi
    echo "catalogue/mexa.txt differs from the designs; run catalogue/regenerate.sh"
    diff -u "$here/mexa.txt" "$placed" | head -60 || true
    exit 1
fi

if ! "$tool" check --shipped "${designs[@]}" && [[ $mode != force ]]; then
    echo "mexa.txt left unchanged; fix the designs (or use --force)" >&2
    exit 1
fi
cp "$placed" "$here/mexa.txt"
echo "catalogue/mexa.txt rewritten: $(grep -c '^puzzle ' "$here/mexa.txt") puzzles"
