#pragma once
#include <string>

// Redirects are followed by hand: WinINet follows them without end under
// some hosts. Five are more than any catalogue or cover server needs.
const int kMaxRedirects = 5;

// 301, 302, 303, 307 or 308.
bool IsRedirectStatus(unsigned long status);

// Where a redirect's Location leads from url; empty when it leads nowhere a
// page can be fetched from (no location, or not http(s)).
std::string RedirectTarget(const std::string& url, const std::string& location);
