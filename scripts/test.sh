#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; fails on any failure.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev
build -DRAVLEN_BUILD_TESTS=ON
(cd "$BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)
# A short libFuzzer run of the decimal-number reader, in a clang build of its own.
bash "$ROOT/fuzz/run-short.sh" "${BUILD}-fuzz"
