#include "app/SearchStatus.h"

#include "framework/CodePage.h"

namespace {

const char kGap[] = "   ";

std::string StateText(const SourceOutcome& outcome, bool answered)
{
    if (!answered)
        return Cp936FromUtf8("查找中…");
    switch (outcome.status) {
    case SourceStatus::Found:
        return Cp936FromUtf8("找到");
    case SourceStatus::NotFound:
        return Cp936FromUtf8("未找到");
    case SourceStatus::Failed:
        break;
    }
    return Cp936FromUtf8("失败：") + outcome.failure;
}

}

void SearchStatus::Start(const std::vector<LookupSource>& sources)
{
    entries.clear();
    for (const LookupSource& source : sources) {
        Entry entry;
        entry.outcome.source = source.kind;
        entry.outcome.name = source.name;
        entries.push_back(entry);
    }
}

void SearchStatus::Answer(const SourceOutcome& outcome)
{
    for (Entry& entry : entries) {
        if (!entry.answered && entry.outcome.source == outcome.source && entry.outcome.name == outcome.name) {
            entry.outcome = outcome;
            entry.answered = true;
            return;
        }
    }
}

std::string SearchStatus::Text() const
{
    std::string text;
    for (const Entry& entry : entries)
        text += (text.empty() ? "" : kGap) + SourceCaption(entry.outcome) + Cp936FromUtf8("：") +
                StateText(entry.outcome, entry.answered);
    return text;
}

std::string SearchStatus::ProblemsText(const std::vector<std::string>& problems)
{
    std::string text;
    for (const std::string& problem : problems)
        text += (text.empty() ? Cp936FromUtf8("设置有误，未用其来源：") : Cp936FromUtf8("；")) + problem;
    return text;
}
