// The number record packer on any list text: it packs or refuses the list
// with NumberListError, and never writes past its blocks.

#include "fuzz_input.h"
#include "numbers/number_packing.h"

using namespace mervadin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const PackedNumbers packed =
            PackNumberList(SplitLines(fuzz::Text(data, size)), Utf8Encoding());
        FUZZ_CHECK(packed.blocks.size() <= 563);
    } catch (const NumberListError&) {
    }
    return 0;
}
