#include <windows.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include "DebugOutput.h"
#include "framework/AfxBeginThread.h"
#include "framework/InternetException.h"

namespace {

TEST(AfxBeginThread, WhatTheBodyThrowsIsTracedAndTheThreadEnds)
{
    DebugOutput trace;
    KernelHandle thread = AfxBeginThread("test thread", [] { throw CInternetException(ERROR_INTERNET_TIMEOUT); });
    ASSERT_TRUE(thread);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(thread.GetSafeHandle(), 10000));
    EXPECT_EQ(std::vector<std::string>{"test thread: CInternetException 12002\n"}, trace.Lines());
}

}
