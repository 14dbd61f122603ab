#include "lookup/CommunitySource.h"

#include "lookup/Extraction.h"
#include "lookup/PageUrls.h"

namespace {

void SetLabels(BookRecord& record, const SourceConfig& config)
{
    static const char* const kLabels[kSlotCount] = {
        "\xB7\xD6\xC0\xE0\xBA\xC5\xA3\xBA",  // 分类号：
        "<span property=\"v:itemreviewed\">",
        "<span class=\"pl\"> \xD7\xF7\xD5\xDF</span>:",  // 作者
        "<span class=\"pl\">\xB3\xF6\xB0\xE6\xC9\xE7:",  // 出版社
        "<span class=\"pl\">\xD2\xB3\xCA\xFD:",          // 页数
        "\xBF\xAA\xB1\xBE",                              // 开本
        "<span class=\"pl\">\xB3\xF6\xB0\xE6\xC4\xEA:",  // 出版年
        "\xB0\xE6\xB4\xCE",                              // 版次
        "<span class=\"pl\">\xB6\xA8\xBC\xDB:",          // 定价
        "",
        "<div class=\"intro\">",
    };
    for (std::size_t i = 0; i < kSlotCount; ++i)
        record.slots[i].label = kLabels[i];
    record.slots[kCoverUrl].label = config.CoverMarker();
}

// The price ends in one double-byte currency character.
TextSpan CutCurrency(TextSpan price)
{
    return price.end - price.begin <= 2 ? TextSpan() : TextSpan{price.begin, price.end - 2};
}

}

void LookupCommunity(BookRecord& record, const std::string& isbn, const SourceConfig& config, const PageFetch& fetch)
{
    const PageText fetched = fetch(CommunityPageUrl(config, isbn));
    const std::string& page = fetched.Text();
    if (page.empty())
        return;
    SetLabels(record, config);
    auto& s = record.slots;
    s[kClassNumber].value.clear();
    SetSlot(s[kTitle], fetched, FindAfterTags(page, s[kTitle].label, 1));
    SetSlot(s[kAuthor], fetched, FindAfterTags(page, s[kAuthor].label, 3));
    if (s[kTitle].value.empty() && s[kAuthor].value.empty())
        return;
    SetSlot(s[kPublisher], fetched, FindAfterTags(page, s[kPublisher].label, 2));
    SetSlot(s[kPages], fetched, FindAfterTags(page, s[kPages].label, 2));
    s[kFormat].value.clear();
    SetSlot(s[kPubDate], fetched, FindAfterTags(page, s[kPubDate].label, 2));
    s[kEdition].value.clear();
    const TextSpan price = FindAfterTags(page, s[kPrice].label, 2);
    record.priceText = fetched.Utf8Of(price.begin, price.end);
    SetSlot(s[kPrice], fetched, CutCurrency(price));
    SetSlot(s[kCoverUrl], fetched, FindQuoted(page, s[kCoverUrl].label));
    SetSlot(s[kIntro], fetched, FindIntro(page, s[kIntro].label));
    s[kIntro].value = IntroLines(s[kIntro].value);
    s[kIntro].text = IntroLines(s[kIntro].text);
    s[kCoverUrl].value = config.coverBase + s[kCoverUrl].value;
    s[kCoverUrl].text = config.coverBase + s[kCoverUrl].text;
}
SourceOutcome AskCommunity(const std::string& isbn, const SourceConfig& config, const PageResultFetch& fetch)
{
    std::string failure;
    BookRecord record;
    LookupCommunity(record, isbn, config, RecordingFetch(fetch, &failure));
    return OutcomeOf(SourceKind::Community, record, failure);
}
