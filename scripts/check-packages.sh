#!/usr/bin/env bash
# Checks the downloads in dist/ the way a packager and a player would: lintian, the AppStream and
# desktop-entry validators, the Debian package's program run from its extracted files, the Windows
# zip's program run under Wine from its unpacked folder, and the web zip served under a sub-path to
# headless Chromium. The Windows checks are left out when there is no Windows zip.
# Usage: scripts/check-packages.sh KELVARON_SIM WINE_PREFIX   (kelvaron-sim draws the expected title)
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
sim=$(realpath "$1")
wine_prefix=$(realpath -m "$2")
cd "$repo/dist" || exit 1

version=$(sed -n 's/^project(Kelvaron VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
deb=kelvaron_${version}_amd64.deb
windows=kelvaron-$version-windows-x86_64
web=kelvaron-$version-web
tmp=$(mktemp -d "${TMPDIR:-/tmp}/kelvaron-packages.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

failures=0
check() {
  local what=$1
  shift
  if "$@" >"$tmp/log" 2>&1; then
    printf 'ok    %s\n' "$what"
  else
    printf 'FAIL  %s\n' "$what"
    sed 's/^/      /' "$tmp/log"
    failures=$((failures + 1))
  fi
}
same() { [[ "$1" == "$2" ]] || { echo "got '$1', expected '$2'"; return 1; }; }
# The options of the program's --help that its man page does not describe.
undocumented() {
  local option
  for option in $("$1" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    zcat "$2" | sed 's/\\-/-/g' | grep -qF -- "$option" || echo "$option"
  done
}
# Each PNG as large as its folder says, and the SVG well-formed.
icons_well_made() {
  local icon
  for icon in "$1"/*x*/apps/*.png; do
    same "$(identify -format '%wx%h' "$icon")" "$(basename "$(dirname "$(dirname "$icon")")")" ||
      return 1
  done
  python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' \
    "$1"/scalable/apps/*.svg
}
# node:test counts a run whose name pattern matched nothing as passed.
one_test_passes() {
  local out
  out=$("$@") || { echo "$out"; return 1; }
  grep -qx '# pass 1' <<<"$out" || { echo "$out"; return 1; }
}
only_files() {
  same "$(unzip -Z1 "$1" | grep -v '/$' | sort | tr '\n' ' ')" "$2"
}

echo "== $deb"
root=$tmp/deb
dpkg-deb -x "$deb" "$root"
apps=$root/usr/share
lintian_status=0
lintian --fail-on error --display-info "$deb" >"$tmp/lintian" 2>&1 || lintian_status=$?
sed 's/^/      /' "$tmp/lintian"
check "lintian: no errors (its findings above)" test "$lintian_status" -eq 0
check "dependencies computed from the program" grep -q libsdl2 <(dpkg-deb -f "$deb" Depends)
check "desktop-file-validate" desktop-file-validate "$apps"/applications/*.desktop
check "appstreamcli validate --no-net" appstreamcli validate --no-net "$apps"/metainfo/*.xml
check "appstreamcli validate-tree: the metainfo's desktop entry is there" \
  appstreamcli validate-tree --no-net "$root"
check "--version names the package's version" \
  same "$("$root/usr/games/kelvaron" --version)" "kelvaron $(dpkg-deb -f "$deb" Version)"
check "--help exits 0" "$root/usr/games/kelvaron" --help
check "the man page describes every option of --help" \
  same "$(undocumented "$root/usr/games/kelvaron" "$apps/man/man6/kelvaron.6.gz")" ""
check "icons: PNGs at their folders' sizes, a well-formed SVG" icons_well_made "$apps/icons/hicolor"

if [[ -e $windows.zip ]]; then
  echo "== $windows.zip"
  unzip -q "$windows.zip" -d "$tmp"
  exe=$tmp/$windows/kelvaron.exe
  check "only kelvaron.exe and README.txt" only_files "$windows.zip" \
    "$windows/README.txt $windows/kelvaron.exe "
  check "README.txt has Windows line ends" same "$(grep -vc $'\r$' "$tmp/$windows/README.txt")" 0
  check "version resource: product and version" \
    same "$(strings -el "$exe" | grep -xE "Kelvaron|$version" | sort -u | tr '\n' ' ')" \
    "$version Kelvaron "
  check "imports only Windows' own DLLs" \
    "$repo/tests/win32/check_imports.sh" x86_64-w64-mingw32-objdump "$exe"
  check "under Wine: title, Quit, highscores.csv beside it" \
    "$repo/tests/win32/wine_window_test.sh" --unpacked "$exe" "$tmp/wine" "$wine_prefix"
fi

echo "== $web.zip"
mkdir -p "$tmp/site/games"
unzip -q "$web.zip" -d "$tmp/site"
mv "$tmp/site/$web" "$tmp/site/games/kelvaron"
web_files=$(grep '^[^#]' "$repo/web/site-files.txt" | sed "s|^|$web/|" | sort | tr '\n' ' ')
check "only the page, its scripts, its WebAssembly, manifest, icons and service worker" \
  only_files "$web.zip" "$web_files"
check "the page's footer names the version" grep -q "Kelvaron $version<" "$tmp/site/games/kelvaron/index.html"
check "served under /games/kelvaron/: the title in headless Chromium" \
  one_test_passes node --test-name-pattern='^the title comes up' "$repo/tests/web/browser-test.mjs" \
  "$tmp/site/games/kelvaron" "$sim" --base /games/kelvaron/
check "served under /games/kelvaron/: starts offline once visited" \
  one_test_passes node --test-name-pattern='^once visited' "$repo/tests/web/browser-test.mjs" \
  "$tmp/site/games/kelvaron" "$sim" --base /games/kelvaron/

check "SHA256SUMS" sha256sum --quiet -c SHA256SUMS
((failures == 0)) || { echo "check-packages: $failures failed" >&2; exit 1; }
