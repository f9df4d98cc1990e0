#include "document/whole_number.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct NumberCase {
    const char16_t *text;
    std::optional<int> value;
};

const NumberCase cases[] = {
    {u"0", 0},
    {u"42", 42},
    {u"  7", 7},
    {u"\t-3", -3},
    {u"+15", 15},
    {u"$1F", 31},
    {u"$ff", 255},
    {u"-$10", std::nullopt},  // a sign never precedes "$"
    {u"+$A", std::nullopt},
    {u" 12", 12},
    {u"$7FFFFFFF", 2147483647},
    {u"$80000000", std::nullopt},  // hexadecimal stays within the signed range
    {u"2147483647", 2147483647},
    {u"-2147483648", int(-2147483648LL)},
    {u"$FFFFFFFF", std::nullopt},
    {u"2147483648", std::nullopt},
    {u"$100000000", std::nullopt},
    {u"", std::nullopt},
    {u"   ", std::nullopt},
    {u"-", std::nullopt},
    {u"$", std::nullopt},
    {u"12 ", std::nullopt},
    {u"1.5", std::nullopt},
    {u"abc", std::nullopt},
    {u"0x10", std::nullopt},
    {u"１２", std::nullopt},  // full-width digits are not digits here
    {u"$G", std::nullopt},
};

TEST(WholeNumber, FollowsTheNumberGrammar)
{
    for (const NumberCase &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(wholeNumberValue(text), c.value) << text.toStdString();
        EXPECT_EQ(isWholeNumber(text), c.value.has_value()) << text.toStdString();
    }
}

} // namespace
