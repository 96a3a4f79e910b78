#include "numbers/number_check.h"

#include "common/decimal.h"
#include "common/ui_text.h"
#include "frames/record_layout.h"
#include "numbers/number_fields.h"
#include "numbers/number_packing.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace mervadin {

namespace {

// The packing reads a GROUP's first six characters.
constexpr std::size_t kGroupChars = 6;

struct FaultTexts {
    const char* what;    // after "n lines "
    const char* one;     // in the summary, for one finding ("%1 name cut")
    const char* many;    // in the summary, for more ("%1 names cut")
    const char* finding; // after "line n: "
};

FaultTexts TextsOf(NumberFault fault) {
    switch (fault) {
    case NumberFault::NotDialable:
        return {UI_TEXT("with a NUMBER that holds other characters than digits"),
                UI_TEXT("%1 number with other characters than digits"),
                UI_TEXT("%1 numbers with other characters than digits"),
                UI_TEXT("the NUMBER holds other characters than digits")};
    case NumberFault::LongNumber:
        return {UI_TEXT("with a NUMBER longer than 13 digits, cut at 13"),
                UI_TEXT("%1 number cut at 13 digits"), UI_TEXT("%1 numbers cut at 13 digits"),
                UI_TEXT("the NUMBER is longer than 13 digits (cut at 13)")};
    case NumberFault::LongName:
        return {UI_TEXT("with a NAME longer than 16 bytes, cut"), UI_TEXT("%1 name cut"),
                UI_TEXT("%1 names cut"), UI_TEXT("the NAME is longer than 16 bytes (cut)")};
    case NumberFault::EmptyNumber:
        return {UI_TEXT("with no NUMBER"), UI_TEXT("%1 empty number"), UI_TEXT("%1 empty numbers"),
                UI_TEXT("the NUMBER is empty")};
    case NumberFault::EmptyName:
        return {UI_TEXT("with no NAME"), UI_TEXT("%1 empty name"), UI_TEXT("%1 empty names"),
                UI_TEXT("the NAME is empty")};
    case NumberFault::GroupOutOfRange:
        return {UI_TEXT("with a GROUP outside 0 to 999999"), UI_TEXT("%1 group out of range"),
                UI_TEXT("%1 groups out of range"), UI_TEXT("the GROUP is outside 0 to 999999")};
    case NumberFault::HoldsNul:
        return {UI_TEXT("with a NUL byte, where the device ends the NAME or NUMBER"),
                UI_TEXT("%1 line with a NUL byte"), UI_TEXT("%1 lines with a NUL byte"),
                UI_TEXT("the line holds a NUL byte: the device ends the NAME or NUMBER there")};
    case NumberFault::TextAfterNumber:
        return {UI_TEXT("with text after the NUMBER (a third field), not sent"),
                UI_TEXT("%1 third field"), UI_TEXT("%1 third fields"),
                UI_TEXT("text after the NUMBER (a third field) is not sent")};
    case NumberFault::ControlInName:
        return {UI_TEXT("with a control character in the NAME"),
                UI_TEXT("%1 name with a control character"),
                UI_TEXT("%1 names with a control character"),
                UI_TEXT("the NAME holds a control character, which call records cannot show "
                        "as it is")};
    case NumberFault::BeyondCapacity:
        return {UI_TEXT("beyond the 9000 numbers the device holds (only the first 9008 lines "
                        "are sent)"),
                UI_TEXT("%1 line beyond 9000"), UI_TEXT("%1 lines beyond 9000"),
                UI_TEXT("the list is longer than the 9000 numbers the device holds (only its "
                        "first 9008 lines are sent)")};
    case NumberFault::Duplicate:
        return {UI_TEXT("with a NUMBER an earlier line holds"), UI_TEXT("%1 duplicate number"),
                UI_TEXT("%1 duplicate numbers"), UI_TEXT("the NUMBER is also on line ")};
    case NumberFault::Blocked:
        return {UI_TEXT("with a NUMBER never to call (BlockList.txt), left out"),
                UI_TEXT("%1 number never to call"), UI_TEXT("%1 numbers never to call"),
                UI_TEXT("the NUMBER is never to be called (BlockList.txt), left out: ")};
    case NumberFault::GroupNotNumber:
        break;
    }
    return {UI_TEXT("whose GROUP is not a number"), UI_TEXT("%1 group not a number"),
            UI_TEXT("%1 groups not numbers"),
            UI_TEXT("the GROUP is not a number (the list cannot be written)")};
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The faults of one line but duplicates, in the order of NumberFault.
void CheckFields(const NumberFields& fields, std::size_t line, std::vector<NumberFinding>& out) {
    const auto note = [&](NumberFault fault) { out.push_back({line, fault}); };
    const std::string_view number = fields.number;
    const std::string_view sent = number.substr(0, record::kNumberDigits);
    if (!std::all_of(sent.begin(), sent.end(), IsDigit))
        note(NumberFault::NotDialable);
    if (number.size() > record::kNumberDigits)
        note(NumberFault::LongNumber);
    if (fields.name.size() > record::kNameBytes)
        note(NumberFault::LongName);
    if (number.empty())
        note(NumberFault::EmptyNumber);
    if (fields.name.empty())
        note(NumberFault::EmptyName);
    const auto group = ParseDecimal(fields.group.substr(0, kGroupChars));
    if (group && (*group < 0 || fields.group.size() > kGroupChars))
        note(NumberFault::GroupOutOfRange);
    const std::string_view tail = fields.tail;
    if (fields.name.find('\0') != std::string_view::npos || tail.starts_with('\0'))
        note(NumberFault::HoldsNul);
    if (!tail.empty() && tail.front() != '\0')
        note(NumberFault::TextAfterNumber);
    if (std::any_of(fields.name.begin(), fields.name.end(), [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return (byte > 0 && byte < 0x20) || byte == 0x7F;
        }))
        note(NumberFault::ControlInName);
    if (!group)
        note(NumberFault::GroupNotNumber);
}

} // namespace

const char* NumberFinding::Fault() const {
    return TextsOf(fault).finding;
}

std::string NumberFinding::Text(const Translate& translate) const {
    std::string text =
        FillIn(translate(UI_TEXT("line %1: ")), {std::to_string(line)}) + translate(Fault());
    if (fault == NumberFault::Duplicate)
        text += std::to_string(sameAs);
    if (fault == NumberFault::Blocked)
        text += number;
    return text;
}

std::vector<NumberFinding> CheckNumberList(const Lines& lines, std::size_t count,
                                           std::size_t totalLines) {
    return CheckNumberList(lines, count, BlockedNumbers(), totalLines);
}

std::vector<NumberFinding> CheckNumberList(const Lines& lines, std::size_t count,
                                           const BlockedNumbers& blocked, std::size_t totalLines) {
    count = std::min(count, lines.size());
    const bool beyond = std::max(totalLines, lines.size()) > kDeviceNumbers;
    std::vector<NumberFinding> findings;
    std::unordered_map<std::string_view, std::size_t> firstLineOf;
    firstLineOf.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (beyond && i == kDeviceNumbers)
            findings.push_back({i + 1, NumberFault::BeyondCapacity});
        const NumberFields fields = SplitNumberLine(lines[i]);
        const std::size_t start = findings.size();
        CheckFields(fields, i + 1, findings);
        // Before a GROUP that is not a number, in the order of NumberFault.
        const auto beforeGroup = [&](NumberFinding finding) {
            const auto at = std::find_if(
                findings.begin() + static_cast<std::ptrdiff_t>(start), findings.end(),
                [](const NumberFinding& f) { return f.fault == NumberFault::GroupNotNumber; });
            findings.insert(at, std::move(finding));
        };
        if (fields.number.empty())
            continue;
        const auto [first, isNew] = firstLineOf.emplace(fields.number, i + 1);
        if (!isNew)
            beforeGroup({i + 1, NumberFault::Duplicate, first->second});
        if (!blocked.Empty()) {
            std::string digits = PackedDigits(fields.number);
            if (blocked.HoldsDigits(digits))
                beforeGroup({i + 1, NumberFault::Blocked, 0, std::move(digits)});
        }
    }
    if (beyond && count <= kDeviceNumbers)
        findings.push_back({kDeviceNumbers + 1, NumberFault::BeyondCapacity});
    return findings;
}

