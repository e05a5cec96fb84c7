#!/usr/bin/env bash
# Builds the test suite with AddressSanitizer and UndefinedBehaviorSanitizer (clang, so the
# fuzz targets are built too) and runs it inside a private network namespace; then builds
# the tests that start threads (q7k_glob_test THREADS) with ThreadSanitizer in a second
# build folder and runs them the same way. A sanitizer report fails the run. The time of
# each stage is printed at the end, also when a stage fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

stages=()
stage_start=$SECONDS
# Ends the stage named $1: its time joins the list printed at the end.
end_stage() {
  stages+=("$(printf '%-20s %5d s' "$1" $((SECONDS - stage_start)))")
  stage_start=$SECONDS
}
print_stages() {
  local status=$?
  if [ ${#stages[@]} -gt 0 ]; then
    echo "Stage times:"
    printf '  %s\n' "${stages[@]}"
  fi
  return $status
}
trap print_stages EXIT

# Each test executable runs as one CTest test and writes its cases' results to
# <build>/test-results/<name>.xml; this prints how many cases ran and failed in the folder $1.
count_cases() {
  local tests=0 failures=0 programs=0 t f
  for xml in "$1"/test-results/*.xml; do
    [ -e "$xml" ] || continue
    t=$(grep -o -m1 '<testsuites tests="[0-9]*" failures="[0-9]*"' "$xml" | grep -o '[0-9]\+' | head -1)
    f=$(grep -o -m1 '<testsuites tests="[0-9]*" failures="[0-9]*"' "$xml" | grep -o '[0-9]\+' | tail -1)
    tests=$((tests + t)); failures=$((failures + f)); programs=$((programs + 1))
  done
  echo "GoogleTest cases: $tests in $programs programs, $failures failed"
}

build=${Q7K_TEST_BUILD:-build/test}
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQ7K_TESTS=ON -DQ7K_SANITIZE=ON -DQ7K_WERROR=ON >/dev/null
cmake --build "$build"
end_stage "build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
rm -rf "$build/test-results"
bash scripts/netns.sh ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 600
count_cases "$build"
end_stage "ASan run"

# ThreadSanitizer: only the thread tests and what they link are built and run; a report
# makes the test fail.
tsan=${Q7K_TSAN_BUILD:-$build-tsan}
CC=clang CXX=clang++ cmake -S . -B "$tsan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQ7K_TESTS=ON -DQ7K_TSAN=ON -DQ7K_WERROR=ON >/dev/null
cmake --build "$tsan" --target q7k_thread_tests
end_stage "TSan build"
rm -rf "$tsan/test-results"
TSAN_OPTIONS="suppressions=$PWD/scripts/tsan.supp second_deadlock_stack=1" \
  bash scripts/netns.sh ctest --test-dir "$tsan" --output-on-failure -j "$(nproc)" --timeout 600
count_cases "$tsan"
end_stage "TSan run"
