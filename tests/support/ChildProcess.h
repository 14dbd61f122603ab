#pragma once
#include <string>

struct ChildResult {
    unsigned long exitCode = 0;
    std::string out;
    std::string err;
};

// Runs commandLine (UTF-8) with input on its standard input and waits for it.
ChildResult RunChild(const std::string& commandLine, const std::string& input = std::string());
