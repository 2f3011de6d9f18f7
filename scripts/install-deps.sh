#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
#   install-deps.sh        what make test needs
#   install-deps.sh fuzz   that, and clang with libFuzzer for make fuzz
#   install-deps.sh bench  that, and Google Benchmark for make bench
set -eu
packages=(cmake g++ make qt6-base-dev libgtest-dev fonts-liberation poppler-utils xvfb xauth
          desktop-file-utils appstream)
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-dev)
fi
if [ "${1:-}" = bench ]; then
  packages+=(libbenchmark-dev)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "These packages are missing and this user cannot install them: ${missing[*]}" >&2
  echo "Install them as root: apt-get install -y ${missing[*]}" >&2
  exit 1
fi
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
