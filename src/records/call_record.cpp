#include "records/call_record.h"

#include "common/byte_search.h"
#include "records/record_texts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace mervadin {

namespace {

using namespace std::chrono;

// Digits up to the next character that is not one, at least one and at
// most `maxDigits`; moves `text` past them.
std::optional<unsigned> TakeNumber(std::string_view& text, std::size_t maxDigits) {
    std::size_t length = 0;
    while (length < text.size() && length < maxDigits + 1 && text[length] >= '0' &&
           text[length] <= '9')
        ++length;
    if (length == 0 || length > maxDigits)
        return std::nullopt;
    unsigned value = 0;
    std::from_chars(text.data(), text.data() + length, value);
    text.remove_prefix(length);
    return value;
}

bool TakeChar(std::string_view& text, std::string_view accepted) {
    if (text.empty() || accepted.find(text.front()) == std::string_view::npos)
        return false;
    text.remove_prefix(1);
    return true;
}

enum class Seconds { Required, Optional };

// "H:M:S" ("H:M" too where the seconds are optional); the hours take up to
// `hourDigits` digits.
std::optional<std::uint32_t> TakeClock(std::string_view& text, std::size_t hourDigits,
                                       Seconds seconds = Seconds::Required) {
    const auto h = TakeNumber(text, hourDigits);
    if (!h || !TakeChar(text, ":"))
        return std::nullopt;
    const auto m = TakeNumber(text, 2);
    if (!m || *m > 59)
        return std::nullopt;
    if (seconds == Seconds::Optional && text.empty())
        return *h * 3600 + *m * 60;
    if (!TakeChar(text, ":"))
        return std::nullopt;
    const auto s = TakeNumber(text, 2);
    if (!s || *s > 59)
        return std::nullopt;
    return *h * 3600 + *m * 60 + *s;
}

constexpr std::uint32_t kMaxGroup = 1000000;
constexpr unsigned kLastYear = 49;
constexpr unsigned kMaxDuration = 64800;

// Writes a record's line into a buffer long enough for any record, so that
// the line goes into its text with one append.
class LineWriter {
public:
    static constexpr std::size_t kCapacity = kMaxRecordLineLength; // ~130 used at most

    void Put(std::string_view text) {
        std::copy(text.begin(), text.end(), at_);
        at_ += text.size();
    }
    void Put(char c) { *at_++ = c; }
    void Number(unsigned value) { at_ = std::to_chars(at_, end(), value).ptr; }
    void Clock(unsigned seconds) {
        Number(seconds / 3600);
        Put(':');
        Number(seconds % 3600 / 60);
        Put(':');
        Number(seconds % 60);
    }
    std::string_view Text() const {
        return {line_.data(), static_cast<std::size_t>(at_ - line_.data())};
    }

private:
    char* end() { return line_.data() + line_.size(); }

    std::array<char, kCapacity> line_;
    char* at_ = line_.data();
};

// A name whose first byte is not printable ASCII (erased flash, a control
// byte) is shown as "NoName".
void PutName(LineWriter& out, record::View r) {
    const auto first = static_cast<std::int8_t>(r[0]);
    if (first < 0x20 || first > 0x7E) {
        out.Put("NoName");
        return;
    }
    // A line break in a later byte would split the line: a blank instead.
    for (const char c : record::Name(r))
        out.Put(c == '\r' || c == '\n' ? ' ' : c);
}

// Years past 2049 leave the date empty; the year is written as "20" and
// its number, as the device's own tool does.
void PutDate(LineWriter& out, record::View r) {
    const record::CallDate date = record::Date(r);
    if (date.year > kLastYear)
        return;
    out.Put("20");
    out.Number(date.year);
    out.Put('/');
    out.Number(date.month);
    out.Put('/');
    out.Number(date.day);
    out.Put(' ');
    out.Clock(date.second);
}

} // namespace

