#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs of it.
#   check-install.sh <build-dir>
set -eu
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

app=org.tessaprint.Tessaprint
for f in bin/tessaprint lib/tessaprint/tessaprint bin/tessaprint-batch lib/tessaprint/tessaprint-batch \
         lib/tessaprint/vedUvuv.pdf \
         lib/tessaprint/doz_oruvi_zozuvivozuroz.pdf share/applications/$app.desktop \
         share/metainfo/$app.metainfo.xml share/icons/hicolor/256x256/apps/$app.png; do
  [ -s "$prefix/$f" ] || fail "missing $f"
done
[ -x "$prefix/bin/tessaprint" ] || fail "the launcher cannot be run"
[ -x "$prefix/lib/tessaprint/tessaprint" ] || fail "the program cannot be run"
# The command-line tool runs through its launcher, with no display and nothing set up.
(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/tessaprint-batch" --help) \
  | grep -q '^Usage: tessaprint-batch' || fail "the command-line tool does not run from its launcher"
for pdf in vedUvuv.pdf doz_oruvi_zozuvivozuroz.pdf; do
  pdfinfo "$prefix/lib/tessaprint/$pdf" >/dev/null || fail "$pdf does not open"
done

desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$app.metainfo.xml" >"$work/as.log" 2>&1 \
  || { cat "$work/as.log" >&2; fail "the metainfo is not valid"; }
grep -q "<release version=\"$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")\"" \
  "$prefix/share/metainfo/$app.metainfo.xml" || fail "the metainfo names another version"

# The launcher finds the program from any folder, also through a link to it.
ln -s "$prefix/bin/tessaprint" "$work/link"
target=$(sed -n 's/^exec "\$here\/\(.*\)" "\$@"$/\1/p' "$prefix/bin/tessaprint")
[ -n "$target" ] || fail "the launcher does not start the program"
[ -x "$(dirname "$(readlink -f "$work/link")")/$target" ] || fail "the launcher points nowhere"

# The Debian package: the same files under /usr, depending on the runtime packages.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null) \
  || fail "cpack could not make the package"
deb=$(ls "$work"/deb/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins fonts-liberation; do
  echo "$depends" | grep -q "\b$p\b" || fail "the package does not depend on $p ($depends)"
done
dpkg-deb -c "$deb" >"$work/contents"
for f in ./usr/bin/tessaprint ./usr/lib/tessaprint/tessaprint ./usr/bin/tessaprint-batch \
         ./usr/lib/tessaprint/tessaprint-batch ./usr/lib/tessaprint/vedUvuv.pdf \
         ./usr/share/applications/$app.desktop; do
  grep -q " $f\$" "$work/contents" || fail "the package lacks $f"
done
echo "install and package ok"
