#include "numbers/number_packing.h"

#include "common/decimal.h"

#include <algorithm>

namespace mervadin {

namespace {

constexpr std::size_t kGroupChars = 6;

bool IsSeparator(char c) {
    return c == '\t' || c == ',';
}
bool EndsNumber(char c) {
    return c == '\0' || c == ',' || c == '\t' || c == '\r' || c == '\n';
}

struct Fields {
    std::string_view group, name, number;
    bool numberCut = false; // more than 13 characters before its end
};

Fields Split(std::string_view line) {
    Fields fields;
    const auto first = std::find_if(line.begin(), line.end(), IsSeparator);
    fields.group = line.substr(0, static_cast<std::size_t>(first - line.begin()));
    fields.group = fields.group.substr(0, kGroupChars);
    if (first == line.end())
        return fields;
    const std::string_view rest = line.substr(static_cast<std::size_t>(first - line.begin()) + 1);
    const auto second = std::find_if(rest.begin(), rest.end(), IsSeparator);
    fields.name = rest.substr(0, static_cast<std::size_t>(second - rest.begin()));
    if (second == rest.end())
        return fields;
    std::string_view number = rest.substr(static_cast<std::size_t>(second - rest.begin()) + 1);
    number = number.substr(
        0, static_cast<std::size_t>(std::find_if(number.begin(), number.end(), EndsNumber) -
                                    number.begin()));
    fields.numberCut = number.size() > record::kNumberDigits;
    fields.number = number.substr(0, record::kNumberDigits);
    return fields;
}

std::optional<std::uint32_t> Group(std::string_view text) {
    const auto value = ParseDecimal(text);
    if (!value)
        return std::nullopt;
    return static_cast<std::uint32_t>(*value) & record::kGroupMask;
}

// Collects the warnings of one kind.
class Tally {
public:
    Tally(std::string what, std::string brief) {
        warning_.what = std::move(what);
        warning_.brief = std::move(brief);
    }
    void Note(std::size_t line) {
        if (warning_.count++ < PackingWarning::kShownLines)
            warning_.lines.push_back(line);
    }
    void AddTo(std::vector<PackingWarning>& warnings) const {
        if (warning_.count > 0)
            warnings.push_back(warning_);
    }

private:
    PackingWarning warning_;
};

} // namespace

NumberListError::NumberListError(std::size_t line, const std::string& text)
    : std::runtime_error("line " + std::to_string(line) +
                         " of the number list has no number as "
                         "its group, nothing was sent: \"" +
                         text + "\""),
      line_(line) {}

std::string PackingWarning::Text() const {
    std::string text = "Warning: " + std::to_string(count) + (count == 1 ? " line " : " lines ") +
                       what + (lines.size() == 1 ? " (line " : " (lines ");
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i > 0 ? ", " : "") + std::to_string(lines[i]);
    if (count > lines.size())
        text += " and " + std::to_string(count - lines.size()) + " more";
    return text + ")";
}

std::string WarningsSummary(const std::vector<PackingWarning>& warnings) {
    std::string summary;
    for (const auto& warning : warnings)
        summary += (summary.empty() ? "Warnings: " : ", ") + warning.brief + " " +
                   std::to_string(warning.count);
    return summary;
}

std::optional<record::Record> PackNumberRecord(std::string_view line,
                                               const TextEncoding& encoding) {
    const Fields fields = Split(line);
    const auto group = Group(fields.group);
    if (!group)
        return std::nullopt;
    record::Record packed;
    packed.fill(0xFF);
    record::SetName(packed, fields.name.substr(0, encoding.Fit(fields.name, record::kNameBytes)));
    record::SetGroup(packed, *group);
    record::SetDigits(packed, fields.number);
    return packed;
}

PackedNumbers PackNumberList(const Lines& lines, const TextEncoding& encoding) {
    const std::size_t count = std::min(lines.size(), kMaxPackedLines);
    PackedNumbers packed;
    packed.blocks.resize((count + record::kPerBlock - 1) / record::kPerBlock);
    for (auto& block : packed.blocks)
        block.fill(0xFF);
    Tally notDigits("with a NUMBER that holds other characters than digits",
                    "numbers with other characters than digits");
    Tally longNumbers("with a NUMBER longer than 13 digits, cut at 13", "numbers cut at 13 digits");
    Tally longNames("with a NAME longer than 16 bytes, cut", "names cut");
    for (std::size_t i = 0; i < count; ++i) {
        const auto record = PackNumberRecord(lines[i], encoding);
        if (!record)
            throw NumberListError(i + 1, lines[i]);
        std::copy(record->begin(), record->end(),
                  packed.blocks[i / record::kPerBlock].begin() +
                      static_cast<std::ptrdiff_t>((i % record::kPerBlock) * record::kSize));
        const Fields fields = Split(lines[i]);
        if (!std::all_of(fields.number.begin(), fields.number.end(),
                         [](char c) { return c >= '0' && c <= '9'; }))
            notDigits.Note(i + 1);
        if (fields.numberCut)
            longNumbers.Note(i + 1);
        if (fields.name.size() > record::kNameBytes)
            longNames.Note(i + 1);
    }
    notDigits.AddTo(packed.warnings);
    longNumbers.AddTo(packed.warnings);
    longNames.AddTo(packed.warnings);
    return packed;
}

} // namespace mervadin
