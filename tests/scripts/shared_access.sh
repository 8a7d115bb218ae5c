#!/usr/bin/env bash
# Several programs change different articles of one data folder at the same
# time while another keeps reading: every change must be in the file at the
# end, the file must always parse, and no marker may be left behind.
set -euo pipefail
cli=$1
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export XDG_DATA_HOME="$data/user"

"$cli" articles generate 8 "$data/lager.dat" --seed 3
workers=4
rounds=15

writer() {
  local w=$1
  for r in $(seq 1 "$rounds"); do
    "$cli" --data "$data" articles set "A-10000$w" "Freie Spalte 1" "w$w-r$r"
    "$cli" --data "$data" articles set "A-10000$((w + 4))" 17 "v$w-r$r"
  done
}
reader() {
  while [ ! -e "$data/done" ]; do
    "$cli" articles load "$data/lager.dat" | grep -q "^8 articles$" || { echo "reader saw a broken file"; exit 1; }
  done
}

reader & reader_pid=$!
pids=()
for w in $(seq 0 $((workers - 1))); do writer "$w" & pids+=($!); done
status=0
for p in "${pids[@]}"; do wait "$p" || status=1; done
touch "$data/done"
wait "$reader_pid" || status=1
[ $status -eq 0 ] || { echo "a worker failed"; exit 1; }

for w in $(seq 0 $((workers - 1))); do
  got=$("$cli" --data "$data" articles get "A-10000$w" 17)
  [ "$got" = "w$w-r$rounds" ] || { echo "article $w: expected w$w-r$rounds, got $got"; exit 1; }
  got=$("$cli" --data "$data" articles get "A-10000$((w + 4))" 17)
  [ "$got" = "v$w-r$rounds" ] || { echo "article $((w + 4)): expected v$w-r$rounds, got $got"; exit 1; }
done
[ ! -e "$data/lagerschreibe.dat" ] || { echo "marker left behind"; exit 1; }
[ ! -e "$data/templager.dat" ] || { echo "work file left behind"; exit 1; }
echo ok
