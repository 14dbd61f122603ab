#pragma once
#include <string>

// The character sets catalogues send records in. ByRecord: as the record's
// own coding mark says.
enum class MarcCharset { ByRecord, Utf8, Marc8, Iso5426, Latin1, Gb2312, Gbk, Gb18030 };

// "utf-8", "marc-8", "iso-5426", "iso-8859-1", "gb2312", "gbk", "gb18030",
// or empty for ByRecord, as settings name them (any case); false for any
// other name.
bool ParseMarcCharset(const std::string& name, MarcCharset& charset);
