// Frame search and checksum verification on any bytes: both shapes, the
// fill and the verify agreeing with each other.

#include "frames/frame_codec.h"
#include "fuzz_input.h"

#include <vector>

using namespace mervadin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzz::Bytes(data, size);
    for (const FrameShape shape : {FrameShape::Text, FrameShape::DataBlock}) {
        FrameComplete(bytes, shape);
        VerifyChecksum(bytes, shape);
        std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
        // A frame whose checksum tag follows its opening verifies once
        // filled (a tag before the opening may have its digits written over
        // the opening: such a frame is no frame the tool builds).
        const auto opening = Search(bytes, "velorn<");
        const std::size_t colon = FillChecksum(copy, shape);
        if (opening && colon != 0 && colon > *opening)
            FUZZ_CHECK(VerifyChecksum(copy, shape));
    }
    Search(bytes, "checksum:");
    ShortSearch(bytes, ">end");
    return 0;
}
