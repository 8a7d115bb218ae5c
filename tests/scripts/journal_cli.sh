#!/usr/bin/env bash
# Bookings made by the command line show up in the journal evaluations and
# exports: the consumption counts the issues, the summarised export joins the
# bookings of one article, and an export into a missing folder fails without
# leaving a file.
set -euo pipefail
cli=$1
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export XDG_DATA_HOME="$data/user"

"$cli" articles generate 2 "$data/lager.dat" --seed 7
"$cli" --data "$data" booking book A-100000 100 receipt >/dev/null
"$cli" --data "$data" booking book A-100000 2 issue --user Erika >/dev/null
"$cli" --data "$data" booking book A-100000 2,5 issue >/dev/null
"$cli" --data "$data" booking book A-100001 1 issue >/dev/null

[ "$("$cli" --data "$data" journal consumption A-100000 30)" = "4,5" ] || { echo "consumption"; exit 1; }
[ "$("$cli" --data "$data" journal consumption A-100000 30 --receipts)" = "-95,5" ] || { echo "with receipts"; exit 1; }
[ "$("$cli" --data "$data" journal consumption A-100001 1)" = "1" ] || { echo "other article"; exit 1; }

"$cli" --data "$data" journal export "$data/all.csv"
[ "$(grep -c $'\r$' "$data/all.csv")" = 5 ] || { echo "header and four records expected"; exit 1; }
head -1 "$data/all.csv" | grep -q '^"KIND";"ARTICLE";' || { echo "header"; exit 1; }

"$cli" --data "$data" journal export "$data/sum.csv" --summarised --no-header
[ "$(wc -l < "$data/sum.csv")" = 3 ] || { echo "three groups expected"; cat "$data/sum.csv"; exit 1; }
grep -q '^"-";.*;"4,5";' "$data/sum.csv" || { echo "issues of one article summed"; cat "$data/sum.csv"; exit 1; }

"$cli" --data "$data" journal export "$data/erika.csv" --filter Erika --no-header --separator $'\t'
[ "$(wc -l < "$data/erika.csv")" = 1 ] || { echo "filter"; exit 1; }
grep -q $'^"-"\t' "$data/erika.csv" || { echo "separator"; exit 1; }

if "$cli" --data "$data" journal export "$data/missing/x.csv" >/dev/null 2>&1; then
  echo "export into a missing folder reported success"; exit 1
fi
[ ! -e "$data/missing" ] || { echo "folder created"; exit 1; }
[ "$("$cli" --data "$data" journal customers | wc -l)" = 1 ] || { echo "customers"; exit 1; }
echo ok
