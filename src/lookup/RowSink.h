#pragma once
#include <string>
#include <vector>

enum class SourceKind { Library, Community };

// Where a worker's row goes: the result list in the window, collected
// lines in the console program. Called with the lookup lock held.
class RowSink {
public:
    virtual ~RowSink() = default;
    // texts: the ISBN, then slots 0..10; the list shows the first
    // kResultColumnCount (ResultColumns.h), the console also the introduction.
    virtual void AppendRow(SourceKind source, const std::vector<std::string>& texts) = 0;
};
