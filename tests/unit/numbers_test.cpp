#include "common/errors.h"
#include "common/numbers.h"

#include <gtest/gtest.h>

namespace zelvio {
namespace {

TEST(StrToInt, AcceptsDecimalWholeNumbers) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("640"), 640);
    EXPECT_EQ(StrToInt("-32"), -32);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt(" 12"), 12);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
}

TEST(StrToInt, RejectsEverythingElseWithTheOffendingText) {
    for (const char* text : {"", " ", "-", "1.5", "12 ", "abc", "0x10", "2147483648", "99999999999999999999"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& error) {
            EXPECT_EQ(std::string(error.what()), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(IntToStr, WritesNegativesWithALeadingMinus) {
    EXPECT_EQ(IntToStr(-5), "-5");
    EXPECT_EQ(IntToStr(482), "482");
}

}  // namespace
}  // namespace zelvio
