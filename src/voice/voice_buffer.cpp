#include "voice/voice_buffer.h"

#include "files/file_error.h"
#include "files/file_read.h"
#include "frames/frame_templates.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace mervadin {

std::vector<std::uint8_t>& VoiceBuffer::Bytes() {
    if (bytes_.empty())
        bytes_.assign(kCapacity, 0);
    return bytes_;
}

void VoiceBuffer::Load(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        throw FileReadError(file,
                            std::filesystem::exists(file, error) ? "not a file" : AbsentText(file));
    const auto length = std::filesystem::file_size(file, error);
    if (error)
        throw FileError(file, "cannot read its size: " + error.message());
    if (length > kCapacity)
        throw FileError(file, "larger than the 32 MiB the voice buffer holds (" +
                                  std::to_string(length) + " bytes)");
    // Read aside first: a failed read leaves the buffer as it was.
    std::vector<char> read(length);
    std::ifstream in(file, std::ios::binary);
    if (!in || !in.read(read.data(), static_cast<std::streamsize>(length)) ||
        in.gcount() != static_cast<std::streamsize>(length))
        throw FileReadError(file, std::string("cannot be read: ") + std::strerror(errno));
    std::copy(read.begin(), read.end(), Bytes().begin());
    size_ = static_cast<std::uint32_t>(length);
}

DataBlockView VoiceBuffer::Block(std::size_t index) {
    return DataBlockView(Bytes().data() + index * frames::kDataBlockSize, frames::kDataBlockSize);
}

} // namespace mervadin
