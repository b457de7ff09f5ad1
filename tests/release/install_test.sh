#!/usr/bin/env bash
# `cmake --install` into a fresh prefix gives a complete desktop installation.
# usage: install_test.sh <build folder> <folder with check_tree.sh>
set -euo pipefail
build=$1 here=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
"$here/check_tree.sh" "$prefix"