bool AppendCallRecord(std::string& out, record::View r) {
    char digits[record::kNumberDigits];
    const std::size_t digitCount = record::Digits(r, digits);
    if (digitCount == 0)
        return false;
    const std::uint32_t group = record::Group(r);
    const unsigned type = record::Type(r);
    const unsigned duration = record::Duration(r);
    LineWriter line;
    line.Put("Group[");
    if (group > kMaxGroup)
        line.Put("NoId");
    else
        line.Number(group);
    line.Put("],\tName[");
    PutName(line, r);
    line.Put("],\tNumber[");
    line.Put(std::string_view(digits, digitCount));
    line.Put("],\tType[");
    const char typeChar = type < 4 ? static_cast<char>('0' + type) : 'F';
    line.Put(typeChar);
    line.Put("],\tDate[");
    PutDate(line, r);
    line.Put("],\tDuration[");
    if (duration <= kMaxDuration)
        line.Clock(duration);
    line.Put("],\tRemark[]");
    out += line.Text();
    return true;
}

namespace {

constexpr std::array<std::string_view, kCallFields> kKeys = {
    "Group[", "Name[", "Number[", "Type[", "Date[", "Duration[", "Remark["};
// What stands between two fields: "]," TAB and the next field's key.
constexpr std::string_view kNameKey = "],\tName[";
constexpr std::string_view kNumberKey = "],\tNumber[";
constexpr std::string_view kTypeKey = "],\tType[";
constexpr std::string_view kDateKey = "],\tDate[";
constexpr std::string_view kDurationKey = "],\tDuration[";
constexpr std::string_view kRemarkKey = "],\tRemark[";

// Where the last `key` starts that lies wholly before `end`; npos when
// none. Every key begins with "]", which is compared first.
std::size_t LastKeyBefore(std::string_view line, std::size_t end, std::string_view key) {
    if (end < key.size())
        return std::string_view::npos;
    for (std::size_t at = end - key.size() + 1; at-- > 0;)
        if (line[at] == ']' && line.substr(at, key.size()) == key)
            return at;
    return std::string_view::npos;
}

// The date's key that follows the type's one character (or none): the one
// found last before `end`.
std::optional<std::pair<std::size_t, std::size_t>> TypeAndDateKeys(std::string_view line,
                                                                   std::size_t end) {
    // The one before a date's key found: it lies wholly before the found
    // key's last character.
    const auto earlier = [&](std::size_t date) {
        return LastKeyBefore(line, date + kDateKey.size() - 1, kDateKey);
    };
    for (std::size_t date = LastKeyBefore(line, end, kDateKey); date != std::string_view::npos;
         date = earlier(date)) {
        for (const std::size_t typeLength : {std::size_t{1}, std::size_t{0}})
            if (date >= kTypeKey.size() + typeLength &&
                line.substr(date - typeLength - kTypeKey.size(), kTypeKey.size()) == kTypeKey)
                return std::pair{date - typeLength - kTypeKey.size(), date};
    }
    return std::nullopt;
}

std::string_view Capped(std::string_view value) {
    return value.substr(0, kLineFieldRule.maxLength);
}

} // namespace

std::optional<CallField> CallFieldOf(std::string_view key) {
    const auto found = std::find(kKeys.begin(), kKeys.end(), key);
    if (found == kKeys.end())
        return std::nullopt;
    return static_cast<CallField>(found - kKeys.begin());
}

std::optional<CallLineFields> SplitCallLine(std::string_view line) {
    constexpr std::string_view kGroup = "Group[";
    constexpr auto npos = std::string_view::npos;
    if (!line.starts_with(kGroup))
        return std::nullopt;
    const std::size_t nameKey = line.find(kNameKey, kGroup.size());
    if (nameKey == npos)
        return std::nullopt;
    const std::size_t nameStart = nameKey + kNameKey.size();
    const std::size_t remark = LastKeyBefore(line, line.size(), kRemarkKey);
    if (remark == npos || remark < nameStart)
        return std::nullopt;
    const std::size_t duration = LastKeyBefore(line, remark, kDurationKey);
    if (duration == npos || duration < nameStart)
        return std::nullopt;
    const auto typeAndDate = TypeAndDateKeys(line, duration);
    if (!typeAndDate || typeAndDate->first < nameStart)
        return std::nullopt;
    const auto [type, date] = *typeAndDate;
    const std::size_t number = LastKeyBefore(line, type, kNumberKey);
    if (number == npos || number < nameStart)
        return std::nullopt;
    const auto between = [&](std::size_t from, std::size_t to) {
        return Capped(line.substr(from, to - from));
    };
    return CallLineFields{
        between(kGroup.size(), nameKey),
        between(nameStart, number),
        between(number + kNumberKey.size(), type),
        between(type + kTypeKey.size(), date),
        between(date + kDateKey.size(), duration),
        between(duration + kDurationKey.size(), remark),
        FieldViewAt(line, remark + kRemarkKey.size()),
    };
}

