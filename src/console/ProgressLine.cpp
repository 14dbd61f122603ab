#include "console/ProgressLine.h"

#include <cstdio>

std::string FormatProgress(const BatchCounts& counts, std::size_t total, double seconds)
{
    double rate = seconds > 0 ? counts.done / seconds : 0;
    char text[64];
    std::snprintf(text, sizeof(text), "%.1f", rate);
    std::string line = std::to_string(counts.done) + "/" + (total ? std::to_string(total) : "?") + " ISBN, " +
                       std::to_string(counts.rows) + " rows, " + std::to_string(counts.notFound) + " not found, " +
                       std::to_string(counts.failed) + " failed, " + text + " ISBN/s";
    if (total && rate > 0 && counts.done <= total) {
        long left = static_cast<long>((total - counts.done) / rate + 0.5);
        std::snprintf(text, sizeof(text), ", %ld:%02ld left", left / 60, left % 60);
        line += text;
    }
    return line;
}
