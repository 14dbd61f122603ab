#pragma once
#include <string>

struct ChildResult {
    unsigned long exitCode = 0;
    std::string out;
    std::string err;
};

// Runs commandLine (UTF-8) with input on its standard input and waits for it.
ChildResult RunChild(const std::string& commandLine, const std::string& input = std::string());

// Writes first to the child's standard input, waits up to 30 s for a line on
// its standard output (*lineBeforeRest tells whether one came), then writes
// rest and closes standard input.
ChildResult RunChildStreaming(const std::string& commandLine, const std::string& first, const std::string& rest,
                              bool* lineBeforeRest);
