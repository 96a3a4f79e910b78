#include "records/call_record.h"

#include "link/frame_codec.h"

#include <algorithm>
#include <array>

namespace mervadin {

namespace {

constexpr std::uint32_t kMaxGroup = 1000000;
constexpr int kLastYear = 49;
constexpr unsigned kMaxDuration = 64800;
constexpr std::size_t kMaxFieldLength = 126;

std::string Digits(std::span<const std::uint8_t, kRecordSize> r) {
    std::string digits;
    for (std::size_t i = 0; i < 13; ++i) {
        const std::size_t position = i + 1; // nibbles from byte 18's low half
        const std::uint8_t byte = r[18 + position / 2];
        const std::uint8_t nibble = position % 2 == 0 ? byte >> 4 : byte & 0x0F;
        if (nibble > 9)
            break;
        digits += static_cast<char>('0' + nibble);
    }
    return digits;
}

std::string Name(std::span<const std::uint8_t, kRecordSize> r) {
    const auto first = static_cast<std::int8_t>(r[0]);
    if (first < 0x20 || first > 0x7E)
        return "NoName";
    std::string name;
    for (std::size_t i = 0; i < 16 && r[i] != 0; ++i)
        name += static_cast<char>(r[i]);
    return name;
}

std::string Clock(unsigned seconds) {
    return std::to_string(seconds / 3600) + ":" + std::to_string(seconds % 3600 / 60) + ":" +
           std::to_string(seconds % 60);
}

std::string Date(std::span<const std::uint8_t, kRecordSize> r) {
    const int year = r[25] >> 1;
    if (year > kLastYear)
        return "";
    const int month = ((r[25] & 1) << 3) | (r[26] >> 5);
    const int day = r[26] & 0x1F;
    const unsigned time = ((unsigned{r[27]} << 16) | (unsigned{r[28]} << 8) | r[29]) >> 7;
    return "20" + std::to_string(year) + "/" + std::to_string(month) + "/" + std::to_string(day) +
           " " + Clock(time);
}

// Takes the characters after a tag in a live frame: the first always, then
// up to `max` until ";" or "]".
std::string LiveValue(std::span<const std::uint8_t> buffer, std::string_view tag, std::size_t max) {
    const std::size_t end = Search(buffer, tag);
    if (end == 0)
        return "";
    std::string value;
    for (std::size_t i = end + 1; i < buffer.size() && value.size() < max; ++i) {
        const char c = static_cast<char>(buffer[i]);
        if (!value.empty() && (c == ';' || c == ']'))
            break;
        value += c;
    }
    return value;
}

} // namespace

std::optional<std::string> DecodeCallRecord(std::span<const std::uint8_t, kRecordSize> r) {
    const std::string number = Digits(r);
    if (number.empty())
        return std::nullopt;
    const std::uint32_t group =
        ((std::uint32_t{r[16]} << 16) | (std::uint32_t{r[17]} << 8) | r[18]) >> 4;
    const int type = (r[29] >> 4) & 7;
    const unsigned duration = (unsigned{r[30]} << 8) | r[31];
    std::string line;
    line.reserve(96);
    line += "Group[" + (group > kMaxGroup ? std::string("NoId") : std::to_string(group)) + "],\t";
    line += "Name[" + Name(r) + "],\t";
    line += "Number[" + number + "],\t";
    line += "Type[" + (type < 4 ? std::to_string(type) : std::string("F")) + "],\t";
    line += "Date[" + Date(r) + "],\t";
    line += "Duration[" + (duration > kMaxDuration ? std::string() : Clock(duration)) + "],\t";
    line += "Remark[]";
    return line;
}

std::string FieldValue(std::string_view line, std::string_view key) {
    const std::size_t end = ShortSearch(AsBytes(line), key);
    if (end == 0)
        return "";
    const std::string_view rest = line.substr(end + 1);
    const std::size_t stop = rest.find_first_of(";]");
    return std::string(rest.substr(0, std::min<std::size_t>({stop, rest.size(), kMaxFieldLength})));
}

std::string_view TypeName(std::string_view type) {
    static constexpr std::array<std::string_view, 5> names = {
        "CallOutSuccessed", "CallOutFailed", "CallInAnswer", "CallInMissed", "CallOutManual"};
    if (type.size() == 1 && type[0] >= '0' && type[0] <= '4')
        return names[static_cast<std::size_t>(type[0] - '0')];
    return {};
}

char LiveRecordType(std::span<const std::uint8_t> buffer) {
    const std::size_t typeAt = Search(buffer, "Type:");
    return typeAt != 0 && typeAt + 1 < buffer.size() ? static_cast<char>(buffer[typeAt + 1]) : '\0';
}

std::string LiveRecordLine(std::span<const std::uint8_t> buffer) {
    const char typeChar = LiveRecordType(buffer);
    const std::string type = typeChar == '\0' ? "" : std::string(1, typeChar);
    return "Group[" + LiveValue(buffer, "Id:", 6) + "],\tName[" + LiveValue(buffer, "Name:", 16) +
           "],\tNumber[" + LiveValue(buffer, "Number:", 16) + "],\tType[" + type + "],\tDate[" +
           LiveValue(buffer, "Date:", 16) + "],\tDuration[" + LiveValue(buffer, "Duration:", 16) +
           "],\tRemark[]";
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

} // namespace mervadin
