#!/usr/bin/env bash
# Builds Tombel (installing what it needs) and starts it. The game gets a
# folder of its own, build-play/, which is also its program folder: the test
# command's build/ is never reconfigured from here.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tombel_install "${tombel_build_packages[@]}"
play_dir=$tombel_root/build-play
echo "Building the game in $play_dir ..."
tombel_build "$play_dir" -DTOMBEL_BUILD_TESTS=OFF -DTOMBEL_BUILD_TOOLS=OFF
# The game used to be played from build/: its settings and the player's own
# pictures come along the first time.
for kept in config.not Grafika; do
    [ -e "$play_dir/$kept" ] || [ ! -e "$tombel_root/build/$kept" ] ||
        cp -r "$tombel_root/build/$kept" "$play_dir/"
done
exec "$play_dir/tombel"
