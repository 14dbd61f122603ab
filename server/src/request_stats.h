// Request counters, so tests can prove what the client did (or did not) ask for.
#pragma once

#include <cstddef>
#include <map>
#include <mutex>
#include <string>

class RequestStats {
public:
    // target: path and query exactly as they came in the request line.
    void record(const std::string &target);
    std::size_t countWithPrefix(const std::string &prefix) const;
    void reset();

private:
    mutable std::mutex mutex_;
    std::map<std::string, std::size_t> counts_;
};
