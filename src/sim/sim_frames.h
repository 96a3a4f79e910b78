#pragma once
// How the simulated device reads the tool's frames and words its own: the
// command a frame opens with, the words it holds, and the frames it sends.

#include "frames/frame_templates.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace mervadin::sim {

// A data block frame: "velorn<", 512 bytes, the checksum tail.
inline constexpr std::size_t kBlockFrameBytes = 576;

inline std::string_view AsText(const std::vector<std::uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

inline bool HasWord(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

// The command word right after "velorn<".
bool OpensWith(std::string_view text, std::string_view word);
// A request, stop or exit frame.
bool IsCommandFrame(std::string_view text);

// A frame's payload of words and values, one after the other.
std::string Joined(std::initializer_list<std::string_view> parts);
// The frame that carries `payload`, its checksum filled in.
std::vector<std::uint8_t> FrameAround(std::string_view payload);
// The frame that carries a data block, its checksum filled in.
std::vector<std::uint8_t> BlockFrame(const DataBlock& block);

} // namespace mervadin::sim
