#include "lookup/LibrarySource.h"

#include "lookup/Extraction.h"
#include "lookup/PageUrls.h"

namespace {

// A plain array: a worker abandoned at exit may still read it while statics are destroyed.
constexpr char kHitMarker[] = "bookdetail.aspx?id=";
constexpr std::size_t kHitMarkerLength = sizeof(kHitMarker) - 1;

const char* const kLabels[] = {
    "\xB7\xD6\xC0\xE0\xBA\xC5\xA3\xBA",          // 分类号：
    "\xCC\xE2\xC3\xFB\xA3\xBA",                  // 题名：
    "\xD4\xF0\xC8\xCE\xD5\xDF\xA3\xBA",          // 责任者：
    "\xB3\xF6\xB0\xE6\xC9\xE7\xA3\xBA",          // 出版社：
    "\xD2\xB3\xCA\xFD\xA3\xBA",                  // 页数：
    "\xBF\xAA\xB1\xBE",                          // 开本
    "\xB3\xF6\xB0\xE6\xC8\xD5\xC6\xDA\xA3\xBA",  // 出版日期：
    "\xB0\xE6\xB4\xCE",                          // 版次
    "\xB6\xA8\xBC\xDB\xA3\xBA",                  // 定价：
};
const std::size_t kLabelCount = sizeof(kLabels) / sizeof(kLabels[0]);

// Empty when the search page lists no hit.
std::string FirstHitId(const std::string& searchPage)
{
    std::string::size_type p = searchPage.find(kHitMarker);
    if (p == std::string::npos)
        return std::string();
    p += kHitMarkerLength;
    std::string::size_type end = searchPage.find('"', p);
    if (end == std::string::npos)
        return std::string();
    return searchPage.substr(p, end - p);
}

// The price starts with a three-byte currency code.
TextSpan CutCurrencyCode(TextSpan price)
{
    return price.end - price.begin <= 3 ? TextSpan() : TextSpan{price.begin + 3, price.end};
}

// The scan stops at a title label present with an empty value.
void ScanDetail(BookRecord& record, const PageText& fetched)
{
    const std::string& page = fetched.Text();
    for (std::size_t i = 0; i < kLabelCount; ++i) {
        FieldSlot& slot = record.slots[i];
        std::string::size_type at = page.find(slot.label);
        // A label at the very start is no field: a field needs the markup before it.
        if (at == std::string::npos || at == 0)
            continue;
        const TextSpan span = SpanAfterTags(page, at, 3);
        if (i == kPrice) {
            record.priceText = fetched.Utf8Of(span.begin, span.end);
            SetSlot(slot, fetched, CutCurrencyCode(span));
        } else {
            SetSlot(slot, fetched, span);
        }
        if (i == kTitle && slot.value.empty())
            return;
    }
}

}

void LookupLibrary(BookRecord& record, const std::string& isbn, const SourceConfig& config, const PageFetch& fetch)
{
    const PageText search = fetch(LibrarySearchUrl(config, isbn));
    if (search.empty())
        return;
    const std::string id = FirstHitId(search.Text());
    if (id.empty())
        return;
    const PageText detail = fetch(LibraryDetailUrl(config, id));
    if (detail.empty())
        return;
    for (std::size_t i = 0; i < kLabelCount; ++i)
        record.slots[i].label = kLabels[i];
    ScanDetail(record, detail);
}

SourceOutcome AskLibrary(const std::string& isbn, const SourceConfig& config, const PageResultFetch& fetch)
{
    std::string failure;
    BookRecord record;
    LookupLibrary(record, isbn, config, RecordingFetch(fetch, &failure));
    return OutcomeOf(SourceKind::Library, record, failure);
}
