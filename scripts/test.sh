#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test twice: in the plain
# build and in the AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

scripts/build.sh dev
ctest --preset dev -j "$jobs"

scripts/build.sh asan
ASAN_OPTIONS=detect_leaks=1 ctest --preset asan -j "$jobs"
