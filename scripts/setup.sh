#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# Installs the Debian 12 packages that Quarv Tangram needs and that are
# missing:
#   setup.sh play   what building and playing need (scripts/run.sh);
#   setup.sh test   that, and the tools of the tests, the benchmarks and the
#                   package (scripts/test.sh, scripts/bench.sh).
# Root installs them with apt-get, a user who may use sudo through sudo. Any
# other user is told in one line what to install, and nothing changes.
# Safe to run again: apt is only asked when something is missing.
set -euo pipefail

play_packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config
  # Qt 6 widgets, multimedia, svg and the translation tools
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev
  # the window manager's hints and frame extents are X11 properties
  libxcb1-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  # Qt's own texts in German, and the icon theme a desktop user already has
  qt6-translations-l10n adwaita-icon-theme hicolor-icon-theme
)

test_packages=(
  # the source tree's checks, and the sanitizer and fuzz builds
  git clang libclang-rt-14-dev clang-format
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # end-to-end tests under a real X server
  xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core
  # the same under real window managers, and a Wayland compositor with XWayland
  openbox xfwm4 dbus-daemon weston xwayland qt6-wayland
  # desktop integration and the Debian package
  desktop-file-utils appstream dpkg-dev fakeroot file lintian
)

case ${1:-} in
  play) packages=("${play_packages[@]}") ;;
  test) packages=("${play_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac

# One query for all of them; packages dpkg has never heard of are missing too.
declare -A installed=()
while read -r name status; do
  if [ "$status" = installed ]; then installed[$name]=1; fi
done < <(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for p in "${packages[@]}"; do
  if [ -z "${installed[$p]:-}" ]; then missing+=("$p"); fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

# sudo without a password, or as a member of the group that Debian lets use
# sudo (it then asks for the password).
may_sudo() {
  command -v sudo >/dev/null || return 1
  sudo -n true 2>/dev/null && return 0
  [[ " $(id -nG) " == *" sudo "* ]]
}

if [ "$EUID" -eq 0 ]; then
  sudo=()
elif may_sudo; then
  sudo=(sudo)
else
  echo "Quarv Tangram needs Debian packages that this user cannot install; as root, run:" \
    "apt-get install ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
