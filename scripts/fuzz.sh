#!/usr/bin/env bash
# Builds the number-rules fuzzer with clang (build/fuzz) and runs it for the
# given number of seconds (60 by default) from the seed inputs of fuzz/corpus.
# New interesting inputs go to build/fuzz/corpus, a failing input to
# build/fuzz/crash-*; replay one with
#   cmake --build --preset default --target kirel-fuzz-replay
#   ./build/default/fuzz/kirel-fuzz-replay build/fuzz/crash-...
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
cmake -S fuzz -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j 2
mkdir -p build/fuzz/corpus
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
./build/fuzz/numbers_fuzz -max_total_time="$seconds" -max_len=128 -print_final_stats=1 \
  -dict=fuzz/numbers.dict -artifact_prefix=build/fuzz/ build/fuzz/corpus fuzz/corpus
