#!/usr/bin/env bash
# Times replace runs of replace_bench next to sed over fresh copies of one site,
# in alternating rounds (ours, sed, ours, sed, ...), and prints each time and the
# median of each: backups off against `sed -i`, backups on against `sed -i.bak`.
# Each timed command is the whole process, listing the site included.
# Usage: compare_sed.sh REPLACE_BENCH SITE WORK_FOLDER [ROUNDS [MODES]]
# MODES is "off on" unless given ("on" compares backups only).
set -euo pipefail
bench=$1 site=$2 work=$3 rounds=${4:-5} modes=${5:-off on}
copy="$work/plyfix-compare"

now() { date +%s.%N; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for backups in $modes; do
  suffix=""
  [ "$backups" = on ] && suffix=".bak"
  ours=() theirs=()
  for ((round = 1; round <= rounds; ++round)); do
    for tool in plyfix sed; do
      rm -rf "$copy"
      cp -a "$site" "$copy"
      sync
      start=$(now)
      if [ "$tool" = plyfix ]; then
        "$bench" "$copy" "$backups" > /dev/null
      else
        find "$copy" -name '*.html' -print0 |
          xargs -0 sed -i"$suffix" 's/old-domain\.example/new-domain.example/g'
      fi
      seconds=$(awk -v end="$(now)" -v start="$start" 'BEGIN { printf "%.3f", end - start }')
      if [ "$tool" = plyfix ]; then ours+=("$seconds"); else theirs+=("$seconds"); fi
    done
  done
  rm -rf "$copy"
  a=$(printf '%s\n' "${ours[@]}" | median)
  b=$(printf '%s\n' "${theirs[@]}" | median)
  echo "backups $backups: plyfix ${ours[*]} | sed -i$suffix ${theirs[*]}"
  ratio=$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.2f", a / b }')
  echo "backups $backups: median plyfix $a s, sed -i$suffix $b s, ratio $ratio"
done
