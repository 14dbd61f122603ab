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

char Isbn10CheckDigit(const std::string& nine)
{
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += (nine[i] - '0') * (10 - i);
    int check = (11 - sum % 11) % 11;
    return check == 10 ? 'X' : static_cast<char>('0' + check);
}

char Isbn13CheckDigit(const std::string& twelve)
{
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (twelve[i] - '0') * (i % 2 ? 3 : 1);
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

}

std::string OtherIsbnForm(const std::string& isbn)
{
    if (isbn.size() == 10 && ValidIsbn10(isbn)) {
        std::string twelve = "978" + isbn.substr(0, 9);
        return twelve + Isbn13CheckDigit(twelve);
    }
    if (isbn.size() == 13 && isbn.compare(0, 3, "978") == 0 && ValidIsbn13(isbn)) {
        std::string nine = isbn.substr(3, 9);
        return nine + Isbn10CheckDigit(nine);
    }
    return std::string();
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
