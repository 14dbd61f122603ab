#include "gbk_check.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace {

bool convert(const std::string &utf8) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    bool clean = true;
    std::vector<char> in(utf8.begin(), utf8.end());
    char *src = in.data();
    size_t srcLeft = in.size();
    char buf[256];
    while (srcLeft > 0) {
        char *dst = buf; // output is discarded; only success matters
        size_t dstLeft = sizeof buf;
        size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG) continue;
            clean = false;
            break;
        }
    }
    iconv_close(cd);
    return clean;
}

} // namespace

bool GbkCheck::representable(const std::string &utf8) { return convert(utf8); }
