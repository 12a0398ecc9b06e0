#!/usr/bin/env bash
# Builds Tombel with its tests (installing what they need from Debian's
# packages) and runs everything, headless:
#   1. every test suite, with the play-through under a private X server and
#      each of two window managers;
#   2. the same suites built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. a bounded fuzzing run over the settings file's reader.
# TOMBEL_QUICK=1 runs step 1 only.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tombel_install "${tombel_build_packages[@]}" xvfb openbox metacity xdotool x11-utils imagemagick \
    clang libclang-rt-14-dev

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== tests"
tombel_build "$tombel_root/build" -DTOMBEL_BUILD_TESTS=ON -DTOMBEL_BUILD_TOOLS=ON
(cd "$tombel_root/build" && ctest --output-on-failure --parallel "$jobs")
[ "${TOMBEL_QUICK:-0}" = 1 ] && exit 0

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
tombel_build "$tombel_root/build-sanitize" -DTOMBEL_SANITIZE=ON -DTOMBEL_BUILD_TESTS=ON \
    -DTOMBEL_BUILD_TOOLS=OFF
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$tombel_root/tests/sanitize/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$tombel_root/build-sanitize" && ctest --output-on-failure --parallel "$jobs" -E play_through_)

echo "== fuzzing the settings reader"
# --fresh: the folder may still hold a configuration of tests/fuzz on its own.
CXX=clang++ cmake -S "$tombel_root" -B "$tombel_root/build-fuzz" -G Ninja --fresh -DTOMBEL_FUZZ=ON \
    -DTOMBEL_BUILD_TESTS=OFF -DTOMBEL_BUILD_TOOLS=OFF >/dev/null
cmake --build "$tombel_root/build-fuzz" --target fuzz_settings
corpus=$(mktemp -d)
cp "$tombel_root"/tests/fuzz/settings.corpus/* "$corpus"/
(cd "$corpus" && "$tombel_root/build-fuzz/tests/fuzz/fuzz_settings" -max_total_time="${TOMBEL_FUZZ_SECONDS:-60}" \
    -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 "$corpus" 2>&1 | tail -n 12)
rm -rf "$corpus"
echo "fuzzing found nothing"
