#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# The set-up of scripts/run.sh and scripts/test.sh on a machine that lacks
# packages, with dpkg-query, apt-get, sudo and cmake replaced by stubs, so
# nothing is installed and no network is needed. A user without sudo is told
# in one line which packages to install and nothing else happens; with sudo,
# or as root, exactly the missing packages are installed.
# usage: setup_test.sh <source folder>
set -euo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
case_name=

fail() {
    echo "FAIL [$case_name]: $*" >&2
    [ ! -f "$work/out" ] || sed 's/^/  | /' "$work/out" >&2
    exit 1
}

# Root runs the cases of a plain user as nobody.
as_user=()
if [ "$EUID" -eq 0 ]; then
    command -v setpriv >/dev/null || { echo "skipped: root without setpriv"; exit 77; }
    as_user=("$(command -v setpriv)" --reuid=65534 --regid=65534 --clear-groups)
fi

# A copy of the scripts, so that a script that went on to build would build
# there and not in the source folder.
mkdir -p "$work/tree/scripts"
cp "$source"/scripts/{setup,run,test}.sh "$work/tree/scripts/"

# The stubs: dpkg-query knows the packages listed in $work/installed, and
# the others record their calls in $work/log. sudo is in a folder of its own.
mkdir "$work/bin" "$work/sudo"
for tool in bash env dirname id; do ln -s "$(command -v "$tool")" "$work/bin/$tool"; done
cat >"$work/bin/dpkg-query" <<'EOF'
#!/usr/bin/env bash
shift 2
mapfile -t known <"$STUB_DIR/installed"
status=0
for p in "$@"; do
    found=
    for k in "${known[@]}"; do [ "$k" != "$p" ] || found=1; done
    if [ -n "$found" ]; then echo "$p installed"; else status=1; fi
done
exit "$status"
EOF
for tool in apt-get cmake; do
    printf '#!/usr/bin/env bash\necho "%s $*" >>"$STUB_DIR/log"\n' "$tool" >"$work/bin/$tool"
done
cat >"$work/sudo/sudo" <<'EOF'
#!/usr/bin/env bash
[ "$1" != -n ] || exit 0
echo "sudo" >>"$STUB_DIR/log"
exec "$@"
EOF
chmod 755 "$work"/bin/* "$work"/sudo/*
# The user of the cases writes the log beside the stubs.
chmod 777 "$work"

# run <who: user|root> <PATH> <script> [argument]: runs a script of the copy
# with the packages of `installed` present, as a plain user or as whoever
# runs this test; both streams land in $work/out, the exit status in $status.
installed=()
run() {
    local who=$1 path=$2 script=$3
    shift 3
    printf '%s\n' "${installed[@]}" >"$work/installed"
    rm -f "$work/log"
    local user=()
    if [ "$who" = user ]; then user=("${as_user[@]}"); fi
    status=0
    env -i STUB_DIR="$work" PATH="$path" "${user[@]}" "$work/bin/bash" \
        "$work/tree/scripts/$script" "$@" >"$work/out" 2>&1 || status=$?
}

# The packages that the last run's one line names.
named() { sed -n 's/.*apt-get install //p' "$work/out"; }

# The last run stopped with one line that names the packages given, and
# changed nothing.
stopped_naming() {
    [ "$status" -ne 0 ] || fail "went on (status 0)"
    [ "$(wc -l <"$work/out")" -eq 1 ] || fail "said $(wc -l <"$work/out") lines, not one"
    [ ! -f "$work/log" ] || fail "called: $(tr '\n' ';' <"$work/log")"
    [ "$(ls "$work/tree")" = scripts ] || fail "left $(ls "$work/tree" | tr '\n' ' ')"
    local list
    list=" $(named) "
    for p in "$@"; do [[ $list == *" $p "* ]] || fail "does not name $p"; done
}

names_none_of() {
    local list
    list=" $(named) "
    for p in "$@"; do [[ $list != *" $p "* ]] || fail "names $p"; done
}

case_name="no set given"
run user "$work/bin" setup.sh
[ "$status" -eq 2 ] || fail "status $status, not the usage error 2"

case_name="play, nothing installed, no sudo"
run user "$work/bin" setup.sh play
stopped_naming cmake qt6-base-dev qt6-svg-dev
names_none_of lintian clang libgtest-dev xvfb
read -ra play <<<"$(named)"

case_name="run.sh, nothing installed, no sudo"
run user "$work/bin" run.sh
stopped_naming "${play[@]}"

case_name="test.sh, nothing installed, no sudo"
run user "$work/bin" test.sh
stopped_naming "${play[@]}" lintian clang libgtest-dev xvfb
read -ra every <<<"$(named)"

case_name="test set, all but two installed, no sudo"
installed=("${every[@]:2}")
run user "$work/bin" setup.sh test
stopped_naming "${every[@]:0:2}"
[ "$(named)" = "${every[*]:0:2}" ] || fail "names more than the two missing"

case_name="play, everything installed, no sudo"
installed=("${play[@]}")
run user "$work/bin" setup.sh play
[ "$status" -eq 0 ] && [ ! -s "$work/out" ] && [ ! -f "$work/log" ] || fail "did not pass quietly"

case_name="run.sh, everything installed, no sudo"
run user "$work/bin" run.sh
grep -q '^cmake ' "$work/log" || fail "did not go on to build"
if grep -q '^apt-get' "$work/log"; then fail "asked apt-get with nothing missing"; fi

case_name="play, one missing, with sudo"
installed=("${play[@]:1}")
run user "$work/bin:$work/sudo" setup.sh play
[ "$status" -eq 0 ] || fail "status $status"
grep -qx "sudo" "$work/log" || fail "did not use sudo"
grep -qx "apt-get update -qq" "$work/log" || fail "did not update the package lists"
grep -qx "apt-get install -y -qq --no-install-recommends ${play[0]}" "$work/log" ||
    fail "did not install exactly ${play[0]}"

if [ "$EUID" -eq 0 ]; then
    case_name="play, one missing, as root without sudo"
    run root "$work/bin" setup.sh play
    [ "$status" -eq 0 ] || fail "status $status"
    if grep -qx sudo "$work/log"; then fail "used sudo as root"; fi
    grep -qx "apt-get install -y -qq --no-install-recommends ${play[0]}" "$work/log" ||
        fail "did not install exactly ${play[0]}"
fi
echo "all cases passed: play set ${#play[@]} packages, test set ${#every[@]}"
