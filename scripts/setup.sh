#!/usr/bin/env bash
# Installs every Debian 12 package that building, running, testing and
# packaging Quarv Tangram needs. Safe to run again: packages already present
# are skipped, and apt is only asked when something is missing.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config git
  clang libclang-rt-14-dev clang-format
  # Qt 6 widgets, multimedia, svg and the translation tools
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
  qt6-multimedia-dev libqt6multimedia6
  qt6-svg-dev libqt6svg6
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools linguist-qt6 qt6-translations-l10n
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # end-to-end tests under a real X server
  xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core
  # desktop integration and packaging
  desktop-file-utils appstream dpkg-dev fakeroot file
  # the icon theme a desktop user already has
  adwaita-icon-theme hicolor-icon-theme
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
