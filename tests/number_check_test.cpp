#include "numbers/number_check.h"
#include "numbers/number_fields.h"
#include "numbers/number_packing.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

using Field = NumberFields::Field;

TEST(NumberFields, AFieldIsReplacedWithTheRestOfItsLineKept) {
    const NumberFields tabbed = SplitNumberLine("12\tAnna\t13800000001,extra\r");
    EXPECT_EQ(tabbed.group, "12");
    EXPECT_EQ(tabbed.number, "13800000001");
    EXPECT_EQ(tabbed.tail, ",extra\r");
    EXPECT_EQ(tabbed.With(Field::Name, "Anne"), "12\tAnne\t13800000001,extra\r");
    EXPECT_EQ(tabbed.With(Field::Number, ""), "12\tAnna\t,extra\r");
    // Mixed separators stay as they are.
    EXPECT_EQ(SplitNumberLine("1,Bob\t5").With(Field::Group, "2"), "2,Bob\t5");
    // A line short of fields gets only the separators the new text needs.
    EXPECT_EQ(SplitNumberLine("7").With(Field::Group, "8"), "8");
    EXPECT_EQ(SplitNumberLine("7").With(Field::Number, "123"), "7,,123");
    EXPECT_EQ(SplitNumberLine("7\tCarl").With(Field::Number, "9"), "7\tCarl,9");
    EXPECT_EQ(SplitNumberLine("").With(Field::Name, "Dora"), ",Dora");

    EXPECT_TRUE(FitsInField("Zhang San \xD5\xC5"));
    for (const char* bad : {"a,b", "a\tb", "a\rb", "a\nb"})
        EXPECT_FALSE(FitsInField(bad)) << bad;
}

TEST(NumberCheck, EveryFaultIsFoundOnItsLineByTheRuleTheWriteWarnsWith) {
    const Lines lines = {
        "1,Anna,13800000001",
        "2,,13800000001",                      // empty name, duplicate of line 1
        "x,Carl,12a",                          // not dialable, group not a number
        "-3,Seventeen bytes!!,12345678901234", // long name, long number, group out of range
        "1234567,Dora,",                       // empty number; seven characters of group
        "5,Ed,12345678901239",                 // cut to line 4's first 13 digits: not the same
        "5,Fay,13800000001",                   // a second duplicate of line 1
    };
    const auto findings = CheckNumberList(lines);
    const std::vector<NumberFinding> expected = {
        {2, NumberFault::EmptyName},       {2, NumberFault::Duplicate, 1},
        {3, NumberFault::NotDialable},     {3, NumberFault::GroupNotNumber},
        {4, NumberFault::LongNumber},      {4, NumberFault::LongName},
        {4, NumberFault::GroupOutOfRange}, {5, NumberFault::EmptyNumber},
        {5, NumberFault::GroupOutOfRange}, {6, NumberFault::LongNumber},
        {7, NumberFault::Duplicate, 1},
    };
    EXPECT_EQ(findings, expected);
    EXPECT_EQ(findings[1].Text(), "line 2: the NUMBER is also on line 1");
    EXPECT_EQ(findings[3].Text(), "line 3: the GROUP is not a number (the list cannot be written)");
    EXPECT_EQ(findings[5].Text(), "line 4: the NAME is longer than 16 bytes (cut)");
    // A character past the 13 digits sent is cut, not a fault of its own.
    EXPECT_EQ(CheckNumberList({"1,A,1234567890123x"}),
              (std::vector<NumberFinding>{{1, NumberFault::LongNumber}}));

    // The write refuses the list for line 3 and, once that is mended, warns
    // of exactly what the check found.
    try {
        PackNumberList(lines, Utf8Encoding());
        FAIL() << "packed";
    } catch (const NumberListError& e) {
        EXPECT_EQ(e.line(), 3u);
    }
    // What the line holds is quoted as it is, whatever it looks like.
    try {
        PackNumberList({"%1 of %2,A,1"}, Utf8Encoding());
        FAIL() << "packed";
    } catch (const NumberListError& e) {
        EXPECT_EQ(std::string(e.what()), "line 1 of the number list has no number as its group, "
                                         "nothing was sent: \"%1 of %2,A,1\"");
    }
    EXPECT_EQ(FillIn("%1 and %2, %10", {"%2", "b", "c", "d", "e", "f", "g", "h", "i", "j"}),
              "%2 and b, j");
    Lines mended = lines;
    mended[2] = "3,Carl,12a";
    const auto packed = PackNumberList(mended, Utf8Encoding());
    const auto warnings = WarningsOf(CheckNumberList(mended));
    ASSERT_EQ(packed.warnings.size(), warnings.size());
    for (std::size_t i = 0; i < warnings.size(); ++i)
        EXPECT_EQ(packed.warnings[i].Text(), warnings[i].Text());
    EXPECT_EQ(packed.findings, CheckNumberList(mended));
    EXPECT_EQ(FindingsSummary(packed.findings),
              "10 findings: 1 number with other characters than digits, 2 numbers cut at 13 "
              "digits, 1 name cut, 1 empty number, 1 empty name, 2 groups out of range, 2 "
              "duplicate numbers");
    EXPECT_EQ(FindingsSummary(findings).substr(0, 12), "11 findings:");
    EXPECT_TRUE(FindingsSummary(findings).ends_with(", 1 group not a number"));
    EXPECT_EQ(FindingsSummary({{4, NumberFault::EmptyName}}), "1 finding: 1 empty name");
    EXPECT_EQ(FindingsSummary({}), "");
    // Only the lines the write sends are checked for it.
    Lines beyond(kMaxPackedLines, "1,A,1");
    beyond.push_back("x,,");
    EXPECT_NO_THROW(PackNumberList(beyond, Utf8Encoding()));
}

