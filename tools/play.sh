#!/usr/bin/env bash
# Builds Tombel (installing what it needs) and starts it.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tombel_install "${tombel_build_packages[@]}"
tombel_build "$tombel_root/build" -DTOMBEL_BUILD_TESTS=OFF
exec "$tombel_root/build/tombel"
