#!/usr/bin/env bash
# Installs the build into a temporary prefix, as the README's --prefix ~/.local does, and checks
# what a desktop and a user need of it.
#   check-install.sh <build-dir>
set -eu
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

app=org.tessaprint.Tessaprint
data=share/tessaprint
files=(bin/tessaprint bin/tessaprint-batch "$data/vedUvuv.pdf" "$data/doz_oruvi_zozuvivozuroz.pdf"
       share/applications/$app.desktop share/metainfo/$app.metainfo.xml share/mime/packages/$app.xml
       share/icons/hicolor/scalable/apps/$app.svg share/man/man1/tessaprint.1.gz
       share/man/man1/tessaprint-batch.1.gz share/doc/tessaprint/copyright share/doc/tessaprint/changelog.Debian.gz)
for size in 16 22 24 32 48 64 128 256; do
  png=share/icons/hicolor/${size}x$size/apps/$app.png
  files+=("$png")
  file -b "$prefix/$png" | grep -q "^PNG image data, $size x $size," || fail "$png is not $size px"
done
for f in "${files[@]}"; do
  [ -s "$prefix/$f" ] || fail "missing $f"
done
[ -x "$prefix/bin/tessaprint" ] && [ -x "$prefix/bin/tessaprint-batch" ] || fail "the programs cannot be run"
[ ! -e "$prefix/lib" ] || fail "something went into lib/: $(find "$prefix/lib" | head -3)"
for pdf in vedUvuv.pdf doz_oruvi_zozuvivozuroz.pdf; do
  pdfinfo "$prefix/$data/$pdf" >/dev/null || fail "$pdf does not open"
done

# Both programs, started through a link from another folder with no display and a home of their
# own: they answer, find their documents under the prefix and keep the user's files out of it.
home=$work/home
mkdir -p "$home/Documents" "$work/elsewhere"
ln -s "$prefix/bin/tessaprint" "$work/elsewhere/tp"
ln -s "$prefix/bin/tessaprint-batch" "$work/elsewhere/tpb"
bare() { (cd "$work/elsewhere" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_CONFIG_HOME \
          -u XDG_DOCUMENTS_DIR HOME="$home" "$@"); }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ "$(bare ./tp --version)" = "tessaprint $version" ] || fail "tessaprint --version: $(bare ./tp --version 2>&1)"
[ "$(bare ./tpb --version)" = "tessaprint-batch $version" ] || fail "tessaprint-batch --version"
bare ./tpb --help | grep -q '^Usage: tessaprint-batch' || fail "the command-line tool does not run"
help=$(bare ./tp --help)
echo "$help" | grep -qxF "User manual (F1):      $prefix/$data/vedUvuv.pdf" || fail "the manual is not found: $help"
echo "$help" | grep -qxF "New contact files and exports: $home/Documents" || fail "user files go elsewhere: $help"
status=0
bare ./tp >"$work/out" 2>&1 || status=$?
[ "$status" -eq 1 ] && grep -q 'xvfb-run tessaprint' "$work/out" || fail "without a display: status $status, $(cat "$work/out")"
# An export without --folder goes to the documents folder, and the tool says so.
printf 'First Name,Last Name,Title,Company,Phone,Fax,Mobile,Email,Notes\r\nAnn,Lee,,,,,,ann@example.com,\r\n' >"$work/elsewhere/people.csv"
bare ./tpb import --file Club.DAT --csv people.csv --create 2>/dev/null || fail "the import failed"
bare ./tpb export --file Club.DAT 2>"$work/export.err" || fail "the export failed: $(cat "$work/export.err")"
[ -s "$home/Documents/ZAZE_Club.csv" ] || fail "the export is not in the documents folder: $(cat "$work/export.err")"
grep -qF "The file is $home/Documents/ZAZE_Club.csv." "$work/export.err" || fail "the tool does not say where: $(cat "$work/export.err")"
[ -z "$(find "$prefix" -name 'ZAZE_*' -o -name '*.DAT')" ] || fail "user files went under the prefix"

desktop=$prefix/share/applications/$app.desktop
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
grep -qx 'Exec=tessaprint %f' "$desktop" && grep -qx 'StartupWMClass=Tessaprint' "$desktop" \
  || fail "the desktop entry does not open files or match the window"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$app.metainfo.xml" >"$work/as.log" 2>&1 \
  || { cat "$work/as.log" >&2; fail "the metainfo is not valid"; }
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$app.metainfo.xml" || fail "the metainfo names another version"
grep -q "<project_license>MIT</project_license>" "$prefix/share/metainfo/$app.metainfo.xml" || fail "the metainfo's licence"

# The manual pages read without a warning and name every option the programs' help names.
for page in tessaprint tessaprint-batch; do
  man_file=$prefix/share/man/man1/$page.1.gz
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$man_file" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page(1): $warnings"
  zcat "$man_file" >"$work/$page.txt"
done
options() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
for option in $(bare ./tp --help | options); do
  grep -q -- "$option" "$work/tessaprint.txt" || fail "tessaprint(1) lacks $option"
done
for command in "" labels envelope return-address list-labels report import export; do
  for option in $(bare ./tpb $command --help | options); do
    grep -q -- "$option" "$work/tessaprint-batch.txt" || fail "tessaprint-batch(1) lacks $option of '$command'"
  done
done
echo "install ok"
