// The status decoder and the live record capture on any frame bytes.

#include "fuzz_input.h"
#include "monitor/status_decoder.h"
#include "records/call_record.h"

using namespace mervadin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzz::Bytes(data, size);
    DecodeStatus(bytes);
    TagValue(bytes, "Signal:");
    ModelsNamed(bytes, "");
    const std::string line = DecodeLiveRecord(bytes).line;
    FUZZ_CHECK(line.rfind("Group[", 0) == 0);
    // A fresh record has no remark, unless a value the device sent holds
    // "Remark[" itself (the first one is the field then).
    if (line.find("Remark[") == line.rfind("Remark["))
        FUZZ_CHECK(FieldValue(line, "Remark[").empty());
    return 0;
}
