#include <gtest/gtest.h>

#include "panels/presets/ComboNumber.h"

namespace vortel::presets {

TEST(ComboNumber, ReadsTheDigitsAndSignOfEveryComboFormat) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"None", -1},  {"  0", 0},       {" 45 °", 45},      {"-120 °", -120}, {" 20 %", 20},  {"300 %", 300},
        {"3 x", 3},    {"-50", -50},     {"", 0},            {"abc", 0},       {"7-5", 7},     {"99999999999", 2147483647},
        {"-99999999999", -2147483648LL},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadComboNumber(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace vortel::presets
