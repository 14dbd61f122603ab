#include <gtest/gtest.h>

#include "marc/MarcPrice.h"

TEST(MarcPrice, CurrencyFromTheRawText)
{
    const char* const cases[][2] = {
        {"32.50元", "CNY32.50"},
        {"￥32.50", "CNY32.50"},
        {"CNY32.50", "CNY32.50"},
        {"32.50", "CNY32.50"},
        {"$24.99", "USD24.99"},
        {"USD 24.99", "USD24.99"},
        {"€ 12,00", "EUR12.00"},
        {"EUR12.00", "EUR12.00"},
        {"£9.99", "GBP9.99"},
        {"GBP 1,250.00", "GBP1250.00"},
        {"HK$88", "HKD88"},
        {"rmb 5", "CNY5"},
        {"8元", "CNY8"},
        {"元", ""},
        {"", ""},
        {"price unknown", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c[1], PriceWithCurrency(c[0])) << c[0];
}
