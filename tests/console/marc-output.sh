#!/usr/bin/env bash
# marc-output.sh LOOKUP_EXE: the console's MARC formats end to end, against
# the catalogue service and a Zebra SRU server over the test catalogue. Every
# file must pass check-marc.sh (yaz-marcdump, and MARC::Lint for MARC 21);
# one record per book found, none for a book no source has.
set -u
lookup=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/start-server.sh"
. "$root/scripts/start-zebra.sh"
dir=$(mktemp -d)
server_pid=""
trap '[ -n "$server_pid" ] && kill $server_pid; stop_zebra; [ -n "${KEEP:-}" ] || rm -rf "$dir"' EXIT
start_server "$QUILL_SERVER_EXE" "$QUILL_TEST_DATA" || exit 1
start_zebra "$QUILL_TEST_DATA" || exit 1
base="http://127.0.0.1:$server_port"
urls="--community $base --library $base --covers $base/lpic/"
books=$(grep -o '^\[97[0-9]*\]' "$QUILL_TEST_DATA/catalogue.txt" | tr -d '[]')
status=0
fail() { echo "FAILED: $*"; status=1; }

# run NAME FORMAT STATUS [OPTIONS...]: all the test books and one that no
# source has; the exit status must be STATUS.
run() {
  local name=$1 format=$2 expected=$3
  shift 3
  # shellcheck disable=SC2086 # the URLs are words
  wine "$lookup" $urls --format "$format" "$@" $books 9780000000000 >"$dir/$name" 2>"$dir/$name.err"
  local got=$?
  [ $got = "$expected" ] || fail "$name: exit status $got, not $expected"
  grep -q '^not found: 9780000000000$' "$dir/$name.err" || fail "$name: no 'not found' for the unknown book"
  bash "$root/scripts/check-marc.sh" "$dir/$name" "$format" || fail "$name: check-marc.sh"
}

# field NAME TAG: the lines of that tag of every record, as yaz-marcdump prints them.
field() {
  local iso=$dir/$1
  [ "${1##*.}" = xml ] && { yaz-marcdump -i marcxml -o marc "$dir/$1" >"$dir/$1.mrc"; iso=$dir/$1.mrc; }
  yaz-marcdump "$iso" | grep "^$2 "
}

# Without the catalogue 1 (some not found); with it 3: its record of
# 9787777777777 has no title, a bad answer.
run scraped.mrc marc21 1
run scraped-unimarc.mrc unimarc 1
run scraped.xml marcxml 1
run sru.mrc marc21 3 --sru "http://127.0.0.1:$zebra_port/marc21"
run sru-unimarc.mrc unimarc 3 --sru "http://127.0.0.1:$zebra_port/unimarc" --sru-format unimarc
run rebuilt.mrc marc21 3 --sru "http://127.0.0.1:$zebra_port/unimarc" --sru-format unimarc

# The scraping sources find all books but 9787444444444, 9787777777777 and
# 9787999999999 (its markers too deep); the catalogue has 9787999999999.
books_found=$(( $(echo "$books" | wc -w) - 3 ))
for name in scraped.mrc scraped-unimarc.mrc scraped.xml sru.mrc sru-unimarc.mrc rebuilt.mrc; do
  expected=$books_found
  [ "${name#sru}" != "$name" ] || [ "$name" = rebuilt.mrc ] && expected=$(( books_found + 1 ))
  [ "$(field $name 001 | wc -l)" = "$expected" ] || fail "$name: not $expected records"
done
field scraped.mrc 245 | grep -qx '245 10 \$a Practical Test Engineering 实用测试工程 / \$c Alice Zhang, 李明著.' ||
  fail "scraped.mrc: 245 of 9787111111111"
field scraped.mrc 856 | grep -q "\$u $base/lpic/solid.jpg" || fail "scraped.mrc: the community's cover"
field scraped-unimarc.mrc 200 | grep -q '^200 1  \$a Practical Test Engineering 实用测试工程 \$f Alice Zhang, 李明著' ||
  fail "scraped-unimarc.mrc: 200 of 9787111111111"
