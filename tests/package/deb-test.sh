#!/usr/bin/env bash
# The Debian package as a user gets it: made from the optimised build (default: build),
# checked by lintian, installed with apt-get, started from PATH. A plan the installed
# program writes is converted by LibreOffice with nothing but the system's font
# configuration, and must be drawn in EB Garamond, as the preview draws it. Installing
# needs root (or sudo); the package is removed again unless it was installed before.
set -euo pipefail
cd "$(dirname "$0")/../.."
build_dir=${1:-build}
sudo_cmd=()
[[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)

passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...: one verdict line per check
  local description=$1
  shift
  if "$@"; then
    echo "ok: $description"
    passed=$((passed + 1))
  else
    echo "FAILED: $description"
    failed=$((failed + 1))
  fi
}

scratch=$(mktemp -d)
installed_before=no
dpkg-query -W -f='${Status}' halvenor 2>/dev/null | grep -q "install ok installed" &&
  installed_before=yes
cleanup() {
  if [[ $installed_before == no ]]; then
    "${sudo_cmd[@]}" dpkg --purge halvenor >/dev/null 2>&1 || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT

echo "== making the package"
deb=$(scripts/package-deb.sh "$build_dir" | tail -n 1)
echo "$deb"
dpkg-deb --field "$deb" Package Version Architecture Depends
dpkg-deb --contents "$deb" >"$scratch/contents"

depends=$(dpkg-deb --field "$deb" Depends)
has_dependency() { [[ ", $depends," == *", $1 "* || ", $depends," == *", $1,"* ]]; }
# The Qt libraries and libzip come from dpkg-shlibdeps; the rest is named by hand.
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libzip4 \
  libqt6svg6 fonts-ebgaramond fonts-crosextra-carlito fonts-liberation2; do
  check "depends on $package" has_dependency "$package"
done
in_package() { grep -qE " \./$1( |$)" "$scratch/contents"; }
for path in usr/bin/halvenor usr/share/applications/halvenor.desktop \
  usr/share/icons/hicolor/scalable/apps/halvenor.svg \
  usr/share/fontconfig/conf.avail/30-halvenor-garamond.conf \
  "etc/fonts/conf.d/30-halvenor-garamond.conf -> /usr/share/fontconfig/conf.avail/30-halvenor-garamond.conf" \
  usr/share/doc/halvenor/copyright usr/share/doc/halvenor/changelog.gz \
  usr/share/man/man1/halvenor.1.gz; do
  check "holds /${path}" in_package "$path"
done

if command -v lintian >/dev/null; then
  echo "== lintian"
  # Errors fail the check; warnings and notes are shown.
  check "lintian finds no error" lintian --fail-on error --display-info "$deb"
else
  echo "lintian is not installed: skipped"
fi

echo "== installing"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends \
  --reinstall "$deb" >"$scratch/apt.log" 2>&1 || cat "$scratch/apt.log"
check "the package is installed" dpkg-query -W halvenor
check "halvenor on PATH is the package's" [ "$(command -v halvenor)" = /usr/bin/halvenor ]

# A user's session without a display and with a home of its own.
mkdir -m 0700 "$scratch/home" "$scratch/runtime"
as_user() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u FONTCONFIG_FILE -u XDG_CONFIG_HOME \
    HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" "$@"
}
help_lists_output() { as_user halvenor --help | grep -q -- "--output"; }
check "halvenor --help from PATH lists --output" help_lists_output
check "the installed halvenor writes a plan and its PDF" \
  as_user halvenor --output "$scratch/plan.doc" --pdf "$scratch/plan.pdf" \
  --name "Lindqvist Bakery" --city-state "Duluth MN" --zip 55802

echo "== LibreOffice opens the plan with the system's fonts"
as_user timeout 300 soffice "-env:UserInstallation=file://$scratch/lo-profile" --headless \
  --norestore --convert-to pdf --outdir "$scratch/office" "$scratch/plan.doc" \
  >"$scratch/soffice.log" 2>&1 || cat "$scratch/soffice.log"
office_pdf="$scratch/office/plan.pdf"
check "LibreOffice converted the plan to PDF" [ -s "$office_pdf" ]
if [[ -s $office_pdf ]]; then
  pdffonts "$office_pdf" | tee "$scratch/fonts"
  uses_font() { grep -q "$1" "$scratch/fonts"; }
  check "Garamond is drawn by EB Garamond 12" uses_font 'EBGaramond12Regular'
  check "bold Garamond is drawn by EB Garamond 12 Bold" uses_font 'EBGaramond12Bold'
  no_dejavu() { ! uses_font DejaVu; }
  check "no text falls back to DejaVu" no_dejavu
  pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }
  office_pages=$(pages "$office_pdf")
  preview_pages=$(pages "$scratch/plan.pdf")
  echo "pages: LibreOffice $office_pages, Halvenor's own PDF (the preview's pages) $preview_pages"
  # Halvenor lays lines out by Garamond's own metrics, which set text wider than EB
  # Garamond's that LibreOffice uses: LibreOffice needs a few pages fewer, never more (a
  # fallback to the wider DejaVu Serif needs more).
  few_pages_fewer() { ((office_pages <= preview_pages && office_pages >= preview_pages - 3)); }
  check "LibreOffice needs at most three pages fewer than the preview, none more" few_pages_fewer
fi

echo "deb-test: $passed passed, $failed failed"
((failed == 0))
