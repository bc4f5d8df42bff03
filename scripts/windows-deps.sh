#!/usr/bin/env bash
# Builds Qt for 64-bit Windows with MinGW-w64 from Debian's own Qt source (the same 6.4.2 the
# Linux build uses) and installs it into a cache folder outside the tree. Does nothing when
# that folder is already there and was built by this script as it stands.
#
#   scripts/windows-deps.sh            # builds when needed; the prefix on its last line
#   scripts/windows-deps.sh --prefix   # only prints where Qt for Windows goes
#   KESTRAVA_WINDOWS_QT=/some/where scripts/windows-deps.sh
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
qt_version=6.4.2
qt_source=qt6-base
prefix=${KESTRAVA_WINDOWS_QT:-${XDG_CACHE_HOME:-$HOME/.cache}/brelvik/mingw-qt-$qt_version}
work=$prefix.work
logs=$work/logs
jobs=${JOBS:-$(nproc)}
if [ "${1:-}" = "--prefix" ]; then
    echo "$prefix"
    exit 0
fi

step_name=""
step_log=""
step() {
    step_name=$1
    step_log=$logs/$2.log
    echo "==> $step_name (log: $step_log)"
    : >"$step_log"
}
failed() {
    if [ -z "$step_log" ]; then
        echo "FAILED: installing the packages (scripts/install-deps.sh --windows)" >&2
        return
    fi
    echo "FAILED: $step_name — see $step_log" >&2
    tail -n 20 "$step_log" >&2 || true
}
trap 'failed' ERR

# Everything the program uses is on; the rest is off. The third-party libraries are the ones
# bundled with Qt, so the DLLs need nothing beside them but the MinGW runtime.
configure_options=(
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/MinGW-w64.cmake"
    -DCMAKE_BUILD_TYPE=Release
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DBUILD_WITH_PCH=OFF
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF
    -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_concurrent=ON
    -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_printsupport=ON
    -DFEATURE_directwrite=ON -DFEATURE_freetype=ON
)

# What the build and the Windows tests use, also when Qt is already built: quick when present.
"$repo"/scripts/install-deps.sh --windows

# What the build depends on: a change to any of these builds Qt again.
stamp=$({
    echo "$qt_source $qt_version"
    printf '%s\n' "${configure_options[@]}" | sed "s|$repo|.|"
    cat "$repo"/scripts/windows/*.patch "$repo"/cmake/MinGW-w64.cmake
} | sha256sum | cut -c1-16)
if [ -f "$prefix/brelvik-stamp" ] && [ "$(cat "$prefix/brelvik-stamp")" = "$stamp" ]; then
    echo "Qt $qt_version for Windows is up to date in $prefix"
    echo "$prefix"
    exit 0
fi

mkdir -p "$logs"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo

step "Fetching Debian's $qt_source source" sources
# apt-get source needs a deb-src entry; add one for the suites the machine already uses.
if ! apt-cache showsrc "$qt_source" 2>/dev/null | grep -q "^Version: $qt_version"; then
    list=/etc/apt/sources.list.d/brelvik-deb-src.sources
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            $sudo tee "$list" >/dev/null
    else
        grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            $sudo tee "${list%.sources}.list" >/dev/null
    fi
    $sudo apt-get update -qq >>"$step_log" 2>&1
fi
rm -rf "$work/src" && mkdir -p "$work/src"
(cd "$work/src" && apt-get source --download-only "$qt_source" >>"$step_log" 2>&1)
dsc=$(ls "$work"/src/${qt_source}_"$qt_version"*.dsc)
dpkg-source -x "$dsc" "$work/src/qtbase" >>"$step_log" 2>&1

step "Applying the project's patches" patches
for patch in "$repo"/scripts/windows/qtbase-*.patch; do
    echo "$(basename "$patch")" | tee -a "$step_log"
    patch -d "$work/src/qtbase" -p1 --forward <"$patch" >>"$step_log" 2>&1
done

step "Configuring qtbase for x86_64-w64-mingw32" configure
rm -rf "$work/build"
cmake -S "$work/src/qtbase" -B "$work/build" -G Ninja "${configure_options[@]}" \
    -DCMAKE_INSTALL_PREFIX="$prefix" >>"$step_log" 2>&1

step "Building qtbase with $jobs jobs" build
# Ninja's own [done/total] count, shown every five per cent.
ninja -C "$work/build" -j "$jobs" 2>&1 | tee -a "$step_log" |
    awk -F'[][/]' '/^\[[0-9]+\/[0-9]+\]/ { p = int(100 * $2 / $3); if (p >= next_p) { printf "    %3d%% (%d of %d steps)\n", p, $2, $3; fflush(); next_p = p - p % 5 + 5 } }'

step "Installing into $prefix" install
rm -rf "$prefix"
ninja -C "$work/build" install >>"$step_log" 2>&1
echo "$stamp" >"$prefix/brelvik-stamp"

trap - ERR
echo "Qt $qt_version for Windows is in $prefix (build files and logs in $work)"
echo "$prefix"
