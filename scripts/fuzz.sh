#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (preset "fuzz": clang with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs them one after the other for a fixed time each,
# starting from the checked-in seed corpus in tests/data/fuzz/<target>/.
#
# Usage: scripts/fuzz.sh [seconds per target, default 60] [target ...]
# Environment: VELLORA_FUZZ_BUILD  build folder (default build/fuzz)
#
# The growing corpus is kept in <build>/corpus/<target>/, inputs that crash, leak, hang or
# break a property in <build>/findings/, and every run adds a line to <build>/fuzz-runs.tsv.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

seconds=${1:-60}
[ $# -gt 0 ] && shift
build=${VELLORA_FUZZ_BUILD:-build/fuzz}
case $build in /*) ;; *) build=$root/$build ;; esac

# The target list lives in one place for CMake and this script.
mapfile -t all < <(sed -n '/set(VELLORA_FUZZ_TARGETS/,/)/{/set(\|)/d;s/ //g;p}' fuzz/fuzztargets.cmake)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")

cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

# Longest input per target: list files may hold a few long entries; the other readers meet
# every rule within a kilobyte, and shorter inputs run several times faster.
max_len_of() {
    case $1 in
        listbinary | listtext) echo 8192 ;;
        cp932) echo 4096 ;;
        *) echo 1024 ;;
    esac
}

mkdir -p "$build/findings"
runs=$build/fuzz-runs.tsv
[ -f "$runs" ] || printf 'date\ttarget\tseconds\texecutions\tfindings\tleaks\n' >"$runs"
summary=()
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    work=$build/work/$target
    mkdir -p "$corpus" "$work"
    rm -f "$work"/fuzz-*.log
    before=$(find "$build/findings" -name "$target-*" | wc -l)
    leaks_before=$(find "$build/findings" -name "$target-leak-*" | wc -l)
    # One job, one worker, at low priority: the machine is shared.
    (cd "$work" && nice -n 10 "$build/fuzz/fuzz_$target" -jobs=1 -workers=1 \
        -max_total_time="$seconds" -max_len="$(max_len_of "$target")" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
        "$corpus" "$root/tests/data/fuzz/$target" >/dev/null 2>&1) || true
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work"/fuzz-0.log | tail -1)
    after=$(find "$build/findings" -name "$target-*" | wc -l)
    findings=$((after - before))
    leaks=$(($(find "$build/findings" -name "$target-leak-*" | wc -l) - leaks_before))
    printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$(date -Iseconds)" "$target" "$seconds" \
        "${executions:-0}" "$findings" "$leaks" >>"$runs"
    summary+=("$(printf '%-14s %12s executions %4s findings (%s leaks)' "$target" \
        "${executions:-0}" "$findings" "$leaks")")
    if [ "$findings" -gt 0 ]; then
        grep -E 'ERROR|property broken|SUMMARY' "$work"/fuzz-0.log | head -5 || true
    fi
done

echo
echo "This run ($seconds s per target):"
printf '  %s\n' "${summary[@]}"
echo "All runs so far (from $runs):"
awk -F'\t' 'NR > 1 { n[$2] += $4; s[$2] += $3; f[$2] += $5; l[$2] += $6 }
    END { for (t in n) printf "  %-14s %12d executions in %6d s, %d findings (%d leaks)\n",
                              t, n[t], s[t], f[t], l[t] }' \
    "$runs" | sort
