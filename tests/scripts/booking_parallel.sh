#!/usr/bin/env bash
# Several programs book on one data folder at the same time, each on its own
# article and all on one shared article: at the end every stock equals its
# start plus the sum of its bookings, and the journal holds every booking
# exactly once.
set -euo pipefail
cli=$1
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export XDG_DATA_HOME="$data/user"

"$cli" articles generate 6 "$data/lager.dat" --seed 5
workers=4
rounds=8
shared=A-100005

stock() { "$cli" --data "$data" articles get "$1" Menge; }
# Stock texts to hundredths as whole numbers: "70,00" and "68" both work.
cents() {
  local v=${1/,/.}
  awk -v v="$v" 'BEGIN { printf "%d\n", (v < 0 ? v * 100 - 0.5 : v * 100 + 0.5) }'
}

declare -a start
for w in $(seq 0 $((workers - 1))); do start[$w]=$(cents "$(stock "A-10000$w")"); done
shared_start=$(cents "$(stock "$shared")")

worker() {
  local w=$1
  for r in $(seq 1 "$rounds"); do
    "$cli" --data "$data" booking book "A-10000$w" 2 receipt --user "w$w" >/dev/null
    "$cli" --data "$data" booking book "$shared" 1,5 issue --user "w$w" >/dev/null
  done
}

pids=()
for w in $(seq 0 $((workers - 1))); do worker "$w" & pids+=($!); done
status=0
for p in "${pids[@]}"; do wait "$p" || status=1; done
[ $status -eq 0 ] || { echo "a booking failed"; exit 1; }

for w in $(seq 0 $((workers - 1))); do
  got=$(cents "$(stock "A-10000$w")")
  want=$((start[w] + rounds * 200))
  [ "$got" = "$want" ] || { echo "article $w: expected $want, got $got (hundredths)"; exit 1; }
done
got=$(cents "$(stock "$shared")")
want=$((shared_start - workers * rounds * 150))
[ "$got" = "$want" ] || { echo "shared article: expected $want, got $got (hundredths)"; exit 1; }

dump=$("$cli" dbf dump "$data/buchungen.dbf")
records=$(($(printf '%s\n' "$dump" | wc -l) - 1))
[ "$records" -eq $((workers * rounds * 2)) ] || { echo "journal holds $records records"; exit 1; }
for w in $(seq 0 $((workers - 1))); do
  n=$(printf '%s\n' "$dump" | grep -c "^\"+\";.*;\"A-10000$w\";\"2,00\";.*;\"w$w\";" || true)
  [ "$n" -eq "$rounds" ] || { echo "worker $w: $n receipts in the journal"; exit 1; }
  n=$(printf '%s\n' "$dump" | grep -c "^\"-\";.*;\"$shared\";\"1,50\";.*;\"w$w\";" || true)
  [ "$n" -eq "$rounds" ] || { echo "worker $w: $n issues in the journal"; exit 1; }
done
# Each shared issue left a different new stock: no two bookings saw the same one.
distinct=$(printf '%s\n' "$dump" | grep "^\"-\"" | awk -F'";"' '{ print $6 }' | sort -u | wc -l)
[ "$distinct" -eq $((workers * rounds)) ] || { echo "shared article: only $distinct distinct new stocks"; exit 1; }

[ ! -e "$data/lagerschreibe.dat" ] || { echo "marker left behind"; exit 1; }
[ ! -e "$data/templager.dat" ] || { echo "work file left behind"; exit 1; }
echo ok
