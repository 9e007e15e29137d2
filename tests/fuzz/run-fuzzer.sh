#!/usr/bin/env bash
# Builds one fuzz target with clang and libFuzzer in a build tree of its own
# and runs it for a while on its seed corpora.
#   run-fuzzer.sh <source dir> <work dir> <target> <seconds> [seed dir ...]
# Exits 77 (the test then counts as skipped) when clang or libFuzzer is missing.
set -euo pipefail

source_dir=$1 work_dir=$2 target=$3 seconds=$4
shift 4

skip() {
    echo "SKIPPED: $1; the fuzz target $target was not run"
    exit 77
}

command -v clang++ >/dev/null || skip "clang++ is not installed"
mkdir -p "$work_dir"
probe="$work_dir/probe.cpp"
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' \
    >"$probe"
clang++ -fsanitize=fuzzer "$probe" -o "$work_dir/probe" 2>/dev/null ||
    skip "clang cannot link libFuzzer (Debian: libclang-rt-14-dev)"

cmake -S "$source_dir" -B "$work_dir/build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALPORA_FUZZ=ON >/dev/null
cmake --build "$work_dir/build" --target "$target"

corpus="$work_dir/corpus-$target"
mkdir -p "$corpus"
# libFuzzer's own exit code for a finding is 77, the code that marks this test
# skipped: a finding must fail it. Inputs that fail are kept in the work dir.
"$work_dir/build/tests/fuzz/$target" -max_total_time="$seconds" -max_len=65536 \
    -rss_limit_mb=4096 -timeout=20 -error_exitcode=1 -timeout_exitcode=1 \
    -artifact_prefix="$work_dir/" -print_final_stats=1 "$corpus" "$@"
