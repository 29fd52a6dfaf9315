#!/usr/bin/env bash
# Reads the graph metafile saved by the Win32 test with wmf2svg (Debian's libwmf-bin), an
# outside reader of the format: it must convert without a complaint and keep every text.
#   check_wmf.sh SCRATCH_DIR TEXT...
set -u
wmf=$1/graph.wmf; shift
command -v wmf2svg >/dev/null || { echo "wmf2svg is missing (scripts/dev setup installs libwmf-bin)"; exit 1; }
[ -f "$wmf" ] || { echo "no $wmf from the Win32 test"; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# libwmf draws text with the standard PostScript faces, which it looks for among the URW
# fonts; it is given the installed metric-compatible Liberation faces instead.
fonts=/usr/share/fonts/truetype/liberation
[ -d "$fonts" ] || { echo "$fonts is missing (scripts/dev setup installs fonts-liberation)"; exit 1; }
for pair in Times-Roman:Serif-Regular Times-Italic:Serif-Italic Times-Bold:Serif-Bold \
    Times-BoldItalic:Serif-BoldItalic Helvetica:Sans-Regular Helvetica-Oblique:Sans-Italic \
    Helvetica-Bold:Sans-Bold Helvetica-BoldOblique:Sans-BoldItalic Courier:Mono-Regular \
    Courier-Oblique:Mono-Italic Courier-Bold:Mono-Bold Courier-BoldOblique:Mono-BoldItalic \
    Symbol:Sans-Regular ZapfDingbats:Sans-Regular; do
  echo "/${pair%%:*} ($fonts/Liberation${pair#*:}.ttf) ;"
done >"$out/Fontmap"
if ! wmf2svg --wmf-gs-fontmap="$out/Fontmap" --wmf-fontdir="$fonts" -o "$out/graph.svg" "$wmf" 2>"$out/stderr"; then
  echo "wmf2svg failed:"; cat "$out/stderr"; exit 1
fi
if [ -s "$out/stderr" ]; then
  echo "wmf2svg complained:"; cat "$out/stderr"; exit 1
fi
rc=0
for text in "$@"; do
  grep -qF -- ">$text<" "$out/graph.svg" || { echo "'$text' is not in wmf2svg's picture"; rc=1; }
done
[ $rc -eq 0 ] && echo "wmf2svg read the metafile and found $# texts"
[ $rc -eq 0 ] || cat "$out/graph.svg"
exit $rc
