#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# scripts/spdx-headers.sh on a small tree of its own: --check names the source
# files without the licence header; adding puts the header on top in each
# file's comment form, behind a #! line or an XML declaration, and changes
# nothing else, not even a missing last newline or the file's mode; a second
# run finds nothing to do. In a git work tree ignored files are left alone.
# usage: spdx_test.sh <source folder>
set -euo pipefail
script=$1/scripts/spdx-headers.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree=$work/tree
year=$(date +%Y)
case_name=

fail() {
    echo "FAIL [$case_name]: $*" >&2
    exit 1
}

mkdir -p "$tree/ui" "$tree/build" "$tree/.ci"
printf '// The main window.\n#include "Main.h"\n' >"$tree/ui/Main.cpp"
printf 'int x;' >"$tree/ui/last.h"
printf '#!/usr/bin/env bash\necho hi\n' >"$tree/run.sh"
chmod 755 "$tree/run.sh"
printf '#!/usr/bin/env bash\nexec true\n' >"$tree/.ci/run"
printf 'project(x)\n' >"$tree/CMakeLists.txt"
printf '<?xml version="1.0"?>\n<component/>\n' >"$tree/app.metainfo.xml.in"
printf '<svg xmlns="http://www.w3.org/2000/svg"/>\n' >"$tree/icon.svg"
printf '.TH X 6\n.SH NAME\n' >"$tree/x.6.in"
printf '// SPDX-License-Identifier: GPL-3.0-or-later\n// SPDX-FileCopyrightText: 2025 Quarv Games\n\nint y;\n' \
    >"$tree/ui/done.h"
printf '# Notes\n' >"$tree/notes.md"
printf 'int z;\n' >"$tree/build/generated.cpp"
lacking=(.ci/run CMakeLists.txt app.metainfo.xml.in icon.svg run.sh ui/Main.cpp ui/last.h x.6.in)

untouched() { (cd "$tree" && md5sum ui/done.h notes.md build/generated.cpp); }
before=$(untouched)

case_name="check before"
status=0
out=$("$script" --check "$tree" 2>/dev/null) || status=$?
[ "$status" -eq 1 ] || fail "status $status, not 1"
[ "$out" = "$(printf 'lacks the licence header: %s\n' "${lacking[@]}")" ] ||
    fail "named: $out"

case_name="adding"
"$script" "$tree" >/dev/null
expect() {
    local path=$1
    shift
    printf "$@" | cmp -s - "$tree/$path" || {
        diff <(printf "$@") "$tree/$path" >&2 || true
        fail "$path differs"
    }
}
L="SPDX-License-Identifier: GPL-3.0-or-later"
C="SPDX-FileCopyrightText: $year Quarv Games"
expect ui/Main.cpp '// %s\n// %s\n\n// The main window.\n#include "Main.h"\n' "$L" "$C"
expect ui/last.h '// %s\n// %s\n\nint x;' "$L" "$C"
expect run.sh '#!/usr/bin/env bash\n# %s\n# %s\n\necho hi\n' "$L" "$C"
expect .ci/run '#!/usr/bin/env bash\n# %s\n# %s\n\nexec true\n' "$L" "$C"
expect CMakeLists.txt '# %s\n# %s\n\nproject(x)\n' "$L" "$C"
expect app.metainfo.xml.in '<?xml version="1.0"?>\n<!-- %s -->\n<!-- %s -->\n<component/>\n' "$L" "$C"
expect icon.svg '<!-- %s -->\n<!-- %s -->\n<svg xmlns="http://www.w3.org/2000/svg"/>\n' "$L" "$C"
expect x.6.in '.\\" %s\n.\\" %s\n.TH X 6\n.SH NAME\n' "$L" "$C"
[ "$(stat -c %a "$tree/run.sh")" = 755 ] || fail "run.sh lost its mode"
[ "$(untouched)" = "$before" ] || fail "changed a file it should leave alone"

case_name="check and add after"
"$script" --check "$tree" >/dev/null || fail "still lacking"
sums=$(cd "$tree" && find . -type f -exec md5sum {} + | sort)
[ -z "$("$script" "$tree")" ] || fail "a second run added again"
[ "$(cd "$tree" && find . -type f -exec md5sum {} + | sort)" = "$sums" ] || fail "a second run changed files"

if command -v git >/dev/null; then
    case_name="git work tree"
    repo=$work/repo
    mkdir -p "$repo"
    git -C "$repo" init -q
    printf 'ignored.cpp\n' >"$repo/.gitignore"
    printf 'int a;\n' >"$repo/ignored.cpp"
    printf 'int b;\n' >"$repo/new.cpp"
    out=$("$script" --check "$repo" 2>/dev/null) && fail "passed with new.cpp lacking"
    [ "$out" = "lacks the licence header: new.cpp" ] || fail "named: $out"
fi
echo "all cases passed"