// What the check found nothing in before, though it never reaches the
// device as the list reads: a list longer than the device holds (said once,
// at line 9001, with how many lines), a NUL byte that ends a field on the
// device, a third field after the number, a control character in a name.
// The write warns of each as the check names it.
TEST(NumberCheck, WhatTheDeviceWillNotGetAsTheListReadsIsFound) {
    Lines lines(10000, "1,A,13800000001");
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = "1,A," + std::to_string(13800000000 + i);
    lines[9000] = "1,,13800000001"; // line 9001 has faults of its own too
    lines[3] = std::string("4,a,1380000\0 1000", 17);
    lines[4] = std::string("5,a\0b,1380", 10);
    lines[5] = "1\tF\t5,6";
    lines[6] = "7,x\x01y,7";
    const auto findings = CheckNumberList(lines);
    const std::vector<NumberFinding> expected = {
        {4, NumberFault::HoldsNul},          {5, NumberFault::HoldsNul},
        {6, NumberFault::TextAfterNumber},   {7, NumberFault::ControlInName},
        {9001, NumberFault::BeyondCapacity}, {9001, NumberFault::EmptyName},
        {9001, NumberFault::Duplicate, 2},
    };
    EXPECT_EQ(findings, expected);
    EXPECT_EQ(findings[4].Text(), "line 9001: the list is longer than the 9000 numbers the device "
                                  "holds (only its first 9008 lines are sent)");
    EXPECT_EQ(findings[2].Text(), "line 6: text after the NUMBER (a third field) is not sent");
    // Exactly 9000 lines fit; one more does not.
    EXPECT_TRUE(CheckNumberList(Lines(lines.begin(), lines.begin() + 9000)).size() == 4);
    EXPECT_EQ(CheckNumberList(Lines(lines.begin(), lines.begin() + 9001))[4].fault,
              NumberFault::BeyondCapacity);

    // The write reads only its 9008 lines, and counts the rest.
    const Lines sent(lines.begin(), lines.begin() + static_cast<long>(kMaxPackedLines));
    const auto packed = PackNumberList(sent, Utf8Encoding(), {}, lines.size());
    const auto warnings = WarningsOf(findings, false, lines.size());
    ASSERT_EQ(packed.warnings.size(), warnings.size());
    for (std::size_t i = 0; i < warnings.size(); ++i)
        EXPECT_EQ(packed.warnings[i].Text(), warnings[i].Text());
    const auto beyond = std::find_if(warnings.begin(), warnings.end(), [](const auto& w) {
        return w.many == std::string("%1 lines beyond 9000");
    });
    ASSERT_NE(beyond, warnings.end());
    EXPECT_EQ(beyond->Text(), "Warning: 1000 lines beyond the 9000 numbers the device holds (only "
                              "the first 9008 lines are sent) (lines 9001 and 999 more)");
    EXPECT_EQ(FindingsSummary(findings, AsWritten, lines.size()),
              "1006 findings: 1 empty name, 2 lines with a NUL byte, 1 third field, 1 name with a "
              "control character, 1000 lines beyond 9000, 1 duplicate number");
    EXPECT_EQ(packed.blocks.size(), kMaxNumberBlocks);
}

} // namespace
} // namespace mervadin
