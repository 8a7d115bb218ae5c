#!/usr/bin/env bash
# morvane-cli barcode and pdf: symbols drawn by the program's engine read back
# with independent decoders; PDF files pass qpdf's strict check.
set -euo pipefail
cli=$1
for tool in zbarimg qpdf pdftoppm; do
  command -v "$tool" >/dev/null || { echo "missing $tool: apt-get install -y zbar-tools qpdf poppler-utils"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/run"; mkdir -m 700 "$XDG_RUNTIME_DIR"

"$cli" barcode --type list | grep -qx "EAN 13"

[ "$("$cli" barcode --type "EAN 13" --text 400638133393 --png "$work/ean.png")" = "4006381333931" ]
zbarimg --nodbus -q "$work/ean.png" | grep -qx "EAN-13:4006381333931"

"$cli" barcode --type "EAN 13" --text "4006381333930 12" --png "$work/addon.png" >/dev/null
zbarimg --nodbus -q -Sean2.enable "$work/addon.png" | grep -qx "EAN-2:12"

"$cli" barcode --type "Code 128" --text "LAGER 1" --pdf "$work/code128.pdf" >/dev/null
qpdf --check "$work/code128.pdf" >/dev/null
pdftoppm -r 300 -png "$work/code128.pdf" "$work/page"
zbarimg --nodbus -q "$work/page-1.png" | grep -qx "CODE-128:LAGER 1"

"$cli" pdf sample "$work/sample.pdf"
qpdf --check "$work/sample.pdf" >/dev/null

if "$cli" barcode --type "EAN 13" --text 12ab --png "$work/bad.png" 2>"$work/err"; then
  echo "an invalid text must fail"; exit 1
fi
[ -s "$work/err" ] && [ ! -e "$work/bad.png" ]
echo ok
