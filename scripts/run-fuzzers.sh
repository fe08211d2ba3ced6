#!/usr/bin/env bash
# Runs every libFuzzer target of the fuzz build for a bounded time on a copy of its seed corpus.
# Exits non-zero if any fuzzer finds a crash, leak, timeout or sanitizer report.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
fuzz_bin="$root/build/fuzz/tests/fuzz"
corpus_root="$root/tests/fuzz/corpus"
# Crash reproducers go under build/ so they survive the run but never enter the repo.
artifacts="$root/build/fuzz/artifacts"
seconds=${FUZZ_SECONDS:-20}

shopt -s nullglob
fuzzers=()
for f in "$fuzz_bin"/*_fuzz; do
    if [[ -f $f && -x $f ]]; then fuzzers+=("$f"); fi
done
if ((${#fuzzers[@]} == 0)); then
    echo "run-fuzzers: no fuzzers in $fuzz_bin; build them with: cmake --preset fuzz && cmake --build --preset fuzz" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts"

export ASAN_OPTIONS=detect_leaks=1
# UBSan recovers by default in the fuzz build; make any report fatal.
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

failed=0
for fuzzer in "${fuzzers[@]}"; do
    name=$(basename "$fuzzer")
    seeds="$corpus_root/${name%_fuzz}"
    mkdir -p "$seeds"
    # Work on a copy so new inputs found by the fuzzer don't grow the repo's corpus.
    corpus="$work/$name"
    mkdir -p "$corpus"
    cp -R "$seeds/." "$corpus/"
    log="$work/$name.log"
    # A target's own libFuzzer flags, one a line, in tests/fuzz/<name>.options.
    options=()
    options_file="$root/tests/fuzz/${name%_fuzz}.options"
    if [[ -f $options_file ]]; then mapfile -t options < <(grep -v -e '^#' -e '^$' "$options_file"); fi

    status=0
    "$fuzzer" "$corpus" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$name-" "${options[@]}" >"$log" 2>&1 || status=$?

    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n1)
    if ((status == 0)) && ! grep -qE 'ERROR: (Address|Leak|Undefined)Sanitizer|runtime error:' "$log"; then
        echo "$name: ok (${runs:-?} runs in ${seconds}s, ${speed:-?} per second)"
    else
        failed=1
        echo "$name: FAILED (exit $status); last lines of its log:"
        tail -n 40 "$log" | sed 's/^/    /'
        echo "    reproducers, if any: $artifacts/$name-*"
    fi
done
exit "$failed"
