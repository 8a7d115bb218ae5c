#!/usr/bin/env bash
# morvane-cli articles: generate, dump, load and save through the real code.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cli" articles generate 200 "$work/lager.dat" --seed 4
"$cli" articles load "$work/lager.dat" | grep -qx "200 articles"
"$cli" articles save "$work/lager.dat" "$work/again.dat"
cmp "$work/lager.dat" "$work/again.dat"

"$cli" articles dump "$work/lager.dat" >"$work/dump.csv"
[ "$(wc -l <"$work/dump.csv")" -eq 201 ] || { echo "dump: expected header + 200 lines"; exit 1; }
head -n 1 "$work/dump.csv" | grep -q '^"Artikelbezeichnung";"Artikel Nr.";"Barcode";"Menge"'
# Multi-line article numbers stay on one line, escaped.
grep -q '\\r\\nB-' "$work/dump.csv"
grep -q 'ü\|ö\|ä' "$work/dump.csv"

if "$cli" articles dump "$work/missing.dat" >"$work/out" 2>"$work/err"; then
  echo "dump of a missing file must fail"; exit 1
fi
grep -q "cannot read" "$work/err"
[ ! -s "$work/out" ]
echo ok
