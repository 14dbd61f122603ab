#include "listctrl/RowData.h"

#include <atomic>
#include <utility>

namespace {
// Rows are made on worker threads and freed on the UI thread.
std::atomic<int> liveCount{0};
}

RowData::RowData(std::vector<std::string> columnTexts, std::vector<std::string> shownTexts)
    : columnTexts(std::move(columnTexts)), shownTexts(std::move(shownTexts))
{
    ++liveCount;
}

RowData::~RowData()
{
    --liveCount;
}

int RowData::LiveCount()
{
    return liveCount;
}
