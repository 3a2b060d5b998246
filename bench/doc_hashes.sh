#!/bin/sh
# Writes a fixed table of documents with setrix-cli (every module, a fixed date) and the
# switch bank pictures, and prints one sha256 per document. Speed work compares this table
# before and after a change: the bytes must stay the same. The modification date, the clock
# time of writing, is blanked out before hashing. A board picture written once per step gets a
# random number in its name; for such a document the name's number, the lengths and the
# cross-reference table (byte offsets that move with the number's digits) are blanked too.
# The DC command's JSON (matrix with the markers) and the engine's reference document
# (bench/pdf_bench --dump) are in the table too.
#   bench/doc_hashes.sh [build/release] > hashes.txt
set -eu
build=${1:-build/release}
cli=$build/cli/setrix-cli
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
doc() {  # doc NAME ARGS...: a PDF document
  name=$1
  shift
  "$cli" "$@" --date 24.12.2026 --pdf "$out/$name.pdf" >/dev/null
  hash=$(perl -0777 -pe 's{/ModDate \(D:\d{14}\)}{/ModDate (D:00000000000000)}g;
      if (s{(/ImagePCB)\d+}{$1#}g) { s{/Length \d+}{/Length #}g; s{\r\nxref\r\n.*}{}s; }' \
    "$out/$name.pdf" | sha256sum | cut -d' ' -f1)
  printf '%s  %s\n' "$hash" "$name.pdf"
}
doc dc-4-20mA-0-10V dc --in-min 4 --in-max 20 --in-unit mA --out-min 0 --out-max 10 --out-unit V --bandwidth 10Hz
doc dc-0-7V-de dc --in-min 0 --in-max 7 --in-unit V --out-min 0 --out-max 10 --out-unit V --lang de --note "SN 4711"
doc dc-two-step dc --in-min 4 --in-max 20 --in-unit mA --out-min -10 --out-max 10 --out-unit V --bandwidth 10Hz
doc dc-two-step-it dc --in-min 4 --in-max 20 --in-unit mA --out-min -10 --out-max 10 --out-unit V --lang it
doc thermo-K-de thermo --type K --start 0 --end 400 --output 4-20mA --filter on --lang de --note "Kessel 3"
doc thermo-J thermo --type J --start 0 --end 200 --output 0-10V --filter off --manual on
doc thermo-S-es thermo --type S --start 0 --end 1200 --output 0-20mA --filter on --lang es
doc rtd-pt100-3wire rtd --type pt100-3wire --start 0 --end 100 --output 4-20mA --response slow
doc rtd-ni100-de rtd --type ni100-2wire --start 0 --end 100 --output 0-10V --response fast --lang de --note "Halle 2"
doc rtd-potentiometer rtd --type potentiometer --start 0 --end 100 --output 0-20mA --response fast --manual on
doc frq-0-fmax frq --mode 0-fmax --upper 1234 --output 0-10V
doc frq-fmin-fmax-de frq --mode fmin-fmax --lower 50 --upper 1234 --output 4-20mA --lang de --note "Zähler"
doc frq-special frq --mode special --lower 50 --upper 1230 --output 0-20mA
doc frq-special-es frq --mode special --lower 10 --upper 500 --output 0-5V --lang es
for mode in screen bitmap bw; do
  for a in 0 90 180 270; do
    "$cli" bank --count 10 --alignment $a --value 525 --mode $mode --out "$out/bank.bmp" >/dev/null
    printf '%s  %s\n' "$(sha256sum <"$out/bank.bmp" | cut -d' ' -f1)" "bank-$mode-$a.bmp"
  done
done
"$cli" bank --count 3 --alignment 0 --value 5 --mode bw --out "$out/bank.bmp" >/dev/null
printf '%s  %s\n' "$(sha256sum <"$out/bank.bmp" | cut -d' ' -f1)" "bank-bw-3.bmp"
for task in "4 20 mA 0 10 V" "0 10 V 0 10 V" "0 7 V 0 10 V" "0 10 V 4 20 mA" "4 20 mA -10 10 V" \
  "20 4 mA 10 0 V" "-5 5 V 0 10 V" "0 100 mV 0 20 mA"; do
  set -- $task
  printf '%s  %s\n' "$("$cli" dc --in-min "$1" --in-max "$2" --in-unit "$3" --out-min "$4" --out-max "$5" \
    --out-unit "$6" --json | sha256sum | cut -d' ' -f1)" "dc $task.json"
done
"$build/bench/pdf_bench" --dump "$out/engine.pdf"
printf '%s  %s\n' "$(sha256sum <"$out/engine.pdf" | cut -d' ' -f1)" "pdf_bench.pdf"
