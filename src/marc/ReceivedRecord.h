#pragma once
#include <string>

#include "marc/CodePageDecoder.h"
#include "marc/MarcCharset.h"
#include "marc/MarcRecord.h"

// A record as a catalogue sent it, ISO 2709 in its own character set, made
// the record kept: every value UTF-8, the coding marked as UTF-8 (MARC 21
// leader/09 "a"; UNIMARC 100 $a/26-29 "50  "), fitted to ISO 2709 with its
// lengths recomputed. The charset given wins; ByRecord reads the record's
// own mark (MARC 21 leader/09: "a" UTF-8, else MARC-8; UNIMARC 100 $a/26-27:
// "50" UTF-8, else ISO 5426), and a record marked UTF-8 that is not is read
// in the flavour's older set, as servers that convert on the way out leave
// the mark behind. A character that cannot be converted becomes U+FFFD.
// False when the bytes are not one ISO 2709 record.
bool DecodeReceivedRecord(const std::string& bytes, MarcFlavour flavour, MarcCharset charset,
                          const CodePageDecoder& codePages, MarcRecord& record);

// The character set DecodeReceivedRecord reads a raw record in.
MarcCharset ReceivedCharset(const MarcRecord& raw, MarcFlavour flavour, MarcCharset charset);
