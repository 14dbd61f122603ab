#pragma once
#include <cstddef>
#include <string>

#include "console/BatchRunner.h"

// "done/total ISBN, rows, not found, failed, rate, time left". A total of 0
// means not known yet (input still streaming): the time left is then left out.
std::string FormatProgress(const BatchCounts& counts, std::size_t total, double seconds);
