#!/usr/bin/env bash
# Installs what is missing, builds, and starts Ravlen on the sample catalogue.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" xvfb xauth
build -DRAVLEN_BUILD_TESTS=OFF -DRAVLEN_BUILD_BENCH=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Ravlen is built ($BUILD/bin/ravlen), but there is no display to show its window on." >&2
    echo "On a machine without a screen, start it in a virtual one:  xvfb-run -a bash scripts/run.sh" >&2
    exit 1
fi
cd "$BUILD/bin"
exec ./ravlen
