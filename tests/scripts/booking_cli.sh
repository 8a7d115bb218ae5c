#!/usr/bin/env bash
# The booking command succeeds only when it booked: a quantity that is not a
# number, zero, negative or too large, and an unknown article, end with a
# failure and leave the data folder as it was.
set -euo pipefail
cli=$1
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export XDG_DATA_HOME="$data/user"

"$cli" articles generate 2 "$data/lager.dat" --seed 7
before=$(sha256sum "$data/lager.dat")

for args in "A-100000 abc issue" "A-100000 3abc issue" "A-100000 0 issue" "A-100000 -1 receipt" \
            "A-100000 1000000001 receipt" "A-100000 0,001 receipt" "A-999999 1 issue" "A-100000 1 sideways"; do
  # shellcheck disable=SC2086
  if "$cli" --data "$data" booking book $args >/dev/null 2>&1; then
    echo "booked: $args"; exit 1
  fi
done
[ "$(sha256sum "$data/lager.dat")" = "$before" ] || { echo "article file changed"; exit 1; }
[ ! -e "$data/buchungen.dbf" ] || { echo "journal written"; exit 1; }
[ ! -e "$data/protokoll.txt" ] || { echo "protocol written"; exit 1; }

start=$("$cli" --data "$data" articles get A-100001 Menge)
got=$("$cli" --data "$data" booking book A-100001 2,5 receipt --user Erika)
want=$(awk -v s="${start/,/.}" 'BEGIN { printf "%.2f\n", s + 2.5 }')
[ "$got" = "${want/./,}" ] || { echo "new stock $got, expected ${want/./,}"; exit 1; }
[ "$("$cli" --data "$data" articles get A-100001 Menge)" = "$got" ] || { echo "stock not saved"; exit 1; }
echo ok
