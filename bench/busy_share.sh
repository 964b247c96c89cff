#!/bin/sh
# Four desks at machine pace on one data folder kept on a file server, whose
# network link is emulated inside each desk by libshared_link.so: one link
# for all desks, every read, write, sync, open, close and lock request of a
# data file a request on it (bench/shared_link.cpp). bench/busy_desks feeds
# each desk about twenty operations drawn from the seed (registrations,
# cashier payments, archive lookups, lists) on patients no other desk
# touches, times each one, and checks the files against what every desk was
# shown. Sizes and links: 100,000 patients at 30 MB/s (Wi-Fi) and 1,000,000
# at 110 MB/s (1 GbE), 0.25 ms round trip. Every seed starts from fresh
# copies of the generated files, on disk and in the page cache.
#
#   bench/busy_share.sh BUILD SEEDS [--compare PROGRAM]   e.g. bench/busy_share.sh build 3
#
# With --compare, every seed runs a second program on the same files as
# well, the two taking turns (which goes first alternates by seed), and the
# tables set them side by side. BUSY_SHARE_SIZES="N:MBPS ..." picks other
# sizes and speeds. Needs BUILD/palvo, BUILD/bench/busy_desks,
# BUILD/bench/generate_files and BUILD/bench/libshared_link.so (`make
# busy-share` builds them and runs this). The files go to
# BUILD/bench-data/share-N and are removed after each size; the lines of
# every run stay in BUILD/bench-data/share-N.runs.
set -eu
[ $# -eq 2 ] || { [ $# -eq 4 ] && [ "$3" = --compare ]; } ||
  { echo "usage: $0 BUILD SEEDS [--compare PROGRAM]" >&2; exit 2; }
build=$(realpath "$1")
seeds=$2
programs="$build/palvo"
[ $# -eq 4 ] && programs="$programs $(realpath "$4")"
sizes=${BUSY_SHARE_SIZES:-"100000:30 1000000:110"}

echo "machine: $(sed -n 's/^model name[^:]*: //p' /proc/cpuinfo | head -1), $(nproc) cores online, $(uname -sr)"
failed=0
for size in $sizes; do
  n=${size%%:*}
  mbps=${size#*:}
  dir="$build/bench-data/share-$n"
  runs="$dir.runs"
  rm -rf "$dir" "$runs"
  mkdir -p "$dir/generated" "$runs"
  "$build/bench/generate_files" "$n" "$dir/generated" >/dev/null
  started=$(date +%s)
  seed=1
  while [ "$seed" -le "$seeds" ]; do
    # The other program first in even seeds.
    order=$programs
    [ $((seed % 2)) -eq 0 ] && order=$(printf '%s\n' $programs | tac | tr '\n' ' ')
    k=1
    for program in $order; do
      rm -rf "$dir/desks"
      cp -r "$dir/generated" "$dir/desks"
      # On disk before the desks start, or the first sync writes the copy.
      sync "$dir/desks"/*
      "$build/bench/busy_desks" --run "$dir/desks" --seed "$seed" --mbps "$mbps" \
        --program "$program" >"$runs/seed$seed-$k.txt" || failed=1
      k=$((k + 1))
    done
    echo "N = $n, seed $seed: $(($(date +%s) - started)) s so far" >&2
    seed=$((seed + 1))
  done
  echo
  echo "N = $n at $mbps MB/s, $seeds seeds, $(($(date +%s) - started)) s"
  "$build/bench/busy_desks" --summary "$runs"/*.txt || failed=1
  rm -rf "$dir"
done
[ "$failed" -eq 0 ] || { echo "A RUN FAILED OR ITS FILES DID NOT MATCH ITS SCREENS: see above" >&2; exit 1; }