# The catalogue's record is the base (its 001 is the catalogue's id), with the community's cover added.
field sru.mrc 001 | grep -qx '001 1111' || fail "sru.mrc: the catalogue's record is not the base"
field sru.mrc 856 | grep -q "\$u $base/lpic/solid.jpg" || fail "sru.mrc: no cover added to the catalogue's record"
field sru-unimarc.mrc 001 | grep -qx '001 1111' || fail "sru-unimarc.mrc: the catalogue's record is not the base"
# A UNIMARC record asked for as MARC 21 is rebuilt, with the ISBN as 001.
field rebuilt.mrc 001 | grep -qx '001 9787111111111' || fail "rebuilt.mrc: the UNIMARC record was not rebuilt"
# book NAME ISBN: that book's record as yaz-marcdump prints it.
book() {
  yaz-marcdump "$dir/$1" | awk -v id="001 $2" 'BEGIN { RS = "" } index($0, "\n" id "\n") { print }'
}
# has NAME ISBN LINE...: the book's record has each line exactly.
has() {
  local name=$1 isbn=$2 line record
  shift 2
  record=$(book "$name" "$isbn")
  for line in "$@"; do
    grep -qxF -- "$line" <<<"$record" || fail "$name: $isbn has no line '$line'"
  done
}
has scraped.mrc 9787000000032 '020    $a 9787000000032 $c CNY32.50' '100 1  $a Kafka, Franz.' \
  '245 10 $a Die Verwandlung / $c (奥) Franz Kafka 著；张三、李四 译.' '250    $a 3rd ed.' \
  '264  1 $b Oxford Univ. Pr., $c 20080501' '700 0  $a 张三, $e translator.' '700 0  $a 李四, $e translator.'
book scraped.mrc 9787000000032 | grep -q '^008 ......s2008' || fail "scraped.mrc: 008 of an eight-digit date"
book scraped.mrc 9787000000032 | head -1 | grep -q '^.\{17\}7i' || fail "scraped.mrc: leader/17-18 not 7i"
book scraped.mrc 9787000000032 | grep -q '^856' && fail "scraped.mrc: a cover link for a coverless book"
has scraped-unimarc.mrc 9787000000032 '010    $a 978-7-00-000003-2 $d CNY32.50' '101 1  $a und' \
  '200 1  $a Die Verwandlung $f (奥) Franz Kafka 著；张三、李四 译' '205    $a 3rd ed.' \
  '210    $c Oxford Univ. Pr. $d 20080501' '700  1 $a Kafka $b Franz $4 070' '702  0 $a 张三 $4 730' \
  '702  0 $a 李四 $4 730'
book scraped-unimarc.mrc 9787000000032 | grep -q '^100    \$a ........d2008' || fail "scraped-unimarc.mrc: 100 date"
# Characters outside code page 936 reach the records as the page has them.
has scraped.mrc 9787000000049 '245 10 $a Gödel, Escher, Bach / $c 𠮷田 著.' '100 0  $a 𠮷田.' \
  '020    $a 9787000000049 $c USD24.99'
has scraped-unimarc.mrc 9787000000049 '200 1  $a Gödel, Escher, Bach $f 𠮷田 著' '700  0 $a 𠮷田 $4 070'

# Z39.50 catalogues: records in GB2312 and in MARC-8 (marked UTF-8 by the
# server) are written in UTF-8, marked so, and judged as any other.
run z3950-gb2312.mrc unimarc 3 --z3950 "127.0.0.1:$zebra_legacy_port/unimarc" --z3950-format unimarc \
  --z3950-charset gb2312
field z3950-gb2312.mrc 200 | grep -q '^200 1  \$a Practical Test Engineering 实用测试工程 / \$f Alice Zhang, 李明著' ||
  fail "z3950-gb2312.mrc: 200 of 9787111111111"
field z3950-gb2312.mrc 100 | grep -q '^100    \$a .\{26\}50  ' || fail "z3950-gb2312.mrc: not marked UTF-8"
wine "$lookup" $urls --format marc21 --z3950 "127.0.0.1:$zebra_legacy_port/accents" 2070409228 >"$dir/marc8.mrc" 2>/dev/null
bash "$root/scripts/check-marc.sh" "$dir/marc8.mrc" marc21 || fail "marc8.mrc: check-marc.sh"
field marc8.mrc 245 | grep -q "Les mise$(printf '\xcc\x81')rables" || fail "marc8.mrc: 245 not decoded from MARC-8"
ls -l "$dir" | awk '/\.(mrc|xml)$/ { print $5, $NF }'
[ $status = 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $status
