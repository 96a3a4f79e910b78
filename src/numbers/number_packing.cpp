#include "numbers/number_packing.h"

#include "common/decimal.h"
#include "common/ui_text.h"
#include "files/file_read.h"
#include "numbers/number_fields.h"

#include <algorithm>

namespace mervadin {

namespace {

constexpr std::size_t kGroupChars = 6;

std::optional<std::uint32_t> Group(std::string_view text) {
    const auto value = ParseDecimal(text);
    if (!value)
        return std::nullopt;
    return static_cast<std::uint32_t>(*value) & record::kGroupMask;
}

// What of a NUMBER the record holds.
std::string_view PackedPart(std::string_view number) {
    return number.substr(0, record::kNumberDigits);
}

} // namespace

std::string PackedDigits(std::string_view number) {
    record::Record packed;
    packed.fill(0xFF);
    record::SetDigits(packed, PackedPart(number));
    char digits[record::kNumberDigits];
    return {digits, record::Digits(packed, digits)};
}

std::string PackedDigitsOfLine(std::string_view line) {
    return PackedDigits(SplitNumberLine(line).number);
}

BlockedNumbers::BlockedNumbers(const std::vector<std::string>& numbers) {
    for (const auto& number : numbers)
        if (auto digits = PackedDigits(number); !digits.empty())
            digits_.insert(std::move(digits));
}

bool BlockedNumbers::HoldsDigits(std::string_view digits) const {
    return !digits.empty() && digits_.find(digits) != digits_.end();
}

bool BlockedNumbers::HoldsLine(std::string_view line) const {
    return !digits_.empty() && HoldsDigits(PackedDigitsOfLine(line));
}

namespace {

constexpr const char* kNoGroup =
    UI_TEXT("line %1 of the number list has no number as its group, nothing was sent: \"%2\"");

std::string NoGroupMessage(const std::string& format, std::size_t line, const std::string& text) {
    return FillIn(format, {std::to_string(line), text});
}

} // namespace

NumberListError::NumberListError(std::size_t line, const std::string& text)
    : std::runtime_error(NoGroupMessage(kNoGroup, line, text)), line_(line), text_(text) {}

std::string NumberListError::Message(const Translate& translate) const {
    return NoGroupMessage(translate(kNoGroup), line_, text_);
}

std::optional<record::Record> PackNumberRecord(std::string_view line,
                                               const TextEncoding& encoding) {
    const NumberFields fields = SplitNumberLine(line);
    const auto group = Group(fields.group.substr(0, kGroupChars));
    if (!group)
        return std::nullopt;
    record::Record packed;
    packed.fill(0xFF);
    record::SetName(packed, fields.name.substr(0, encoding.Fit(fields.name, record::kNameBytes)));
    record::SetGroup(packed, *group);
    record::SetDigits(packed, PackedPart(fields.number));
    return packed;
}

PackedNumbers PackNumberList(const Lines& lines, const TextEncoding& encoding,
                             const BlockedNumbers& blocked, std::size_t totalLines) {
    const std::size_t count = std::min(lines.size(), kMaxPackedLines);
    totalLines = std::max(totalLines, lines.size());
    PackedNumbers packed;
    packed.findings = CheckNumberList(lines, count, blocked, totalLines);
    std::vector<bool> leftOut(count, false);
    for (const auto& finding : packed.findings)
        if (finding.fault == NumberFault::Blocked) {
            leftOut[finding.line - 1] = true;
            ++packed.blockedLines;
        }
    // A line left out is never packed: its GROUP stops nothing.
    for (const auto& finding : packed.findings)
        if (finding.fault == NumberFault::GroupNotNumber && !leftOut[finding.line - 1])
            throw NumberListError(finding.line, lines[finding.line - 1]);
    const std::size_t kept = count - packed.blockedLines;
    packed.blocks.resize((kept + record::kPerBlock - 1) / record::kPerBlock);
    for (auto& block : packed.blocks)
        block.fill(0xFF);
    std::size_t at = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (leftOut[i])
            continue;
        const auto record = PackNumberRecord(lines[i], encoding);
        std::copy(record->begin(), record->end(),
                  packed.blocks[at / record::kPerBlock].begin() +
                      static_cast<std::ptrdiff_t>((at % record::kPerBlock) * record::kSize));
        ++at;
    }
    packed.warnings = WarningsOf(packed.findings, false, totalLines);
    packed.totalLines = totalLines;
    return packed;
}

NumberListLines ReadNumberList(const std::filesystem::path& file) {
    const std::string text = ReadFileBytes(file);
    return {SplitLines(text, kMaxPackedLines), CountLines(text)};
}

} // namespace mervadin
