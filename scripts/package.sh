#!/usr/bin/env bash
# Sets up, builds and packs the release archives of both Windows builds with
# CPack: build/packages/Orvelle-<version>-win64.zip and -win32.zip.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" win64 win32
for target in win64 win32; do
  cpack -G ZIP --config "$root/build/$target/CPackConfig.cmake" -B "$root/build/packages" >/dev/null
done
# CPack's own working files are no part of the result.
rm -rf "$root/build/packages/_CPack_Packages"
ls -l "$root"/build/packages/*.zip
