#pragma once
#include <string>
#include <vector>

// A result row's own copies of its column texts (code page 936), and of the
// texts it shows (UTF-8), stored as the row's item data and owned by the list.
class RowData {
public:
    explicit RowData(std::vector<std::string> columnTexts, std::vector<std::string> shownTexts = {});
    ~RowData();
    RowData(const RowData&) = delete;
    RowData& operator=(const RowData&) = delete;

    // Instances alive now; lets tests prove every row was freed.
    static int LiveCount();

    std::vector<std::string> columnTexts;
    std::vector<std::string> shownTexts;  // one per column; empty when the row shows columnTexts
};
