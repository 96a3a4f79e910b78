#include "records/record_lines.h"
#include "support/call_lines.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

TEST(RecordFilter, ALinePassesEverythingThatIsGiven) {
    const std::string line = test::CallLine({.group = "12",
                                             .name = "Zhang",
                                             .number = "13800138000",
                                             .type = "1",
                                             .date = "2026/3/5 1:2:3",
                                             .remark = "Group[7] >end"});
    EXPECT_TRUE(RecordFilter{}.Matches(line));
    EXPECT_TRUE(RecordFilter{.number = "0138"}.Matches(line));
    // A remark that looks like a field does not count.
    EXPECT_FALSE(RecordFilter{.group = "7"}.Matches(line));
    EXPECT_TRUE(RecordFilter{.group = "12"}.Matches(line));
    EXPECT_FALSE(RecordFilter{.group = "1"}.Matches(line)); // the whole group, not a part
    EXPECT_TRUE(RecordFilter{.type = '1'}.Matches(line));
    EXPECT_FALSE(RecordFilter{.type = '0'}.Matches(line));
    const auto on = [](unsigned d) { return year(2026) / month(3) / day(d); };
    EXPECT_TRUE((RecordFilter{.from = on(5), .to = on(5)}.Matches(line)));
    EXPECT_FALSE(RecordFilter{.from = on(6)}.Matches(line));
    EXPECT_FALSE(RecordFilter{.to = on(4)}.Matches(line));
    EXPECT_FALSE((RecordFilter{.number = "0138", .type = '0'}.Matches(line)));
    // A date that cannot be read passes no range.
    const std::string undated = test::CallLine({.date = "soon"});
    EXPECT_TRUE(RecordFilter{.type = '0'}.Matches(undated));
    EXPECT_FALSE(RecordFilter{.from = on(1)}.Matches(undated));

    EXPECT_EQ(CallTypeOf("0"), '0');
    EXPECT_EQ(CallTypeOf("callinmissed"), '3');
    EXPECT_EQ(CallTypeOf("CallOutManual"), '4');
    EXPECT_EQ(CallTypeOf("5"), std::nullopt);
    EXPECT_EQ(CallTypeOf("CallIn"), std::nullopt);
    EXPECT_EQ(FilteredLines(test::ListText({{.number = "1"}, {.number = "2"}}) + "\n",
                            RecordFilter{.number = "2"}),
              test::ListText({{.number = "2"}}));
}

// A group given as a number finds its calls however its digits are
// written ("01" is group 1); a name holding another call's fields moves
// nothing: the filter, the kind and the carried number read each field at
// its place.
TEST(RecordFilter, GroupsAreNumbersAndNamesHoldNoFields) {
    const std::string line = test::CallLine({.group = "1",
                                             .name = "Type[0]Group[9]",
                                             .number = "555",
                                             .type = "3",
                                             .date = "2026/3/5 1:2:3"});
    EXPECT_TRUE(RecordFilter{.group = "01"}.Matches(line));
    EXPECT_TRUE(RecordFilter{.group = "+1"}.Matches(line));
    EXPECT_FALSE(RecordFilter{.group = "9"}.Matches(line));
    EXPECT_FALSE(RecordFilter{.type = '0'}.Matches(line));
    EXPECT_TRUE(RecordFilter{.type = '3'}.Matches(line));
    EXPECT_EQ(KindOf(line), CallKind::In);
    const std::string remarked =
        test::CallLine({.name = "Number[777]", .number = "555", .type = "1", .remark = "seen"});
    EXPECT_EQ(KindOf(remarked), CallKind::Out);
    EXPECT_EQ(CallOf(remarked).number, "555");
    EXPECT_EQ(WholeRemark(remarked), "seen");
    // "NoId" is a group too, found as it is written.
    EXPECT_TRUE(RecordFilter{.group = "NoId"}.Matches(test::CallLine({.group = "NoId"})));
}

} // namespace
} // namespace mervadin
