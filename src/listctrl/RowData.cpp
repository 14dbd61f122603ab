#include "listctrl/RowData.h"

#include <atomic>
#include <utility>

namespace {
// Rows are made on worker threads and freed on the UI thread.
std::atomic<int> liveCount{0};
}

RowData::RowData(std::vector<std::string> columnTexts) : columnTexts(std::move(columnTexts))
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
