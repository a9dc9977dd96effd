#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; fails on any failure.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
build -DRAVLEN_BUILD_TESTS=ON
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
