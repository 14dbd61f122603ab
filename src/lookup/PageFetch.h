#pragma once
#include <functional>
#include <string>

#include "lookup/PageText.h"

// URL in, code page 936 page text (with its UTF-8 form) out; empty when there is no page. The
// sources take it as a parameter so that their scans run without a network.
using PageFetch = std::function<PageText(const std::string& url)>;
