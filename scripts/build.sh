#!/usr/bin/env bash
# Builds the native core with its tests and benchmarks, and Orvelle.exe for
# 64-bit and 32-bit Windows, and the sanitized tests and fuzz targets.
# Usage: scripts/build.sh [native|win64|win32|sanitize]...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-2}
werror=${ORVELLE_WERROR:-ON}

configure_and_build() {
  local dir=$1
  shift
  cmake -S "$root" -B "$root/build/$dir" -DORVELLE_WERROR="$werror" "$@" >/dev/null
  cmake --build "$root/build/$dir" -j"$jobs"
}

targets=("$@")
((${#targets[@]})) || targets=(native win64 win32)
for target in "${targets[@]}"; do
  case "$target" in
    native) configure_and_build native -DORVELLE_BUILD_TESTS=ON -DORVELLE_BUILD_BENCH=ON ;;
    win64) configure_and_build win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" ;;
    win32) configure_and_build win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" ;;
    # The unit tests and the fuzz targets under AddressSanitizer and UndefinedBehaviorSanitizer.
    sanitize) configure_and_build sanitize -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
                -DORVELLE_BUILD_TESTS=ON -DORVELLE_BUILD_BENCH=OFF -DORVELLE_BUILD_FUZZERS=ON ;;
    *) echo "unknown target: $target" >&2; exit 2 ;;
  esac
done
