#!/usr/bin/env bash
# Builds Tombel with its tests (installing what they need) and runs them all,
# headless.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tombel_install "${tombel_build_packages[@]}"
tombel_build "$tombel_root/build"
cd "$tombel_root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
