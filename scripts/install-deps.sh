#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
#   install-deps.sh        what make test needs
#   install-deps.sh fuzz   that, and clang with libFuzzer for make fuzz
#   install-deps.sh bench  that, and Google Benchmark for make bench
set -eu
packages=(cmake g++ make qt6-base-dev libgtest-dev fonts-liberation poppler-utils xvfb xauth
          desktop-file-utils appstream scdoc librsvg2-bin dpkg-dev file lintian)
# The print tests' own CUPS server and its PDF printer; without their recommends, which
# would bring printer discovery and colour daemons the tests must not meet.
printing=(cups cups-client printer-driver-cups-pdf)
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-dev)
fi
if [ "${1:-}" = bench ]; then
  packages+=(libbenchmark-dev)
fi
missing_of() {
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_printing < <(missing_of "${printing[@]}")
[ ${#missing[@]} -eq 0 ] && [ ${#missing_printing[@]} -eq 0 ] && exit 0
all=("${missing[@]}" "${missing_printing[@]}")
echo "Installing missing packages: ${all[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "These packages are missing and this user cannot install them: ${all[*]}" >&2
  echo "Install them as root: apt-get install -y ${all[*]}" >&2
  exit 1
fi
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get)
"${apt[@]}" update
if [ ${#missing[@]} -gt 0 ]; then
  "${apt[@]}" install -y "${missing[@]}"
fi
if [ ${#missing_printing[@]} -gt 0 ]; then
  "${apt[@]}" install -y --no-install-recommends "${missing_printing[@]}"
fi