std::string PackingWarning::Text(const Translate& translate) const {
    std::string shown;
    for (std::size_t i = 0; i < lines.size(); ++i)
        shown += (i > 0 ? ", " : "") + std::to_string(lines[i]);
    if (count > lines.size())
        shown += FillIn(translate(UI_TEXT(" and %1 more")), {std::to_string(count - lines.size())});
    const char* format = count == 1 ? UI_TEXT("Warning: %1 line %2 (line %3)")
                                    : UI_TEXT("Warning: %1 lines %2 (lines %3)");
    return FillIn(translate(format), {std::to_string(count), translate(what.c_str()), shown});
}

std::vector<PackingWarning> WarningsOf(const std::vector<NumberFinding>& findings,
                                       bool withGroupErrors, std::size_t totalLines) {
    const auto kKinds =
        static_cast<std::size_t>(NumberFault::GroupNotNumber) + (withGroupErrors ? 1 : 0);
    std::vector<PackingWarning> byKind(kKinds);
    for (std::size_t kind = 0; kind < kKinds; ++kind) {
        const FaultTexts texts = TextsOf(static_cast<NumberFault>(kind));
        byKind[kind].what = texts.what;
        byKind[kind].one = texts.one;
        byKind[kind].many = texts.many;
    }
    for (const auto& finding : findings) {
        const auto kind = static_cast<std::size_t>(finding.fault);
        if (kind >= kKinds)
            continue;
        PackingWarning& warning = byKind[kind];
        if (warning.count < PackingWarning::kShownLines)
            warning.lines.push_back(finding.line);
        // The lines beyond the device's numbers are one finding, at the first.
        warning.count += finding.fault == NumberFault::BeyondCapacity && totalLines > kDeviceNumbers
                             ? totalLines - kDeviceNumbers
                             : 1;
    }
    std::erase_if(byKind, [](const PackingWarning& w) { return w.count == 0; });
    return byKind;
}

std::string FindingsSummary(const std::vector<NumberFinding>& findings, const Translate& translate,
                            std::size_t totalLines) {
    if (findings.empty())
        return {};
    std::string kinds;
    std::size_t total = 0;
    for (const auto& kind : WarningsOf(findings, true, totalLines)) {
        kinds +=
            (kinds.empty() ? "" : ", ") +
            FillIn(translate(kind.count == 1 ? kind.one : kind.many), {std::to_string(kind.count)});
        total += kind.count;
    }
    const char* format = total == 1 ? UI_TEXT("%1 finding: %2") : UI_TEXT("%1 findings: %2");
    return FillIn(translate(format), {std::to_string(total), kinds});
}

} // namespace mervadin
