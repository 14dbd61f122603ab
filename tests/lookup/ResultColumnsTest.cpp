#include <gtest/gtest.h>

#include "lookup/ResultColumns.h"

namespace {

TEST(ResultColumns, HeadingsCoverAndCopiedColumns)
{
    EXPECT_EQ("条形码,120;分类号,80;书名,150;著译者,60;出版处,120;页数,80;开本,80;版期,80;版次,80;单价,80;图片网址,20",
              ResultHeadingSpec());
    EXPECT_EQ(10, kCoverUrlColumn);
    EXPECT_EQ(10, kCopiedColumnCount);
}

}
