#!/usr/bin/env bash
# check-marc.sh FILE marc21|unimarc|marcxml: judges a file of records with the tools libraries use. Every
# record must read back with yaz-marcdump without a complaint; MARC 21 records (MARCXML is read as MARC 21)
# must also pass MARC::Lint with no warning. Prints "FILE: N records" and exits 0, or prints the
# complaints and exits 1.
set -u
if [ $# -ne 2 ]; then
  echo "usage: check-marc.sh FILE marc21|unimarc|marcxml" >&2
  exit 2
fi
file=$1 format=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
iso=$file lint=1
case $format in
  marc21) ;;
  unimarc) lint=0 ;;
  marcxml)
    # yaz-marcdump reads the records of a truncated document without a word: the document is checked first.
    if ! python3 -c '
import sys, xml.etree.ElementTree as tree
root = tree.parse(sys.argv[1]).getroot()
sys.exit(root.tag != "{http://www.loc.gov/MARC21/slim}collection" and "root is not a MARC 21 slim collection")
' "$file" 2>"$scratch/xml"; then
      echo "$file: not a MARCXML document:"; tail -3 "$scratch/xml"
      exit 1
    fi
    iso=$scratch/records.mrc
    if ! yaz-marcdump -i marcxml -o marc "$file" >"$iso" 2>"$scratch/xml"  || [ -s "$scratch/xml" ]; then
      echo "$file: yaz-marcdump cannot read the MARCXML:"; cat "$scratch/xml"
      exit 1
    fi ;;
  *) echo "check-marc.sh: unknown format $format" >&2; exit 2 ;;
esac

# -n prints nothing but complaints.
yaz-marcdump -n "$iso" >"$scratch/yaz" 2>&1
if [ $? -ne 0 ] || [ -s "$scratch/yaz" ]; then
  echo "$file: yaz-marcdump complains:"; head -20 "$scratch/yaz"
  exit 1
fi

# MARC::File::USMARC reads any ISO 2709 record: it counts UNIMARC records too, unlinted.
LINT=$lint perl -MMARC::File::USMARC -MMARC::Lint -e '
  binmode STDOUT, ":utf8";
  my $in = MARC::File::USMARC->in($ARGV[0]) or die "cannot open $ARGV[0]\n";
  my $lint = MARC::Lint->new;
  my ($count, $warned) = (0, 0);
  while (my $record = $in->next()) {
    $count++;
    my @warnings = $record->warnings();
    if ($ENV{LINT}) {
      eval { $lint->check_record($record); 1 } or push @warnings, "MARC::Lint failed: $@";
      push @warnings, $lint->warnings();
    }
    for (@warnings) { print "record $count: $_\n"; $warned = 1; }
  }
  print "$ARGV[1]: $count records\n" unless $warned;
  exit $warned;' "$iso" "$file" >"$scratch/lint" 2>&1
status=$?
if [ $status -ne 0 ]; then
  echo "$file: MARC::Lint warns:"; head -40 "$scratch/lint"
  exit 1
fi
cat "$scratch/lint"
