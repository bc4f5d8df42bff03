#!/usr/bin/env bash
# Runs every fuzz target for a while on a scratch copy of its seed corpus.
#   fuzz/run.sh <folder with the fuzz binaries> [seconds per target, default 60]
# Prints one summary line per target; exits non-zero when any target finds a crash, a leak,
# a timeout or an out-of-memory. Inputs that fail are kept under <folder>/findings/<target>/.
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 <fuzz binary folder> [seconds]" >&2
    exit 2
fi
bin_dir=$(cd "$1" && pwd)
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)

# target, longest input, dictionary (or -)
targets=(
    "fuzz_card_list   65536 card_list.dict"
    "fuzz_deck_file   65536 deck_file.dict"
    "fuzz_cp932       4096  -"
    "fuzz_line_reader 8192  -"
    "fuzz_deck_list_import 16384 -"
    "fuzz_deck_code   4096  -"
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
for entry in "${targets[@]}"; do
    read -r name max_len dict <<<"$entry"
    corpus="$work/corpus/$name"
    findings="$bin_dir/findings/$name"
    log="$work/$name.log"
    mkdir -p "$corpus" "$findings"
    cp "$here/corpus/$name/"* "$corpus/"
    # An input expanded to the card table or the deck total takes a hundred times as long as
    # most: scheduled by time, such inputs no longer take most of the run.
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$max_len"
             -entropic_scale_per_exec_time=1 -print_final_stats=1 -artifact_prefix="$findings/")
    if [ "$dict" != "-" ]; then
        options+=(-dict="$here/dict/$dict")
    fi

    status=0
    "$bin_dir/$name" "${options[@]}" "$corpus" >"$log" 2>&1 || status=$?

    # A run that ends early may lack any of these lines.
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    cov=$({ grep -o 'cov: [0-9]*' "$log" || true; } | tail -n 1 | cut -d' ' -f2)
    features=$({ grep -o 'ft: [0-9]*' "$log" || true; } | tail -n 1 | cut -d' ' -f2)
    units=$(ls "$corpus" | wc -l)
    if [ "$status" -eq 0 ]; then
        verdict="ok"
    else
        verdict="FAILED (exit $status)"
        failed=1
    fi
    printf '%-17s %s: %s execs (%s/s), cov %s, ft %s, corpus %s\n' \
        "$name" "$verdict" "${execs:-?}" "${rate:-?}" "${cov:-?}" "${features:-?}" "$units"
    if [ "$status" -ne 0 ]; then
        # The sanitizer report or the violated invariant, and where the input was kept.
        grep -E 'ERROR|invariant violated|SUMMARY|Test unit written' "$log" | head -n 20 >&2 || true
        cp "$log" "$findings/run.log"
    fi
done
exit "$failed"