CallLineFields FieldViews(std::string_view line) {
    if (auto fields = SplitCallLine(line))
        return *fields;
    CallLineFields fields;
    for (std::size_t i = 0; i < kCallFields; ++i) {
        const auto end = ShortSearch(AsBytes(line), kKeys[i]);
        fields[i] = end ? FieldViewAt(line, *end + 1) : std::string_view();
    }
    return fields;
}

std::string_view FieldView(std::string_view line, std::string_view key) {
    if (const auto field = CallFieldOf(key))
        if (const auto fields = SplitCallLine(line))
            return (*fields)[static_cast<std::size_t>(*field)];
    const auto end = ShortSearch(AsBytes(line), key);
    if (!end)
        return {};
    return FieldViewAt(line, *end + 1);
}

std::string_view FieldViewAt(std::string_view line, std::size_t start) {
    return ValueAt(line, start, kLineFieldRule);
}

std::string FieldValue(std::string_view line, std::string_view key) {
    return std::string(FieldView(line, key));
}

std::string_view TypeName(std::string_view type) {
    if (type.size() == 1 && type[0] >= '0' && type[0] <= '4')
        return texts::records::kTypeNames[type[0] - '0'];
    return {};
}

std::string CallRecordLine(const CallFields& call) {
    std::string line = "Group[";
    line.append(call.group).append("],\tName[").append(call.name);
    line.append("],\tNumber[").append(call.number).append("],\tType[").append(call.type);
    line.append("],\tDate[").append(call.date).append("],\tDuration[").append(call.duration);
    line.append("],\tRemark[]");
    // No line can carry a line break: it would split the record in two.
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

std::string CleanRemark(std::string_view remark) {
    std::string clean(remark);
    for (char& c : clean) {
        if (c == ']')
            c = ')';
        else if (c == ';')
            c = ',';
        else if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    }
    return clean;
}

namespace {

// "Y<sep>M<sep>D" with a day that exists; moves `text` past it.
std::optional<year_month_day> TakeDate(std::string_view& text, std::string_view separators) {
    const auto y = TakeNumber(text, 4);
    if (!y || !TakeChar(text, separators))
        return std::nullopt;
    const auto m = TakeNumber(text, 2);
    if (!m || !TakeChar(text, separators))
        return std::nullopt;
    const auto d = TakeNumber(text, 2);
    if (!d)
        return std::nullopt;
    const year_month_day day{year(static_cast<int>(*y)), month(*m), std::chrono::day(*d)};
    return day.ok() ? std::optional(day) : std::nullopt;
}

} // namespace

std::optional<std::pair<year_month_day, seconds>> ParseCallDate(std::string_view text) {
    const auto day = TakeDate(text, "/-");
    if (!day || !TakeChar(text, " "))
        return std::nullopt;
    // A read writes the seconds; a call stored live has the device's own
    // form, without them.
    const auto time = TakeClock(text, 2, Seconds::Optional);
    if (!time || *time >= 24 * 3600 || !text.empty())
        return std::nullopt;
    return std::pair{*day, seconds(*time)};
}

std::optional<std::uint32_t> ParseDuration(std::string_view text) {
    const auto time = TakeClock(text, 5);
    return text.empty() ? time : std::nullopt;
}

std::optional<year_month_day> ParseDay(std::string_view text) {
    const auto day = TakeDate(text, "-/.");
    return text.empty() ? day : std::nullopt;
}

std::string DayText(year_month_day day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()),
                  static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
    return text;
}

} // namespace mervadin
