#pragma once
// What a number list holds that will not reach the device as it reads: the
// one rule behind the number write's warnings, the list editor's "Check"
// and mervadin-cli check-numbers.

#include "common/ui_text.h"
#include "files/text_lines.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace mervadin {

// In the order the write's warnings name them.
enum class NumberFault {
    NotDialable,     // the NUMBER holds other characters than digits
    LongNumber,      // more than 13 digits: cut at 13
    LongName,        // more than 16 bytes: cut
    EmptyNumber,     // nothing to dial
    EmptyName,       // nothing to show
    GroupOutOfRange, // negative, or longer than the six characters read
    HoldsNul,        // a NUL byte ends the NAME or the NUMBER on the device
    TextAfterNumber, // a third separator: what follows the NUMBER is not sent
    ControlInName,   // a control character: call records cannot show it as it is
    BeyondCapacity,  // line 9001 of a longer list: more than the device holds
    Duplicate,       // the NUMBER of an earlier line
    Blocked,         // a number never to call: left out of the write
    GroupNotNumber,  // the list cannot be written at all
};

// The numbers the device holds; a list longer than this is told of once,
// at its line 9001.
inline constexpr std::size_t kDeviceNumbers = 9000;

struct NumberFinding {
    std::size_t line = 0; // counted from 1
    NumberFault fault = NumberFault::NotDialable;
    std::size_t sameAs = 0;  // a Duplicate's earlier line
    std::string number = {}; // a Blocked line's packed digits
    // "line 4: the NAME is longer than 16 bytes (cut)".
    std::string Text(const Translate& translate = AsWritten) const;
    // What is wrong: "the NAME is longer than 16 bytes (cut)"; a duplicate's
    // ends "also on line " and wants sameAs after it, a blocked one's wants
    // the number.
    const char* Fault() const;
    bool operator==(const NumberFinding&) const = default;
};

class BlockedNumbers;

// Every fault of the first `count` lines, line by line (a line's faults in
// the order of NumberFault). NAME is measured in bytes, as stored. A list of
// more than 9000 lines (`totalLines` when `lines` holds only its start) is
// told of once, before line 9001's own faults. A line whose NUMBER is one of
// `blocked` is a finding too.
std::vector<NumberFinding> CheckNumberList(const Lines& lines, std::size_t count = SIZE_MAX,
                                           std::size_t totalLines = 0);
std::vector<NumberFinding> CheckNumberList(const Lines& lines, std::size_t count,
                                           const BlockedNumbers& blocked,
                                           std::size_t totalLines = 0);

// Lines that will not reach the device as they read: one kind each, with
// how many lines and the first of them (counted from 1).
struct PackingWarning {
    std::string what;           // "with a NAME longer than 16 bytes, cut"
    const char* one = nullptr;  // "%1 name cut"
    const char* many = nullptr; // "%1 names cut"
    std::size_t count = 0;
    std::vector<std::size_t> lines; // the first kShownLines of them
    static constexpr std::size_t kShownLines = 10;
    // "Warning: 2 lines with ..., cut (lines 3, 9)".
    std::string Text(const Translate& translate = AsWritten) const;
};

// The write's warnings for `findings`, a kind at a time in the order of
// NumberFault; the lines beyond the device's 9000 are counted from
// `totalLines`. For the write a GROUP that is not a number is an error, not
// a warning: it is counted only `withGroupErrors`.
std::vector<PackingWarning> WarningsOf(const std::vector<NumberFinding>& findings,
                                       bool withGroupErrors = false, std::size_t totalLines = 0);

// One line that counts the findings, kind by kind in the order of
// NumberFault: "6 findings: 2 duplicate numbers, 3 names cut, 1 empty
// name"; empty without findings. The lines beyond the device's 9000 count
// one each, from `totalLines`.
std::string FindingsSummary(const std::vector<NumberFinding>& findings,
                            const Translate& translate = AsWritten, std::size_t totalLines = 0);

} // namespace mervadin
