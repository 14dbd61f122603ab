#pragma once
#include <functional>
#include <string>

// URL in, code page 936 page text out; empty when there is no page. The
// sources take it as a parameter so that their scans run without a network.
using PageFetch = std::function<std::string(const std::string& url)>;
