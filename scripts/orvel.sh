#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds Orvel (and its benchmarks, so they
# cannot fall behind the code), then runs it or its tests.
#   scripts/orvel.sh run    build and start Orvel
#   scripts/orvel.sh test   build and run the whole test suite (non-zero exit on any failure)
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-webengine-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev clang-format ccache fonts-dejavu-core
          libtidy-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVEL_BUILD_BENCH=ON
cmake --build "$build"

case "$mode" in
run)
    exec "$build/orvel"
    ;;
test)
    export QT_QPA_PLATFORM=offscreen
    [ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
    cd "$build"
    ctest --output-on-failure
    ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
