#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every
# test; then builds the toolkit-free core a second time under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs its tests again; last, builds exactly what the
# start command builds, so a start command that cannot build fails here too.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/start-build.sh

scripts/deps.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLYFIX_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPLYFIX_WITH_QT=OFF -DPLYFIX_SANITIZE=ON \
  -DPLYFIX_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs" --target plyfix_tests
(cd build-asan && ctest --output-on-failure -j"$jobs")

build_start_configuration build-start
