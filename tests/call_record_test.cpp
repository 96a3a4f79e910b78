#include "records/call_record.h"
#include "sim/record_codec.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace mervadin {
namespace {

using Record = std::array<std::uint8_t, 32>;

Record Office() {
    Record r{};
    const std::string name = "Office";
    std::copy(name.begin(), name.end(), r.begin());
    const std::uint8_t tail[] = {0x00, 0x00, 0xC5, 0x55, 0x01, 0x96, 0xFF, 0xFF,
                                 0xFF, 0x2A, 0x65, 0x40, 0x1B, 0x80, 0x00, 0x41};
    std::copy(std::begin(tail), std::end(tail), r.begin() + 16);
    return r;
}

// The line a read stores for one record, or nothing for an erased one.
std::optional<std::string> DecodeCallRecord(record::View r) {
    std::string line;
    if (!AppendCallRecord(line, r))
        return std::nullopt;
    return line;
}

std::string Decode(const Record& r) {
    return DecodeCallRecord(r).value_or("<none>");
}

TEST(CallRecord, TheWorkedExample) {
    EXPECT_EQ(Decode(Office()), "Group[12],\tName[Office],\tNumber[5550196],\tType[0],\t"
                                "Date[2021/3/5 9:7:3],\tDuration[0:1:5],\tRemark[]");
    Record erased;
    erased.fill(0xFF);
    EXPECT_FALSE(DecodeCallRecord(erased).has_value());
}

TEST(CallRecord, OutOfRangeValuesTurnIntoFixedTexts) {
    sim::CallRecord base{1000000, "A", "1234567890123", 2, 49, 12, 31, 86399, 64800};
    auto line = Decode(sim::EncodeCallRecord(base));
    EXPECT_NE(line.find("Group[1000000],\t"), std::string::npos) << line;
    EXPECT_NE(line.find("Number[1234567890123],\t"), std::string::npos);
    EXPECT_NE(line.find("Date[2049/12/31 23:59:59],\t"), std::string::npos);
    EXPECT_NE(line.find("Duration[18:0:0],\t"), std::string::npos);
    EXPECT_NE(line.find("Type[2]"), std::string::npos);

    auto other = base;
    other.group = 1000001;
    other.year = 50;
    other.duration = 64801;
    other.type = 5;
    line = Decode(sim::EncodeCallRecord(other));
    EXPECT_EQ(line, "Group[NoId],\tName[A],\tNumber[1234567890123],\tType[F],\tDate[],\t"
                    "Duration[],\tRemark[]");
    other.group = 0xFFFFF;
    EXPECT_NE(Decode(sim::EncodeCallRecord(other)).find("Group[NoId]"), std::string::npos);
    other.year = 5;
    EXPECT_NE(Decode(sim::EncodeCallRecord(other)).find("Date[205/"), std::string::npos);
}

TEST(CallRecord, OnlyTheNamesFirstByteIsTested) {
    auto named = [](std::string name) {
        Record r = Office();
        std::fill(r.begin(), r.begin() + 16, 0);
        std::copy(name.begin(), name.end(), r.begin());
        return FieldValue(Decode(r), "Name[");
    };
    EXPECT_EQ(named(" lead"), " lead");
    EXPECT_EQ(named("\x7F"
                    "abc"),
              "NoName");
    EXPECT_EQ(named("\x1F"
                    "abc"),
              "NoName");
    EXPECT_EQ(named("\x80"
                    "abc"),
              "NoName");
    EXPECT_EQ(named("a\x80"
                    "bc"),
              "a\x80"
              "bc");
    EXPECT_EQ(named("0123456789ABCDEF"), "0123456789ABCDEF"); // 16 bytes, no zero
}

TEST(CallRecord, FieldRule) {
    const std::string line = "Group[7],\tName[x;y],\tNumber[12],\tRemark[abc];";
    EXPECT_EQ(FieldValue(line, "Group["), "7");
    EXPECT_EQ(FieldValue(line, "Name["), "x");
    EXPECT_EQ(FieldValue(line, "Remark["), "abc");
    EXPECT_EQ(FieldValue(line, "Type["), "");
    EXPECT_EQ(FieldValue(std::string(200, ' ') + "Remark[late]", "Remark["), "");
    EXPECT_EQ(FieldValue(std::string(193, ' ') + "Remark[late]", "Remark["), "late");
    EXPECT_EQ(FieldValue("Remark[" + std::string(300, 'r'), "Remark[").size(), 126u);

    EXPECT_EQ(TypeName("0"), "CallOutSuccessed");
    EXPECT_EQ(TypeName("4"), "CallOutManual");
    EXPECT_EQ(TypeName("F"), "");
    EXPECT_EQ(TypeName(""), "");
    EXPECT_EQ(TypeName("01"), "");
}

TEST(CallRecord, RecordLinesAndCleanRemarks) {
    EXPECT_EQ(CallRecordLine({"1", "Ann", "42", "0", "2026/1/2 3:4:5", "0:0:9"}),
              "Group[1],\tName[Ann],\tNumber[42],\tType[0],\tDate[2026/1/2 3:4:5],\t"
              "Duration[0:0:9],\tRemark[]");
    EXPECT_EQ(CleanRemark("a]b;c\td\re\nf"), "a)b,c d e f");
}

// A name can hold anything the device can store: a field's key, "]", ";",
// the separator itself. Every field of the line is read at its place, so
// the record reads back with its own type, number, group and date; a line
// break, which no line can carry, is stored as a blank.
TEST(CallRecord, ANameCannotBreakItsRecord) {
    for (const std::string name :
         {"Type[3]", "Number[555]", "Date[2020/5/5", "a]b", "x;y];", "],\tNumber[9",
          "],\tType[2],\tDat", "A\r\nGroup[9],\tN", "Remark[z];", "Group[9]"}) {
        const sim::CallRecord call{4, name, "13800", 2, 26, 3, 7, 3600, 65};
        const auto line = DecodeCallRecord(sim::EncodeCallRecord(call));
        ASSERT_TRUE(line.has_value()) << name;
        EXPECT_EQ(line->find_first_of("\r\n"), std::string::npos) << *line;
        const auto fields = SplitCallLine(*line);
        ASSERT_TRUE(fields.has_value()) << *line;
        std::string stored = name;
        std::replace_if(
            stored.begin(), stored.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        EXPECT_EQ(*fields,
                  (CallLineFields{"4", stored, "13800", "2", "2026/3/7 1:0:0", "0:1:5", ""}))
            << *line;
        EXPECT_EQ(FieldView(*line, "Number["), "13800") << *line;
        EXPECT_EQ(FieldView(*line, "Type["), "2") << *line;
        EXPECT_EQ(FieldView(*line, "Group["), "4") << *line;
    }
    // A call stored live keeps its own fields too, whatever the device sent
    // in them; a remark written later stays the remark.
    const std::string live =
        CallRecordLine({"7", "n\r\nx", "],\tType[0", "3", "2026/12/08 17:11", "0:0:5"});
    EXPECT_EQ(live.find_first_of("\r\n"), std::string::npos);
    auto fields = SplitCallLine(live);
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ((*fields)[1], "n  x");
    EXPECT_EQ((*fields)[2], "],\tType[0");
    EXPECT_EQ((*fields)[3], "3");
    const std::string remarked = live.substr(0, live.size() - 1) + "note];";
    EXPECT_EQ(FieldView(remarked, "Remark["), "note");
    // A line of another shape (edited by hand) is read by the field rule.
    EXPECT_FALSE(SplitCallLine("Name[x],\tNumber[1],\tRemark[r]").has_value());
    EXPECT_EQ(FieldView("Name[x],\tNumber[1],\tRemark[r]", "Number["), "1");
}

} // namespace
} // namespace mervadin
