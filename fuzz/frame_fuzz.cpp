// Frame search and checksum verification on any bytes: both shapes, the
// fill and the verify agreeing with each other.

#include "fuzz_input.h"
#include "link/frame_codec.h"

#include <vector>

using namespace mervadin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzz::Bytes(data, size);
    for (const FrameShape shape : {FrameShape::Text, FrameShape::DataBlock}) {
        FrameComplete(bytes, shape);
        VerifyChecksum(bytes, shape);
        std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
        if (FillChecksum(copy, shape) != 0)
            FUZZ_CHECK(VerifyChecksum(copy, shape)); // a filled frame verifies
    }
    Search(bytes, "checksum:");
    ShortSearch(bytes, ">end");
    return 0;
}
