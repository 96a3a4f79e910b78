#pragma once
// The call record in its two forms: the 32-byte record the device keeps
// (frames/record_layout.h), and
// the line of text the tool keeps, seven fields
// "Group[..],\tName[..],\tNumber[..],\tType[..],\tDate[..],\tDuration[..],\tRemark[..]".

#include "frames/record_layout.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace mervadin {

// No record's line is longer than this.
inline constexpr std::size_t kMaxRecordLineLength = 256;

// Appends the line for one record to `out`; false, and nothing appended,
// when its number is empty (erased flash).
bool AppendCallRecord(std::string& out, record::View record);

// The seven fields of a call record line, each taken at its place: the
// tool writes them always in one order, "Group[..],\tName[..],\tNumber[..],
// \tType[..],\tDate[..],\tDuration[..],\tRemark[..]", so a name the device
// sent may hold anything (a field's key, "]", ";") without moving another
// field. The group ends at the first "],\tName[", the type is the one
// character between "],\tType[" and "],\tDate[" found last, the number and
// the duration end where those keys stand, the remark after the last
// "],\tRemark[" runs to its "]" (or ";"). Nothing for a line not of that
// shape (one edited by hand). Values keep at most 126 bytes, as the field
// rule reads them.
enum class CallField { Group, Name, Number, Type, Date, Duration, Remark };
inline constexpr std::size_t kCallFields = 7;
using CallLineFields = std::array<std::string_view, kCallFields>;
std::optional<CallLineFields> SplitCallLine(std::string_view line);
// The field of a key ("Group[" ... "Remark["); nothing for another text.
std::optional<CallField> CallFieldOf(std::string_view key);

// The value after `key` ("Number[", "Remark[", ...): in a line of the
// tool's own shape, the field at its place (SplitCallLine); in any other,
// by the field rule: the key must start in the first 200 characters, and
// the value runs to the first ";" or "]", at most 126 characters. Empty
// when the key is absent.
std::string FieldValue(std::string_view line, std::string_view key);
std::string_view FieldView(std::string_view line, std::string_view key);
// Every field of a line the same way.
CallLineFields FieldViews(std::string_view line);
// The value that starts at `start` (right after its key), read the same way.
std::string_view FieldViewAt(std::string_view line, std::size_t start);

// The name the grid shows for a "Type[" value: "CallOutSuccessed" for "0" ...
// "CallOutManual" for "4"; empty for anything else.
std::string_view TypeName(std::string_view type);

// A call's fields as text, in the order of the line.
struct CallFields {
    std::string_view group, name, number, type, date, duration;
};
// The line the lists keep for a call (its remark empty), as a live record
// is stored. A line break in a field, which no line can carry, is stored as
// a blank.
std::string CallRecordLine(const CallFields& call);

// Characters that would break a line's fields ("]", ";", tabs, line breaks)
// replaced, so a remark reads back as it was stored.
std::string CleanRemark(std::string_view remark);

// "2026/1/2 3:4:5" as a read writes it, or "2026/12/08 17:11" as a call
// stored live has it (the seconds left out), "-" between the date's parts
// too; nothing for anything else or a day that does not exist.
std::optional<std::pair<std::chrono::year_month_day, std::chrono::seconds>> ParseCallDate(
    std::string_view text);
// "H:M:S" with minutes and seconds below 60.
std::optional<std::uint32_t> ParseDuration(std::string_view text);
// "YYYY-MM-DD" (or with "/" or "." between), for the range.
std::optional<std::chrono::year_month_day> ParseDay(std::string_view text);
std::string DayText(std::chrono::year_month_day day); // "2026-01-02"

} // namespace mervadin
