#include "listctrl/RowComparison.h"

#include <cstddef>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// White space as atoi skips it in the C locale.
bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

// An atoi-style value kept as text, so any number of digits fits.
struct BigValue {
    bool negative = false;
    std::string magnitude;  // no leading zeros; empty for 0
};

BigValue ReadValue(const std::string& text, std::size_t begin, std::size_t end)
{
    BigValue value;
    // Bytes past the text read as its end.
    if (end > text.size())
        end = text.size();
    std::size_t i = begin < end ? begin : end;
    while (i < end && IsSpace(text[i]))
        ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        value.negative = text[i] == '-';
        ++i;
    }
    while (i < end && text[i] == '0')
        ++i;
    std::size_t first = i;
    while (i < end && IsDigit(text[i]))
        ++i;
    value.magnitude.assign(text, first, i - first);
    if (value.magnitude.empty())
        value.negative = false;  // -0 is 0
    return value;
}

int CompareMagnitudes(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return Sign(a.compare(b));
}

int CompareValues(const BigValue& a, const BigValue& b)
{
    if (a.negative != b.negative)
        return a.negative ? -1 : 1;
    int result = CompareMagnitudes(a.magnitude, b.magnitude);
    return a.negative ? -result : result;
}

int CompareField(const std::string& a, const std::string& b, std::size_t begin, std::size_t length)
{
    std::size_t end = begin + length;
    return CompareValues(ReadValue(a, begin, end), ReadValue(b, begin, end));
}

int ByteOrder(const std::string& a, const std::string& b)
{
    return a.compare(b);
}

const std::string& CellText(const std::vector<std::string>* row, int column)
{
    static const std::string empty;
    if (row == nullptr || column < 0 || static_cast<std::size_t>(column) >= row->size())
        return empty;
    return (*row)[static_cast<std::size_t>(column)];
}

}  // namespace

bool IsNumberText(const std::string& text)
{
    for (char c : text) {
        if (!IsDigit(c))
            return false;
    }
    return true;
}

bool IsDateText(const std::string& text)
{
    if (text.size() != 10)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool ok = (i == 2 || i == 5) ? text[i] == '/' : IsDigit(text[i]);
        if (!ok)
            return false;
    }
    return true;
}

int CompareNumberTexts(const std::string& a, const std::string& b)
{
    return CompareValues(ReadValue(a, 0, a.size()), ReadValue(b, 0, b.size()));
}

int CompareDateTexts(const std::string& a, const std::string& b)
{
    int result = CompareField(a, b, 6, 4);
    if (result == 0)
        result = CompareField(a, b, 3, 2);
    if (result == 0)
        result = CompareField(a, b, 0, 2);
    return result;
}

int CompareRowTexts(const std::string& t1, const std::string& t2, bool ascending, TextCollator collate)
{
    const std::string& first = ascending ? t1 : t2;
    const std::string& second = ascending ? t2 : t1;
    if (IsNumberText(t1))
        return CompareNumberTexts(first, second);
    if (IsDateText(t1))
        return CompareDateTexts(first, second);
    return collate != nullptr ? collate(first, second) : ByteOrder(first, second);
}

int CompareRowData(const std::vector<std::string>* row1, const std::vector<std::string>* row2, int column,
                   bool ascending, TextCollator collate)
{
    return CompareRowTexts(CellText(row1, column), CellText(row2, column), ascending, collate);
}
