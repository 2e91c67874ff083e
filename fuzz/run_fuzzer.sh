#!/bin/sh
# Runs one fuzz target for VEXA_FUZZ_SECONDS (default 5) from its seeds.
#   run_fuzzer.sh TARGET SEED_FOLDER WORK_FOLDER
# New inputs go to WORK_FOLDER/corpus-NAME (never into the seed folder), a
# failing input to WORK_FOLDER/findings/NAME-crash-... ; the exit status is the
# target's, so a finding fails the test.
set -eu

target=$1
seeds=$2
work=$3
name=$(basename "$target")
seconds=${VEXA_FUZZ_SECONDS:-5}

mkdir -p "$work/corpus-$name" "$work/findings"
exec "$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2560 -print_final_stats=1 \
    -artifact_prefix="$work/findings/$name-" "$work/corpus-$name" "$seeds"
