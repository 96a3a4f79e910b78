#pragma once
// The voice prompt as the tool holds it between loading and writing: one
// buffer of 32 MiB, kept by the program for the whole run, allocated when
// first used and never cleared, and the size of the last file loaded. A shorter file loaded after
// a longer one leaves the longer one's bytes behind it, and the last block
// of a write carries them, as the device has always received them.

#include "frames/frame_templates.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace mervadin {

class VoiceBuffer {
public:
    static constexpr std::size_t kCapacity = 33554432;

    // Replaces the first bytes by the file's; the size becomes its length.
    // A file that is missing, not a regular file, unreadable or larger than
    // the buffer is refused with a FileError, and nothing changes.
    void Load(const std::filesystem::path& file);

    // ceil(size / 512).
    std::size_t BlockCount() const { return (size_ + 511) / 512; }
    DataBlockView Block(std::size_t index);

private:
    std::vector<std::uint8_t>& Bytes();

    std::vector<std::uint8_t> bytes_;
    std::uint32_t size_ = 0;
};

} // namespace mervadin
