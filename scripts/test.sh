#!/usr/bin/env bash
# Sets up, builds and runs every test: the unit tests of the portable core,
# then the end-to-end tests that drive the real Orvelle.exe under Wine.
# Exits non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh"
"$root/scripts/build.sh" native win64 win32

echo "== Unit tests"
ctest --test-dir "$root/build/native" --output-on-failure -j2

echo "== End-to-end tests under Wine"
python3 "$root/tests/e2e/run_e2e.py" --build "$root/build/win64"
