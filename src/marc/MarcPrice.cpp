#include "marc/MarcPrice.h"

namespace {

struct Currency {
    const char* sign;
    const char* code;
};

// Longer signs first: "HK$" and "US$" before "$".
const Currency kCurrencies[] = {
    {"HK$", "HKD"}, {"US$", "USD"},          {"CNY", "CNY"},      {"RMB", "CNY"},          {"USD", "USD"},
    {"EUR", "EUR"}, {"GBP", "GBP"},          {"HKD", "HKD"},      {"JPY", "JPY"},          {"\xE5\x85\x83", "CNY"},
    {"$", "USD"},   {"\xE2\x82\xAC", "EUR"}, {"\xC2\xA3", "GBP"}, {"\xEF\xBF\xA5", "CNY"}, {"\xC2\xA5", "CNY"},
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string UpperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::size_t DigitsAt(const std::string& text, std::size_t i)
{
    std::size_t n = 0;
    while (i + n < text.size() && IsDigit(text[i + n]))
        ++n;
    return n;
}

// The first amount: digits with thousands separators, then a decimal part after "." or, with one or two
// digits, after "," ("12,00").
std::string Amount(const std::string& raw)
{
    std::size_t i = 0;
    while (i < raw.size() && !IsDigit(raw[i]))
        ++i;
    std::string amount;
    for (; i < raw.size(); ++i) {
        const bool decimal = amount.find('.') != std::string::npos;
        const std::size_t after = DigitsAt(raw, i + 1);
        if (IsDigit(raw[i]))
            amount += raw[i];
        else if (raw[i] == ',' && after == 3 && !decimal)
            continue;
        else if ((raw[i] == '.' || (raw[i] == ',' && after <= 2)) && after > 0 && !decimal)
            amount += '.';
        else
            break;
    }
    return amount;
}

}

std::string PriceWithCurrency(const std::string& raw)
{
    const std::string amount = Amount(raw);
    if (amount.empty())
        return std::string();
    const std::string upper = UpperAscii(raw);
    std::size_t best = std::string::npos;
    const char* code = "CNY";
    // The sign nearest the start wins: "USD 12 (CNY 80)" is in dollars.
    for (const Currency& currency : kCurrencies) {
        const std::size_t at = upper.find(currency.sign);
        if (at != std::string::npos && (best == std::string::npos || at < best)) {
            best = at;
            code = currency.code;
        }
    }
    return code + amount;
}
