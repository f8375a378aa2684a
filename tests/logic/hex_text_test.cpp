// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "logic/hex_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

namespace tovalin {
namespace {

struct HexCase {
    const char* name;
    std::u16string text;
    bool hex;
};

// Failure messages name the case rather than dumping its bytes.
void PrintTo(const HexCase& c, std::ostream* os) {
    *os << c.name;
}

class PanduanHexTest : public ::testing::TestWithParam<HexCase> {};

TEST_P(PanduanHexTest, Decides) {
    EXPECT_EQ(panduanHex(GetParam().text), GetParam().hex);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PanduanHexTest,
    ::testing::Values(
        HexCase{"Empty", u"", false}, HexCase{"Zero", u"0", true}, HexCase{"LowerF", u"f", true},
        HexCase{"UpperF", u"F", true}, HexCase{"EightDigits", u"12345678", true},
        HexCase{"AllDigits", u"ABCDEFabcdef0123456789", true},
        HexCase{"LeadingSpace", u" 12", false}, HexCase{"TrailingSpace", u"12 ", false},
        HexCase{"Tab", u"1\t2", false}, HexCase{"Prefix0x", u"0x12", false},
        HexCase{"SuffixH", u"12h", false}, HexCase{"Hyphen", u"1-2", false},
        HexCase{"Comma", u"1,2", false}, HexCase{"LetterG", u"G1", false},
        HexCase{"FullWidthDigits", u"\uff11\uff12", false},
        HexCase{"FullWidthLetter", u"\uff21", false},
        HexCase{"ArabicIndicDigits", u"\u0661\u0662", false},
        HexCase{"NulInside",
                std::u16string(u"12\0"
                               "34",
                               5),
                false},
        HexCase{"LoneHighSurrogate", u"1\xD800", false},
        HexCase{"LoneLowSurrogate", std::u16string(1, char16_t(0xDC00)), false},
        HexCase{"SurrogatePair", u"1\U0001F600", false},
        // Just outside each of the three ranges.
        HexCase{"Slash", u"/", false}, HexCase{"Colon", u":", false}, HexCase{"At", u"@", false},
        HexCase{"G", u"G", false}, HexCase{"Backtick", u"`", false}, HexCase{"g", u"g", false},
        // A low byte that is a hex digit must not pass in a wider code unit.
        HexCase{"WideUnitWithDigitLowByte", std::u16string(1, char16_t(0x0130)), false},
        HexCase{"WideUnitWithLetterLowByte", std::u16string(1, char16_t(0x0141)), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PanduanHex, AcceptsExactlyTwentyTwoCodeUnits) {
    std::u16string accepted;
    for (std::uint32_t c = 0; c <= 0xFFFF; ++c) {
        if (panduanHex(std::u16string(1, static_cast<char16_t>(c)))) {
            accepted += static_cast<char16_t>(c);
        }
    }
    EXPECT_EQ(accepted, u"0123456789ABCDEFabcdef");
}

TEST(PanduanHex, LongTexts) {
    std::u16string text(10'000'000, u'a');
    EXPECT_TRUE(panduanHex(text));
    text.back() = u'g';
    EXPECT_FALSE(panduanHex(text));
    text.back() = u'a';
    text.front() = u' ';
    EXPECT_FALSE(panduanHex(text));
}

struct ConvertCase {
    const char* name;
    std::u16string text;
    std::u16string reversed;
};

// Failure messages name the case rather than dumping its bytes.
void PrintTo(const ConvertCase& c, std::ostream* os) {
    *os << c.name;
}

class ConvertTest : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertTest, ReversesGroups) {
    EXPECT_EQ(convert(GetParam().text), GetParam().reversed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConvertTest,
    ::testing::Values(ConvertCase{"Empty", u"", u""}, ConvertCase{"One", u"1", u"1"},
                      ConvertCase{"OneGroup", u"12", u"12"}, ConvertCase{"Three", u"123", u"312"},
                      ConvertCase{"TwoGroups", u"1234", u"3412"},
                      ConvertCase{"Odd", u"12345", u"53412"},
                      ConvertCase{"Dword", u"12345678", u"78563412"},
                      ConvertCase{"CaseKept", u"00abcdef", u"efcdab00"},
                      ConvertCase{"AnyCharacters", u"\u8f6c\u6362xy", u"xy\u8f6c\u6362"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Convert, IsItsOwnInverseOnEvenLengths) {
    std::mt19937 random(12345);
    for (std::size_t length : {0u, 2u, 8u, 10u, 4096u, 65536u, 1'000'002u}) {
        std::u16string text(length, u'\0');
        for (auto& c : text) {
            c = static_cast<char16_t>(random());
        }
        EXPECT_EQ(convert(convert(text)), text) << "length " << length;
    }
}

TEST(Convert, LongOddTextPutsLastCharacterFirst) {
    // Past 32,767 code units the groups must still all be moved, in order.
    std::u16string text;
    for (int i = 0; i < 40'001; ++i) {
        text += static_cast<char16_t>(u'A' + i % 26);
    }
    const std::u16string reversed = convert(text);
    ASSERT_EQ(reversed.size(), text.size());
    EXPECT_EQ(reversed.front(), text.back());
    EXPECT_EQ(reversed.substr(1, 2), text.substr(text.size() - 3, 2));
    EXPECT_EQ(reversed.substr(reversed.size() - 2), text.substr(0, 2));
}

} // namespace
} // namespace tovalin
