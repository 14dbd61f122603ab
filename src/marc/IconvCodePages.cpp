#include "marc/IconvCodePages.h"

#include <iconv.h>

bool IconvCodePages::ToUtf8(unsigned codePage, const std::string& bytes, std::string& utf8) const
{
    iconv_t cd = iconv_open("UTF-8", codePage == kGb18030 ? "GB18030" : "GBK");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string out(bytes.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size(), outLeft = out.size();
    char* to = &out[0];
    bool ok = iconv(cd, &in, &inLeft, &to, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    utf8 = std::move(out);
    return ok;
}
