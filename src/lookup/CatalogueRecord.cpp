#include "lookup/CatalogueRecord.h"

#include <memory>

#include <windows.h>

#include "framework/CodePage.h"
#include "lookup/Extraction.h"
#include "lookup/PageFetcher.h"
#include "marc/MarcColumns.h"

const char kBadAnswer[] = "bad answer";

namespace {

std::wstring Composed(const std::wstring& text)
{
    if (text.empty())
        return text;
    const int size = static_cast<int>(text.size());
    int length = ::NormalizeString(NormalizationC, text.c_str(), size, nullptr, 0);
    // The estimate may be short; the call says how much it needs.
    for (int attempt = 0; attempt < 3 && length > 0; ++attempt) {
        std::wstring out(static_cast<std::size_t>(length), L'\0');
        length = ::NormalizeString(NormalizationC, text.c_str(), size, out.data(), length);
        if (length > 0) {
            out.resize(static_cast<std::size_t>(length));
            return out;
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            break;
        length = -length;
    }
    return text;
}

std::string Utf8Composed(const std::string& utf8)
{
    return WideToMultiByte(Composed(MultiByteToWide(utf8, CP_UTF8)), CP_UTF8);
}

}

SourceOutcome CatalogueRecordOutcome(const MarcRecord& record, MarcFlavour flavour)
{
    SourceOutcome outcome;
    outcome.source = SourceKind::Catalogue;
    const ResultFields columns = MarcColumnValues(record, flavour);
    // Composed first, then converted as every page is: a character outside
    // code page 936 becomes one "?".
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        outcome.text[slot] = TrimWhiteSpace(Utf8Composed(columns[slot]));
        outcome.values[slot] = TrimWhiteSpace(ConvertCodePage(outcome.text[slot], CP_UTF8, kPageCodePage));
    }
    outcome.priceText = outcome.text[kPrice];
    if (outcome.values[kTitle].empty())
        return FailedOutcome(SourceKind::Catalogue, kBadAnswer);
    outcome.status = SourceStatus::Found;
    outcome.record = std::make_shared<const MarcRecord>(record);
    outcome.recordFlavour = flavour;
    return outcome;
}

std::string CatalogueReason(const std::string& message)
{
    std::string reason = WideToMultiByte(MultiByteToWide(message, CP_UTF8));
    for (char& c : reason)
        if (c == '\r' || c == '\n' || c == '\t')
            c = ' ';
    reason = TrimWhiteSpace(reason);
    return reason.empty() ? "diagnostic" : reason;
}
