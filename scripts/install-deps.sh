#!/usr/bin/env bash
# Installs, with apt-get, whatever the build (with --package, the Debian package; with
# --test, the tests, which make the package too) needs and the machine lacks. Debian 12
# package names.
set -euo pipefail

build_packages=(
  build-essential cmake pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-image-formats-plugins
  libzip-dev
  fonts-ebgaramond fonts-crosextra-carlito fonts-liberation2
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth xclip
  python3 python3-docx libreoffice-writer-nogui poppler-utils
  lintian
)
package_packages=(dpkg-dev help2man)

wanted=("${build_packages[@]}")
case "${1:-}" in
  --package) wanted+=("${package_packages[@]}") ;;
  --test) wanted+=("${package_packages[@]}" "${test_packages[@]}") ;;
esac

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
