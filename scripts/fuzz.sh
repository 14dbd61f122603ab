#!/usr/bin/env bash
# fuzz.sh [SECONDS] [NAME]: builds the libFuzzer harnesses with clang under
# AddressSanitizer and UBSan and runs each (or only NAME) for SECONDS
# (default 20) from its seed corpus. A crash, a leak, undefined behaviour or
# a hang fails the run; the failing input is printed.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
out=${QUILL_BUILD:-$root/build}/fuzz
seconds=${1:-20}
only=${2:-}
cxx="clang++"
command -v ccache >/dev/null && cxx="ccache clang++"
flags="-std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I$root/src"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$out"
status=0

# The page scans start from the catalogue service's own pages, rendered now
# so that they follow the service; the service comes from scripts/build.sh.
page_seeds() {
  local dir=$1
  rm -rf "$dir"; mkdir -p "$dir"
  . "$root/scripts/start-server.sh"
  start_server "${QUILL_BUILD:-$root/build}/native/server/quillfind-server" "$root/tests/data/catalogue" &&
    python3 "$root/tests/fuzz/page-seeds.py" "http://127.0.0.1:$server_port" "$dir" \
      9787111111111 9787222222222 9787333333333 9787666666666
  kill $server_pid; wait $server_pid 2>/dev/null
}

# harness NAME "SOURCES" CORPUS ["LIBRARIES"]: sources from the repository
# root, the harness first. Adding a harness is one line below.
harness() {
  local name=$1 sources=$2 corpus=$3 libs=${4:-}
  [ -n "$only" ] && [ "$only" != "$name" ] && return 0
  local exe="$out/$name" log="$out/$name.log" files=() s
  for s in $sources; do files+=("$root/$s"); done
  # shellcheck disable=SC2086 # the libraries are words
  if ! $cxx $flags "${files[@]}" $libs -o "$exe"; then
    echo "fuzz $name: does not build"; status=1; return 0
  fi
  # New inputs go to a scratch corpus; the seeds in the repository stay as they are.
  rm -rf "$out/$name.corpus" "$out/$name-"*; mkdir -p "$out/$name.corpus"
  if "$exe" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$out/$name-" \
       "$out/$name.corpus" "$corpus" >"$log" 2>&1; then
    echo "fuzz $name: $(awk '/stat::number_of_executed_units/ {print $2}' "$log") executions in ${seconds} s, no failure"
  else
    status=1
    echo "fuzz $name: FAILED"
    grep -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error)' "$log" | head -5
    sed -n '/^==[0-9]*==ERROR/,/^SUMMARY/p' "$log" | head -40
    for input in "$out/$name-"*; do
      [ -f "$input" ] || continue
      echo "failing input $input ($(stat -c %s "$input") bytes):"
      od -A d -c "$input" | head -40
    done
  fi
}

{ [ -z "$only" ] || [ "$only" = page_scan ]; } && page_seeds "$out/page_scan.seeds"
harness page_scan    "tests/fuzz/PageScanFuzz.cpp src/lookup/Extraction.cpp src/lookup/CommunitySource.cpp src/lookup/LibrarySource.cpp src/lookup/PageUrls.cpp src/lookup/PageResult.cpp src/lookup/PageText.cpp src/lookup/SourceOutcome.cpp src/marc/MarcText.cpp src/marc/IsbnCleaning.cpp" "$out/page_scan.seeds"
harness page_text    "tests/fuzz/PageTextFuzz.cpp src/lookup/PageText.cpp src/marc/MarcText.cpp" "$root/tests/fuzz/corpus/page_text"
harness headings     "tests/fuzz/HeadingsFuzz.cpp src/listctrl/HeadingSpec.cpp" "$root/tests/fuzz/corpus/headings"
harness column_state "tests/fuzz/ColumnStateFuzz.cpp src/listctrl/ColumnState.cpp src/framework/Archive.cpp src/framework/MemFile.cpp src/framework/ProfileBinary.cpp" "$root/tests/fuzz/corpus/column_state"
harness menu_template "tests/fuzz/MenuTemplateFuzz.cpp src/menu/MenuTemplate.cpp" "$root/tests/fuzz/corpus/menu_template"
harness marc_columns "tests/fuzz/MarcColumnsFuzz.cpp src/marc/MarcColumns.cpp src/marc/MarcRecord.cpp src/marc/MarcText.cpp src/marc/Iso2709.cpp src/marc/MarcXml.cpp" "$root/tests/fuzz/corpus/marc_columns"
python3 "$root/scripts/isbn-ranges.py" /usr/share/perl5/Business/ISBN/Data.pm "$out/IsbnRanges.inc" || status=1
flags="$flags -I$out"
harness marc_roundtrip "tests/fuzz/MarcRoundTripFuzz.cpp src/marc/BookMarcRecord.cpp src/marc/MarcColumns.cpp src/marc/MarcRecord.cpp src/marc/MarcText.cpp src/marc/Iso2709.cpp src/marc/IsbnCleaning.cpp src/marc/IsbnHyphens.cpp src/marc/PersonalNames.cpp" "$root/tests/fuzz/corpus/marc_roundtrip"
harness received_record "tests/fuzz/ReceivedRecordFuzz.cpp src/marc/ReceivedRecord.cpp src/marc/IconvCodePages.cpp src/marc/MarcColumns.cpp src/marc/MarcRecord.cpp src/marc/MarcText.cpp src/marc/Iso2709.cpp" "$root/tests/fuzz/corpus/received_record" "$(pkg-config --cflags --libs yaz)"
exit $status
