#pragma once
#include <string>
#include <vector>

#include "lookup/ConfiguredSources.h"

// The quiet line under the list: each source of the search and what it
// said ("查找中…", "找到", "未找到", "失败：REASON"), so that an empty list
// after a failure never reads as "no such book". Code page 936.
class SearchStatus {
public:
    // A new search of these sources, none of them answered yet.
    void Start(const std::vector<LookupSource>& sources);
    // The first source of the outcome's kind and name still asked answers.
    void Answer(const SourceOutcome& outcome);
    std::string Text() const;

    // Bad settings, named once: "设置有误，未用其来源：…".
    static std::string ProblemsText(const std::vector<std::string>& problems);

private:
    struct Entry {
        SourceOutcome outcome;
        bool answered = false;
    };
    std::vector<Entry> entries;
};
