#include "frames/record_layout.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

// Every field reads back what was written, none disturbs another (the date's
// last bit and the type share byte 29, the group's last nibble and the first
// digit byte 18), and the bytes are where the device has them.
TEST(RecordLayout, FieldsReadBackAndKeepToTheirBits) {
    record::Record r;
    r.fill(0xFF);
    record::SetName(r, "Alice");
    record::SetGroup(r, 0xABCDE);
    record::SetDigits(r, "13800138000");
    EXPECT_EQ(record::Name(r), "Alice");
    EXPECT_EQ(r[5], 0x00); // a zero byte ends the shorter name
    EXPECT_EQ(r[6], 0xFF); // the rest stays as it was
    EXPECT_EQ(record::Group(r), 0xABCDEu);
    EXPECT_EQ(r[16], 0xAB);
    EXPECT_EQ(r[17], 0xCD);
    EXPECT_EQ(r[18], 0xE1); // the group's last nibble, then the first digit
    EXPECT_EQ(r[19], 0x38);
    EXPECT_EQ(r[23], 0x00); // the last two digits
    EXPECT_EQ(r[24], 0xFF); // 0xF after the eleventh
    char digits[record::kNumberDigits];
    EXPECT_EQ(std::string(digits, record::Digits(r, digits)), "13800138000");
    EXPECT_EQ(r[25], 0xFF); // a number record ends there

    record::SetDate(r, {26, 12, 31, 86399});
    record::SetType(r, 3);
    record::SetDuration(r, 0x1234);
    record::SetDate(r, {26, 12, 31, 86399}); // again: the type stays
    EXPECT_EQ(record::Type(r), 3u);
    const record::CallDate date = record::Date(r);
    EXPECT_EQ(date.year, 26u);
    EXPECT_EQ(date.month, 12u);
    EXPECT_EQ(date.day, 31u);
    EXPECT_EQ(date.second, 86399u);
    EXPECT_EQ(record::Duration(r), 0x1234u);
    EXPECT_EQ(r[30], 0x12);
    EXPECT_EQ(record::Group(r), 0xABCDEu);

    // A 16-byte name has no zero after it; a read back of erased flash stops
    // at 0xFF when told to.
    record::SetName(r, "ABCDEFGHIJKLMNOPQ");
    EXPECT_EQ(record::Name(r), "ABCDEFGHIJKLMNOP");
    record::Record erased;
    erased.fill(0xFF);
    EXPECT_EQ(record::Name(erased, 0xFF), "");
    EXPECT_EQ(record::Digits(erased, digits), 0u);
}

} // namespace
} // namespace mervadin
