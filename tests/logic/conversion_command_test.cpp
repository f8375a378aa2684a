// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "logic/conversion_command.h"
#include "logic/messages.h"
#include "recording_window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tovalin {
namespace {

using testing::RecordedCall;
using testing::RecordingWindow;
using Kind = RecordedCall::Kind;

// The texts spelled as code points, so that a wrongly decoded source shows.
const std::u16string kEmptyPrompt = u"\u8bf7\u8f93\u5165"
                                    u"16"
                                    u"\u8fdb\u5236\u6587\u672c!";
const std::u16string kEmptyTitle = u"\u63d0\u793a";
const std::u16string kNotHexPrompt = u"\u4f60\u8f93\u5165\u7684\u4e0d\u662f"
                                     u"16"
                                     u"\u8fdb\u5236\u6587\u672c!";
const std::u16string kNotHexTitle = u"\u8b66\u544a";

RecordedCall message(const std::u16string& prompt, const std::u16string& title) {
    return {Kind::Message, prompt, 0, title};
}

TEST(Messages, TextsAreExactWithAsciiDigitsAndMark) {
    EXPECT_EQ(messages::kEmptyPrompt, kEmptyPrompt);
    EXPECT_EQ(messages::kEmptyTitle, kEmptyTitle);
    EXPECT_EQ(messages::kNotHexPrompt, kNotHexPrompt);
    EXPECT_EQ(messages::kNotHexTitle, kNotHexTitle);
    EXPECT_EQ(messages::kOkOnly, 0);
}

struct ValidCase {
    const char* name;
    std::u16string input;
    std::u16string normalised;
    std::u16string converted;
};

// Failure messages name the case rather than dumping its bytes.
void PrintTo(const ValidCase& c, std::ostream* os) {
    *os << c.name;
}

class ValidInput : public ::testing::TestWithParam<ValidCase> {};

TEST_P(ValidInput, WritesInputBoxThenOutputBox) {
    const ValidCase& c = GetParam();
    RecordingWindow window;
    window.input = c.input;
    ConversionCommand command(window);

    command.f_a_Click();

    const std::vector<RecordedCall> expected{{Kind::SetInput, c.normalised, 0, {}},
                                             {Kind::SetOutput, c.converted, 0, {}}};
    EXPECT_EQ(window.calls, expected);
    EXPECT_EQ(command.isHex, -1);
    EXPECT_EQ(command.hex_sj, c.normalised);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ValidInput,
    ::testing::Values(ValidCase{"One", u"1", u"00000001", u"01000000"},
                      ValidCase{"Short", u"1234", u"00001234", u"34120000"},
                      ValidCase{"Odd", u"abc", u"00000abc", u"bc0a0000"},
                      ValidCase{"Exact", u"12345678", u"12345678", u"78563412"},
                      ValidCase{"LowerKept", u"abcdef", u"00abcdef", u"efcdab00"},
                      ValidCase{"UpperKept", u"ABCDEF", u"00ABCDEF", u"EFCDAB00"},
                      ValidCase{"TenDigitsKeepLastEight", u"123456789A", u"3456789A", u"9A785634"},
                      ValidCase{"Zeros", u"00000000", u"00000000", u"00000000"},
                      ValidCase{"Nine", u"F12345678", u"12345678", u"78563412"}),
    [](const auto& info) { return std::string(info.param.name); });

class NotHexInput : public ::testing::TestWithParam<std::u16string> {};

TEST_P(NotHexInput, WarnsAndWritesNoBox) {
    RecordingWindow window;
    ConversionCommand command(window);
    window.input = u"1234";
    command.f_a_Click(); // an earlier success sets the output box and fields
    window.calls.clear();
    window.input = GetParam();

    command.f_a_Click();

    EXPECT_EQ(window.calls, std::vector<RecordedCall>{message(kNotHexPrompt, kNotHexTitle)});
    EXPECT_EQ(window.input, GetParam());
    EXPECT_EQ(window.output, u"34120000");
    EXPECT_EQ(command.isHex, 0);
    EXPECT_EQ(command.hex_sj, u"00001234");
}

INSTANTIATE_TEST_SUITE_P(Inputs, NotHexInput,
                         ::testing::Values(u" 12", u"12 ", u"0x12", u"12h", u"1-2", u"G1",
                                           u"\uff11\uff12", u"g", u" "));

TEST(EmptyInput, NoticeAtStartLeavesEverythingAsItWas) {
    RecordingWindow window;
    ConversionCommand command(window);

    command.f_a_Click();

    EXPECT_EQ(window.calls, std::vector<RecordedCall>{message(kEmptyPrompt, kEmptyTitle)});
    EXPECT_EQ(window.output, u"");
    EXPECT_EQ(command.isHex, 0);
    EXPECT_EQ(command.hex_sj, u"");
}

TEST(EmptyInput, KeepsFieldsFromEarlierSuccess) {
    RecordingWindow window;
    ConversionCommand command(window);
    window.input = u"abcdef";
    command.f_a_Click();
    window.calls.clear();
    window.input.clear();

    command.f_a_Click();

    EXPECT_EQ(window.calls, std::vector<RecordedCall>{message(kEmptyPrompt, kEmptyTitle)});
    EXPECT_EQ(window.output, u"efcdab00");
    EXPECT_EQ(command.isHex, -1);
    EXPECT_EQ(command.hex_sj, u"00abcdef");
}

TEST(SecondClick, WithoutEditingGivesTheSameResult) {
    RecordingWindow window;
    ConversionCommand command(window);
    window.input = u"1";
    command.f_a_Click();
    const std::vector<RecordedCall> first = window.calls;
    window.calls.clear();

    command.f_a_Click();

    EXPECT_EQ(window.calls, first);
    EXPECT_EQ(window.input, u"00000001");
    EXPECT_EQ(window.output, u"01000000");
}

TEST(OutputBox, ItsTextHasNoEffectAndIsOverwritten) {
    RecordingWindow window;
    ConversionCommand command(window);
    window.output = u"not hex at all";
    window.input = u"12345678";

    command.f_a_Click();

    EXPECT_EQ(window.output, u"78563412");
}

} // namespace
} // namespace tovalin
