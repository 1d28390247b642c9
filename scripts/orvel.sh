#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds Orvel (and its benchmarks, so they
# cannot fall behind the code), then runs it or its tests.
#   scripts/orvel.sh run    build and start Orvel
#   scripts/orvel.sh test   build and run the whole test suite (non-zero exit on any failure), then
#                           a bounded run of every fuzz target
#   scripts/orvel.sh fuzz   build the fuzz targets (clang) and run each for a bounded time
#   scripts/orvel.sh package  build and make a Debian package of the install tree (build/*.deb)
# Any further arguments of `run` go to Orvel (a page to open: scripts/orvel.sh run page.html).
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-webengine-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev clang-format ccache fonts-dejavu-core
          clang-14 libclang-rt-14-dev libtidy-dev libicu-dev libgumbo-dev
          qt6-svg-dev breeze-icon-theme desktop-file-utils appstream valgrind)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null ||
            { echo "Missing: ${missing[*]}; installing them needs root (or sudo)." >&2; exit 1; }
        sudo=sudo
    fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

# The fuzz targets: built apart with clang and the sanitizers, each run for FUZZ_SECONDS (25 by
# default) from its seed corpus in fuzz/corpus/<target>; what it finds goes into build-fuzz/.
fuzz() {
    local fuzzbuild="$root/build-fuzz" seconds=${FUZZ_SECONDS:-25}
    CC=clang-14 CXX=clang++-14 cmake -S "$root/fuzz" -B "$fuzzbuild" -G Ninja
    cmake --build "$fuzzbuild"
    for target in codec lineends fonttag tagatcaret rename smartselect autodelete tagfields find \
        transforms splice; do
        local work="$fuzzbuild/corpus/$target"
        mkdir -p "$work"
        echo "fuzz_$target: ${seconds}s"
        "$fuzzbuild/fuzz_$target" "$work" "$root/fuzz/corpus/$target" \
            -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$fuzzbuild/$target-" 2>"$fuzzbuild/$target.log" ||
            { tail -50 "$fuzzbuild/$target.log"; return 1; }
        grep -E "^stat::number_of_executed_units" "$fuzzbuild/$target.log" || true
    done
}

if [ "$mode" = fuzz ]; then
    fuzz
    exit
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVEL_BUILD_BENCH=ON
cmake --build "$build"

case "$mode" in
run)
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
        echo "Orvel is built ($build/orvel) but there is no display to show it on." >&2
        exit 1
    fi
    shift || true
    exec "$build/orvel" "$@"
    ;;
package)
    cd "$build"
    cpack -G DEB
    ;;
test)
    export QT_QPA_PLATFORM=offscreen
    [ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
    cd "$build"
    ctest --output-on-failure
    fuzz
    ;;
*)
    echo "usage: $0 [run [page]|test|fuzz|package]" >&2
    exit 2
    ;;
esac
