#pragma once
// Call list lines for tests, every field named: what is not given takes a
// plain value.

#include "records/call_record.h"
#include "records/remark_carry.h"

#include <initializer_list>
#include <string>

namespace mervadin::test {

struct Call {
    std::string group = "1";
    std::string name = "n";
    std::string number = "100";
    std::string type = "0";
    std::string date = "2026/1/1 1:2:3";
    std::string duration = "0:0:5";
    std::string remark = {}; // stored as the tool stores one: "Remark[note];"
};

// The line a call list keeps for `call`.
inline std::string CallLine(const Call& call) {
    std::string line =
        CallRecordLine({call.group, call.name, call.number, call.type, call.date, call.duration});
    if (!call.remark.empty())
        line.replace(line.size() - 1, 1, call.remark + "];");
    return line;
}

// The same ended by CR LF, as a list file holds it.
inline std::string ListLine(const Call& call) {
    return CallLine(call) + "\r\n";
}

// The lines of `calls` as a list file holds them, each ended by CR LF.
inline std::string ListText(std::initializer_list<Call> calls) {
    std::string text;
    for (const Call& call : calls)
        text += CallLine(call) + "\r\n";
    return text;
}

// A read's rebuild of both lists from the dump, in memory.
inline RebuiltLists SortAndCarry(const LineViews& dump, const LineViews& oldCallOut,
                                 const LineViews& oldCallIn) {
    RebuiltLists lists = SortByKind(dump);
    CarryRemarks(lists.callOut, oldCallOut);
    CarryRemarks(lists.callIn, oldCallIn);
    return lists;
}

} // namespace mervadin::test
