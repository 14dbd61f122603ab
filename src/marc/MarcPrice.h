#pragma once
#include <string>

// A price as catalogues write it, the currency code before the amount: "CNY32.50". From a source's raw
// price text: 元, ￥, ¥, RMB and CNY give CNY; $ and USD give USD; € and EUR give EUR; £ and GBP give GBP;
// no sign gives CNY, the sources being Chinese. Thousands separators go; empty when there is no amount.
std::string PriceWithCurrency(const std::string& raw);
