#include "request_stats.h"

void RequestStats::record(const std::string &target) {
    std::lock_guard<std::mutex> lock(mutex_);
    ++counts_[target];
}

std::size_t RequestStats::countWithPrefix(const std::string &prefix) const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::size_t total = 0;
    // Keys are sorted, so all matches follow lower_bound(prefix).
    for (auto it = counts_.lower_bound(prefix); it != counts_.end() && it->first.compare(0, prefix.size(), prefix) == 0;
         ++it)
        total += it->second;
    return total;
}

void RequestStats::reset() {
    std::lock_guard<std::mutex> lock(mutex_);
    counts_.clear();
}
