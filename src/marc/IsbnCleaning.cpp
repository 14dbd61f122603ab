#include "marc/IsbnCleaning.h"

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool ValidIsbn10(const std::string& s)
{
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        char c = s[i];
        int value = IsDigit(c) ? c - '0' : (i == 9 && c == 'X') ? 10 : -1;
        if (value < 0)
            return false;
        sum += value * (10 - i);
    }
    return sum % 11 == 0;
}

bool ValidIsbn13(const std::string& s)
{
    int sum = 0;
    for (int i = 0; i < 13; ++i) {
        if (!IsDigit(s[i]))
            return false;
        sum += (s[i] - '0') * (i % 2 ? 3 : 1);
    }
    return sum % 10 == 0;
}

}

bool CleanIsbn(const std::string& text, std::string* isbn)
{
    std::string cleaned;
    for (char c : text)
        if (c != ' ' && c != '-')
            cleaned += c;
    if (!cleaned.empty() && cleaned.back() == 'x')
        cleaned.back() = 'X';
    bool valid = (cleaned.size() == 10 && ValidIsbn10(cleaned)) || (cleaned.size() == 13 && ValidIsbn13(cleaned));
    *isbn = valid ? cleaned : text;
    return valid;
}
