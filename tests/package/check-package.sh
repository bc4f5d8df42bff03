#!/usr/bin/env bash
# Checks the Debian package of a build directory: its control fields, that it holds exactly
# what `cmake --install` installs, that the installed desktop entry, MIME type, program,
# changelog and manual page work, and that lintian finds no error, no warning and no binary
# built without Debian's hardening flags.
# Usage: check-package.sh BUILD_DIR
set -euo pipefail

build=$(realpath "$1")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/brelvik_${version}_$(dpkg --print-architecture).deb"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
expect_field() {  # name, extended regex the whole value must match
  local value
  value=$(dpkg-deb -f "$deb" "$1")
  [[ "$value" =~ ^($2)$ ]] || fail "$1 is '$value', expected /$2/"
}

[ -f "$deb" ] || { echo "FAIL: no package $deb" >&2; exit 1; }

expect_field Package 'brelvik'
expect_field Version "${version//./\\.}"
expect_field Architecture "$(dpkg --print-architecture)"
expect_field Section 'misc'
expect_field Maintainer '.+ <.+@.+>'
expect_field Description '.+'
depends=$(dpkg-deb -f "$deb" Depends)
for needed in 'fonts-ipafont-gothic' 'libqt6core6( \([^)]*\))?' 'libqt6widgets6( \([^)]*\))?' \
    'libqt6printsupport6( \([^)]*\))?' 'libzxing2( \([^)]*\))?'; do
  [[ ", $depends," =~ ,\ $needed, ]] || fail "Depends lacks $needed: $depends"
done

# The same files, links and folders as an install of the same build under /usr.
DESTDIR="$work/installed" cmake --install "$build" --prefix /usr >/dev/null
(cd "$work/installed" && find . -mindepth 1 | sort) >"$work/installed.list"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's:/$::' | grep -v '^\.$' | sort >"$work/package.list"
diff -u "$work/installed.list" "$work/package.list" >&2 ||
  fail "the package does not hold what cmake --install installs"
for path in ./usr/bin/brelvik ./usr/lib/brelvik/brelvik ./usr/lib/brelvik/kestrava.csv \
            ./usr/lib/brelvik/plugins/libbrelvik_costchart.so \
            ./usr/share/applications/brelvik.desktop \
            ./usr/share/icons/hicolor/128x128/apps/brelvik.png \
            ./usr/share/mime/packages/brelvik.xml ./usr/share/man/man1/brelvik.1.gz \
            ./usr/share/doc/brelvik/copyright ./usr/share/doc/brelvik/changelog.gz \
            ./usr/share/lintian/overrides/brelvik; do
  grep -qxF "$path" "$work/package.list" || fail "the package lacks $path"
done

# What the files do once unpacked.
root="$work/root"
dpkg-deb -x "$deb" "$root"
entry="$root/usr/share/applications/brelvik.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the desktop entry"
grep -qx 'Exec=brelvik %f' "$entry" || fail "the desktop entry's Exec does not take a file"
cp -r "$root/usr/share/mime" "$work/mime"
update-mime-database "$work/mime" >"$work/mime.log" 2>&1 ||
  { cat "$work/mime.log" >&2; fail "update-mime-database rejects the MIME type"; }
type=$(sed -n 's/^MimeType=\([^;]*\);$/\1/p' "$entry")
grep -qxF "50:$type:*.dek" "$work/mime/globs2" ||
  fail "the desktop entry's MIME type '$type' is not the one given to *.dek"
# Without a display: --version must answer before any window is needed.
shown=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/brelvik" --version) ||
  fail "the packaged program's --version failed"
[ "$shown" = "brelvik $version" ] || fail "the packaged program says '$shown'"

# The changelog's latest entry is this version; the manual page names every option --help
# names, as its own tagged line ("-h, --help").
zcat "$root/usr/share/doc/brelvik/changelog.gz" >"$work/changelog"
logged=$(dpkg-parsechangelog -l "$work/changelog" -S Version) ||
  fail "dpkg-parsechangelog cannot read the changelog"
[ "$logged" = "$version" ] || fail "the changelog's latest version is '$logged', not $version"
manual=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$root/usr/share/man/man1/brelvik.1.gz" | sed 's/^ *//') ||
  fail "man cannot show the manual page"
options=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/brelvik" --help |
  sed -n 's/^ *\(-[[:alnum:]], --[[:alnum:]-]*\).*/\1/p')
[ -n "$options" ] || fail "the packaged program's --help names no option"
while read -r option; do
  grep -qxF -- "$option" <<<"$manual" || fail "the manual page lacks '$option'"
done <<<"$options"

# Every lintian override says why, in a comment right above it.
awk '/^#/ { why = 1; next } NF && !why { print; bad = 1 } { why = 0 } END { exit bad }' \
  "$root/usr/share/lintian/overrides/brelvik" >&2 || fail "a lintian override gives no reason"
if command -v lintian >/dev/null; then
  status=0
  lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1 || status=$?
  cat "$work/lintian.log" >&2
  [ "$status" -eq 0 ] || fail "lintian reports an error or a warning"
  # Most hardening tags are only information, which --fail-on lets through.
  ! grep -q '^.: brelvik: hardening-' "$work/lintian.log" ||
    fail "lintian finds a binary built without Debian's hardening flags"
else
  fail "lintian is not installed (scripts/install-deps.sh installs it)"
fi

if [ "$failures" -ne 0 ]; then
  echo "$deb: $failures check(s) failed" >&2
  exit 1
fi
echo "$deb: package checks passed"
