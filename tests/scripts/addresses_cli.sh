#!/usr/bin/env bash
# morvane-cli addresses and dbf: export, import and table dumps through the real code.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/a" "$work/b"

"$cli" --data "$work/a" addresses generate customers 60 --seed 3 | grep -qx "60 records"
"$cli" --data "$work/a" addresses export customers "$work/a.csv" --header | grep -qx "60 records exported"
[ "$(wc -l <"$work/a.csv")" -eq 61 ] || { echo "export: expected header + 60 lines"; exit 1; }
head -n 1 "$work/a.csv" | grep -q '^"FIRMA";"NAME";"VORNAME";"ANREDE";"STRASSENR";"PLZ"'
# Memos with line breaks stay on their line; the file is Windows-1252.
grep -q 'Rabatt 0 %\\r\\nLieferung' "$work/a.csv"
grep -q $'\xfc' "$work/a.csv"

"$cli" --data "$work/b" addresses import customers "$work/a.csv" --skip-header | grep -qx "60 records imported"
"$cli" --data "$work/b" addresses export customers "$work/b.csv" --header >/dev/null
cmp "$work/a.csv" "$work/b.csv"

# The same through the generic table commands.
"$cli" dbf dump "$work/b/customers.dbf" >"$work/dump.csv"
[ "$(wc -l <"$work/dump.csv")" -eq 61 ]
"$cli" dbf create "$work/t.dbf" "NAME:C:20,NOTE:M"
printf '"Müller";"zwei\\r\\nZeilen"\r\n"B";""\r\n' >"$work/rows.csv"
"$cli" dbf append "$work/t.dbf" "$work/rows.csv" | grep -qx "2 records appended"
"$cli" dbf dump "$work/t.dbf" >"$work/t.csv"
grep -qx '"Müller";"zwei\\r\\nZeilen"'$'\r' "$work/t.csv"
if "$cli" dbf create "$work/t.dbf" "X:C:5" 2>"$work/err"; then
  echo "create must not replace a table"; exit 1
fi
grep -q "exists" "$work/err"

if "$cli" --data "$work/a" addresses import customers "$work/missing.csv" >/dev/null 2>"$work/err"; then
  echo "import of a missing file must fail"; exit 1
fi
if "$cli" --data "$work/a" addresses export clients "$work/x.csv" 2>/dev/null; then
  echo "unknown table must fail"; exit 1
fi
echo ok
