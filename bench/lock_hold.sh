#!/bin/sh
# How long each kind of record write holds each lock byte exclusive (the
# data byte, the pending byte, the numbers byte), read by the clock that
# liblock_clock.so puts into the program: from the F_SETLK F_WRLCK that was
# granted to the F_UNLCK of the same byte on the same descriptor. One round on
# generated files of N patients registers a new patient (the append, with the
# number checked again under the lock), pays at the cashier, admits and
# discharges that patient (rewrites in place, and the archive append) and
# writes the report; then both files are cut back to their generated length
# and the report is removed. Every session is a program of its own, as at a
# desk, on a warm page cache.
#
#   bench/lock_hold.sh BUILD N RUNS     e.g. bench/lock_hold.sh build 1000000 7
#
# Needs BUILD/palvo, BUILD/bench/generate_files and BUILD/bench/liblock_clock.so
# (`make bench` builds them); the files go to BUILD/bench-data/locks-N.
set -eu
[ $# -eq 3 ] || { echo "usage: $0 BUILD N RUNS" >&2; exit 2; }
build=$(realpath "$1")
n=$2
runs=$3
dir="$build/bench-data/locks-$n"
mkdir -p "$dir"
kutuk="$dir/holds.log"
rm -f "$kutuk" "$kutuk".* "$dir/palvo.rapor.txt"
touch "$kutuk"
"$build/bench/generate_files" "$n" "$dir" >/dev/null
hasta="$dir/palvo.hasta.dat"
arsiv="$dir/palvo.arsiv.dat"
hasta_boy=$(stat -c %s "$hasta")
arsiv_boy=$(stat -c %s "$arsiv")
# On disk before the first round, or the first sync of a record writes the
# whole generated file; and in the page cache.
sync "$hasta" "$arsiv"
cat "$hasta" "$arsiv" >/dev/null

tc=99999999999 # no generated patient has it
# The session's keys after the login, as printf escapes; the return prompt's
# key and Cikis follow.
girdi() {
  case $1 in
    registration) printf %s "1\n$tc\nali veli\ne\n01/02/2000\nankara\nab rh+\ncad 1\nankara\ncankaya\n5321234567\nevli\n\n" ;;
    cashier) printf %s "8\n$tc\n1\n" ;;
    admission) printf %s "5\n$tc\n01/02/2024\n10:30\nates\nkbb\n" ;;
    discharge) printf %s "6\n$tc\nali veli\ngrip\nparol\n02/02/2024\n11:00\n100\n" ;;
    report) printf %s "12\n" ;;
  esac
}
# How many exclusive locks of the data byte each session takes: the
# discharge one on each file.
beklenen() {
  case $1 in discharge) echo 2 ;; *) echo 1 ;; esac
}

sessions="registration cashier admission discharge report"
r=1
while [ "$r" -le "$runs" ]; do
  for s in $sessions; do
    once=$(wc -l <"$kutuk")
    # The screen goes through grep, which counts the messages of a failure.
    hatalar=$(cd "$dir" && printf "nobet\nnobet\n$(girdi $s)x14\n" |
      LD_PRELOAD="$build/bench/liblock_clock.so" PALVO_LOCK_LOG="$kutuk" "$build/palvo" |
      grep -a -c -E 'Kayit Yazilamadi|Dosya Acilamadi|Dosya Olusturulamadi|zaten kayitli|Bulunamadi|Once Hasta|Zaten Yapildi' ||
      true)
    tutulan=$(($(wc -l <"$kutuk") - once))
    veri=$(tail -n "$tutulan" "$kutuk" | grep -c ' data ' || true)
    if [ "$hatalar" != 0 ] || [ "$veri" != "$(beklenen $s)" ]; then
      echo "$s, run $r: $hatalar failure messages, $veri exclusive data-byte locks taken" >&2
      exit 1
    fi
    tail -n "$tutulan" "$kutuk" | sed "s/^/$s /" >>"$kutuk.$r"
  done
  [ "$(stat -c %s "$hasta")" -eq $((hasta_boy + 376)) ] &&
    [ "$(stat -c %s "$arsiv")" -eq $((arsiv_boy + 184)) ] ||
    { echo "run $r: the files did not grow by one patient and one examination" >&2; exit 1; }
  truncate -s "$hasta_boy" "$hasta"
  truncate -s "$arsiv_boy" "$arsiv"
  rm -f "$dir/palvo.rapor.txt"
  r=$((r + 1))
done

echo "N = $n, $runs runs; exclusive locks held (ms), by byte"
echo "| session | file | byte | median | lowest | highest | in the sync, median |"
echo "|---|---|---|---:|---:|---:|---:|"
cat "$kutuk".* | awk '
  function ortanca(liste,   a, n, i, j, t) {
    n = split(liste, a, " ")
    for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] + 0 > t + 0; j--) a[j + 1] = a[j]; a[j + 1] = t }
    ilk = a[1]; son = a[n]
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  { k = $1 " | " $2 " | " $3; v[k] = v[k] " " $4; e[k] = e[k] " " $5; if (!(k in v0)) { v0[k] = 1; ad[++m] = k } }
  END { for (i = 1; i <= m; i++) { k = ad[i]; md = ortanca(v[k]); lo = ilk; hi = son
    printf "| %s | %.2f | %.2f | %.2f | %.2f |\n", k, md, lo, hi, ortanca(e[k]) } }'
rm -f "$kutuk" "$kutuk".* "$hasta" "$arsiv"
rmdir "$dir"
