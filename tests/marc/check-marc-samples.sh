#!/usr/bin/env bash
# check-marc-samples.sh MARC_SAMPLES CHECK_MARC: the sample records of both flavours and MARCXML pass
# check-marc.sh whole, and the script rejects a record that Lint warns about and a cut-off file.
set -u
samples=$1 check=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
count=$("$samples" "$dir") || { echo "marc_samples failed"; exit 1; }
status=0
for pair in marc21.mrc:marc21 unimarc.mrc:unimarc marcxml.xml:marcxml; do
  file=$dir/${pair%%:*}
  out=$(bash "$check" "$file" "${pair##*:}")
  echo "$out"
  [ "$out" = "$file: $count records" ] || status=1
done
head -c 2000 "$dir/marc21.mrc" >"$dir/cut.mrc"
head -c 2000 "$dir/marcxml.xml" >"$dir/cut.xml"
for pair in lint-bad.mrc:marc21 cut.mrc:marc21 cut.xml:marcxml; do
  if bash "$check" "$dir/${pair%%:*}" "${pair##*:}" >/dev/null; then
    echo "check-marc.sh passed the broken ${pair%%:*}"; status=1
  fi
done
[ $status = 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $status
