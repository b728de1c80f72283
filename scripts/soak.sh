#!/usr/bin/env bash
# Sets up, builds and runs the soak of the real program under Wine (not part of the tests: it takes ten minutes).
# Usage: scripts/soak.sh [--minutes N]      memory, handles, frequency and processor use, read every minute
#        scripts/soak.sh --short [--seconds S]  processor use per filter, the pointer still and moving
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" win64
exec python3 "$root/tests/soak/soak.py" --build "$root/build/win64" "$@"
