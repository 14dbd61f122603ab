#!/usr/bin/env bash
# shelf-export.sh TESTS_EXE: the shelf saved as MARC 21, UNIMARC and MARCXML
# by the window (Desk.SaveAsWritesEachFormat, whose shelf holds a catalogue's
# own record and a composed one), judged by check-marc.sh: yaz-marcdump, and
# MARC::Lint for MARC 21.
set -u
exe=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
dir=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$dir"' EXIT
QUILL_SHELF_EXPORT_DIR=$(winepath -w "$dir") bash "$root/scripts/run-test.sh" --server --zebra "$exe" \
  --gtest_filter=Desk.SaveAsWritesEachFormat || exit 1
status=0
for pair in shelf-marc21.mrc:marc21 shelf-unimarc.mrc:unimarc shelf-marcxml.xml:marcxml; do
  bash "$root/scripts/check-marc.sh" "$dir/${pair%%:*}" "${pair##*:}" || status=1
done
grep -q 9787222222222 "$dir/shelf.csv" || { echo "shelf.csv lacks the second book"; status=1; }
exit $status
