#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test twice: in the plain
# build and in the AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

scripts/build.sh dev
scripts/build.sh asan

# Some tests reach the demo database through the project's own Firebird
# server on 127.0.0.1:3055; it runs while the tests run and is stopped
# afterwards, also when a test fails.
scripts/firebird-server.sh start
trap 'scripts/firebird-server.sh stop' EXIT

ctest --preset dev -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 ctest --preset asan -j "$jobs"
