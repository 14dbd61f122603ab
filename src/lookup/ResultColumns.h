#pragma once
#include <string>

#include "lookup/BookRecord.h"

// The result list's eleven columns, described once: column 0 is the ISBN,
// column 1 + s shows slot s (the introduction, the last slot, is no column).
struct ResultColumn {
    const char* heading;  // UTF-8
    int width;            // pixels
};

constexpr ResultColumn kResultColumns[] = {
    {"条形码", 120}, {"分类号", 80}, {"书名", 150}, {"著译者", 60}, {"出版处", 120},  {"页数", 80},
    {"开本", 80},    {"版期", 80},   {"版次", 80},  {"单价", 80},   {"图片网址", 20},
};
constexpr int kResultColumnCount = sizeof(kResultColumns) / sizeof(kResultColumns[0]);

constexpr int ColumnOfSlot(Slot slot)
{
    return 1 + static_cast<int>(slot);
}

constexpr int kCoverUrlColumn = ColumnOfSlot(kCoverUrl);
// A copied row is every column before the cover URL.
constexpr int kCopiedColumnCount = kCoverUrlColumn;

static_assert(kResultColumnCount == ColumnOfSlot(kIntro), "every slot but the introduction is a column");

// After the book's columns, the row's source: "图书馆", "社区" or a catalogue's name.
constexpr ResultColumn kSourceColumn = {"来源", 80};
constexpr int kSourceColumnIndex = kResultColumnCount;

// The heading text of the list, the book's columns and the source's:
// "title,width;..." (UTF-8).
std::string ResultHeadingSpec();
