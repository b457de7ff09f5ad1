#!/usr/bin/env bash
# Gives every source file the licence header at its top, in the file's own
# comment form, for example
#   // SPDX-License-Identifier: GPL-3.0-or-later
#   // SPDX-FileCopyrightText: 2026 Quarv Games
# A script keeps its #! line first and an XML file its <?xml ?> declaration;
# nothing else in the file changes.
#
# usage: scripts/spdx-headers.sh [--check] [folder]
#   adds the header to the files that lack it, and names them;
#   --check only names them, and fails when there are any.
# The folder (default: this repository) is searched with git where it is a
# work tree (tracked and new files, not ignored ones), otherwise with find.
set -euo pipefail
check=no
if [ "${1:-}" = --check ]; then
    check=yes
    shift
fi
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
licence="SPDX-License-Identifier: GPL-3.0-or-later"
copyright="SPDX-FileCopyrightText: $(date +%Y) Quarv Games"

# The comment form of a file: "open close" with close possibly empty, or
# nothing for files that are not source (documents, data, translations, the
# catalogue, images other than SVG).
comment_of() {
    case $1 in
        *.cpp | *.h) echo "//" ;;
        *.sh | *.py | *CMakeLists.txt | *.cmake | *.desktop | *.desktop.in | .ci/*) echo "#" ;;
        *.svg | *.qrc | *.xml | *.xml.in) echo "<!-- -->" ;;
        *.6 | *.6.in) echo '.\"' ;;
    esac
}

has_header() {
    local top
    top=$(head -n 5 "$1")
    [[ $top == *"$licence"* && $top =~ SPDX-FileCopyrightText:\ [0-9]{4}.*Quarv\ Games ]]
}

add_header() {
    local file=$1 open=${2%% *} close=
    [[ $2 == *" "* ]] && close=" ${2#* }"
    local keep=0
    case $(head -n 1 "$file") in '#!'* | '<?xml'*) keep=1 ;; esac
    # A blank line after a header of line comments; an XML comment needs none,
    # and in a manual page a blank line would show.
    local blank=
    case $open in '//' | '#') blank=yes ;; esac
    local new
    new=$(mktemp)
    {
        head -n "$keep" "$file"
        printf '%s %s%s\n' "$open" "$licence" "$close" "$open" "$copyright" "$close"
        [ -z "$blank" ] || echo
        tail -n +"$((keep + 1))" "$file"
    } >"$new"
    # Written in place, so the file keeps its mode.
    cat "$new" >"$file"
    rm -f "$new"
}

list_files() {
    if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git -C "$root" ls-files -z --cached --others --exclude-standard
    else
        (cd "$root" && find . -type f ! -path './.git/*' ! -path './build*' -print0 | sed -z 's|^\./||')
    fi
}

lacking=0
while IFS= read -r -d '' path; do
    file=$root/$path
    [ -f "$file" ] && [ ! -L "$file" ] || continue
    form=$(comment_of "$path")
    [ -n "$form" ] || continue
    has_header "$file" && continue
    lacking=$((lacking + 1))
    if [ "$check" = yes ]; then
        echo "lacks the licence header: $path"
    else
        add_header "$file" "$form"
        echo "added the licence header: $path"
    fi
done < <(list_files | sort -z)

if [ "$check" = yes ] && [ "$lacking" -gt 0 ]; then
    echo "$lacking files lack the licence header; scripts/spdx-headers.sh adds it" >&2
    exit 1
fi
