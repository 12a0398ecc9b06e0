#!/usr/bin/env bash
# Builds Tombel with its tests (installing what they need from Debian's
# packages) and runs everything, headless:
#   1. every test suite, the artwork check, the start without a desktop, and
#      the play-through under a private X server and each of two window
#      managers;
#   2. the same suites built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. a bounded fuzzing run over the settings file's reader.
# TOMBEL_QUICK=1 runs step 1 only. The last line says what ran and passed.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tombel_install "${tombel_build_packages[@]}" xvfb openbox metacity xdotool x11-utils imagemagick \
    clang libclang-rt-14-dev

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

# What the last ctest run in a build folder ran: its Qt Test suites with the
# cases they passed and skipped (initTestCase and cleanupTestCase aside),
# then every other test by name.
tests_ran() {
    awk '/^[0-9]+\/[0-9]+ Test: / { name = $3; ran[name] = 1 }
        /^Totals: / { suite[name] = 1 }
        /^PASS   : / && !/::(initTestCase|cleanupTestCase)\(\)/ { passed++ }
        /^SKIP   : / { skipped++ }
        END {
            for (name in ran) if (name in suite) suites++; else print name
            printf "%d suites (%d cases passed, %d skipped)\n", suites, passed + 0, skipped + 0
        }' "$1/Testing/Temporary/LastTest.log" |
        LC_ALL=C sort | awk '/suites/ { printf "%s", $0; next } { printf ", %s", $0 }'
}

echo "== tests"
tombel_build "$tombel_root/build" -DTOMBEL_BUILD_TESTS=ON -DTOMBEL_BUILD_TOOLS=ON
(cd "$tombel_root/build" && ctest --output-on-failure --parallel "$jobs")
passed="Passed: $(tests_ran "$tombel_root/build")"
if [ "${TOMBEL_QUICK:-0}" = 1 ]; then
    echo "$passed."
    exit 0
fi

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
tombel_build "$tombel_root/build-sanitize" -DTOMBEL_SANITIZE=ON -DTOMBEL_BUILD_TESTS=ON \
    -DTOMBEL_BUILD_TOOLS=OFF
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$tombel_root/tests/sanitize/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$tombel_root/build-sanitize" && ctest --output-on-failure --parallel "$jobs" -E play_through_)
passed="$passed; under the sanitizers $(tests_ran "$tombel_root/build-sanitize")"

echo "== fuzzing the settings reader"
CXX=clang++ tombel_configure "$tombel_root/build-fuzz" -DTOMBEL_FUZZ=ON -DTOMBEL_BUILD_TESTS=OFF \
    -DTOMBEL_BUILD_TOOLS=OFF
cmake --build "$tombel_root/build-fuzz" --parallel --target fuzz_settings -- --quiet
fuzz=$(mktemp -d)
cp -r "$tombel_root/tests/fuzz/settings.corpus" "$fuzz/corpus"
if ! (cd "$fuzz" && "$tombel_root/build-fuzz/tests/fuzz/fuzz_settings" corpus \
    -max_total_time="${TOMBEL_FUZZ_SECONDS:-60}" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$fuzz/" >log 2>&1); then
    tail -n 60 "$fuzz/log"
    echo "Fuzzing found a fault: the input that shows it and the whole log are in $fuzz" >&2
    exit 1
fi
grep -E '^(Done |stat::)' "$fuzz/log"
runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 runs in \2 s/p' "$fuzz/log")
rm -rf "$fuzz"
echo "$passed; fuzzing $runs without a fault."
