// The call record decoder and the list rebuild on any bytes: the input is
// a block table's start, then (after a 0xFF 0x00 pair) the old lists.

#include "fuzz_input.h"
#include "records/call_record.h"
#include "records/read_storage.h"
#include "records/remark_carry.h"
#include "support/call_lines.h"

#include <algorithm>

using namespace mervadin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = fuzz::Text(data, size);
    const auto split = text.find("\xFF\x00", 0, 2);
    const auto table = fuzz::Bytes(data, split == std::string_view::npos ? size : split);
    const std::string_view old = split == std::string_view::npos ? "" : text.substr(split + 2);

    const std::string dump = DumpText(table);
    const LineViews dumpLines = SplitLineViews(dump);
    const auto half = old.size() / 2;
    const LineViews oldOut = SplitLineViews(old.substr(0, half));
    const LineViews oldIn = SplitLineViews(old.substr(half));
    const RebuiltLists lists = test::SortAndCarry(dumpLines, oldOut, oldIn);
    FUZZ_CHECK(lists.callOut.size() + lists.callIn.size() <= dumpLines.size());
    for (const auto line : oldOut) {
        FieldView(line, "Number[");
        CleanRemark(FieldValue(line, "Remark["));
        TypeName(FieldView(line, "Type["));
    }
    return 0;
}
