#!/usr/bin/env bash
# Makes the Debian package as `cpack -G DEB` does and checks it as Debian would: its files,
# its dependencies as dpkg-shlibdeps finds them, stripped programs, and lintian with no error
# and no warning.
#   check-package.sh <build-dir>
set -eu
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1) \
  || { cat "$work/cpack.log" >&2; fail "cpack could not make the package"; }
deb=$(ls "$work"/deb/*.deb)
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) kB"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Found by dpkg-shlibdeps, with the versions the programs were linked against.
for p in libc6 libgcc-s1 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
  echo ", $depends" | grep -qF ", $p (>= " || fail "the package does not depend on a version of $p"
done
# What the programs load at run time, which no linker sees.
for p in qt6-qpa-plugins fonts-liberation; do
  echo ", $depends," | grep -qF ", $p," || fail "the package does not depend on $p"
done
maintainer=$(dpkg-deb -f "$deb" Maintainer)
[[ "$maintainer" =~ ^[^@]+\ \<[a-z.]+@[a-z-]+\.[a-z]+\>$ ]] && [[ "$maintainer" != *localhost* ]] \
  || fail "no real-looking maintainer address: $maintainer"

dpkg-deb -c "$deb" >"$work/contents"
for f in ./usr/bin/tessaprint ./usr/bin/tessaprint-batch ./usr/share/tessaprint/vedUvuv.pdf \
         ./usr/share/tessaprint/doz_oruvi_zozuvivozuroz.pdf ./usr/share/applications/org.tessaprint.Tessaprint.desktop \
         ./usr/share/doc/tessaprint/copyright ./usr/share/doc/tessaprint/changelog.Debian.gz \
         ./usr/share/man/man1/tessaprint.1.gz ./usr/share/man/man1/tessaprint-batch.1.gz; do
  grep -q " $f\$" "$work/contents" || fail "the package lacks $f"
done
! grep -q ' \./usr/lib/' "$work/contents" || fail "the package puts files into /usr/lib"
dpkg-deb -x "$deb" "$work/root"
for program in tessaprint tessaprint-batch; do
  file -b "$work/root/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
done
head -1 "$work/root/usr/share/doc/tessaprint/copyright" \
  | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  || fail "the copyright file is not in the machine-readable format"

# lintian's own verdict; every tag it gives is shown, errors and warnings fail.
command -v lintian >/dev/null || fail "lintian is missing (scripts/install-deps.sh installs it)"
status=0
lintian --fail-on error,warning --tag-display-limit 0 --display-info "$deb" >"$work/lintian.log" 2>&1 || status=$?
echo "lintian (status $status):"
sed 's/^/  /' "$work/lintian.log"
[ "$status" -eq 0 ] && ! grep -q '^[EW]: ' "$work/lintian.log" || fail "lintian gives errors or warnings"
echo "package ok"
