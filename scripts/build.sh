#!/usr/bin/env bash
# Configures and builds one preset (dev by default): scripts/build.sh [dev|asan|release]
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
