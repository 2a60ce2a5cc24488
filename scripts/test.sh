#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: first the whole suite under
# AddressSanitizer + UndefinedBehaviorSanitizer, then the fuzz targets for a bounded time,
# then the normal build, whose ctest summary closes the output.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)
# A compiler cache, where the machine has one, makes a rebuild of unchanged sources cheap.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

echo "== sanitizer build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMOVAREL_SANITIZE=ON -DMOVAREL_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-asan -j "$jobs"
if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan -j "$jobs" --output-on-failure --timeout 600 >build-asan/ctest.log 2>&1; then
  tail -n 300 build-asan/ctest.log
  echo "the sanitizer build's tests failed (whole log: build-asan/ctest.log)"
  exit 1
fi
grep -E "tests passed|tests failed" build-asan/ctest.log

echo "== fuzz targets"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DMOVAREL_FUZZ=ON -DMOVAREL_GUI=OFF -DMOVAREL_BENCH=OFF -DMOVAREL_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j "$jobs" --target fuzz_all
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  log="build-fuzz/$name.log"
  if ! "$target" "$corpus" "${seeds[@]}" -max_total_time="${MOVAREL_FUZZ_SECONDS:-60}" -rss_limit_mb=2048 \
      -artifact_prefix=build-fuzz/ >"$log" 2>&1; then
    tail -n 80 "$log"
    echo "$name found a crash; the input is in build-fuzz/"
    exit 1
  fi
  tail -n 1 "$log"
done

echo "== build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure --timeout 600

echo "== the Windows build, its tests and the demo under Wine"
bash scripts/windows.sh
