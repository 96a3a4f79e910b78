#pragma once
// The 512-byte settings block that the device stores: Config.txt's values at
// fixed offsets, as one-, two- or three-byte numbers, BCD date and time,
// digit fields and text fields. Every byte not filled is 0.

#include "common/local_time.h"
#include "common/text_encoding.h"
#include "files/text_lines.h"
#include "settings/settings_file.h"

#include <array>
#include <cstdint>

namespace mervadin {

using SettingsBlock = std::array<std::uint8_t, 512>;

// Builds the block from the lines of a settings file (reads stop at the end
// marker, as they do in the file) and the date and time to stamp in it. Text
// fields are cut at a character boundary of `encoding`.
SettingsBlock BuildSettingsBlock(const Lines& config, const LocalTime& at,
                                 const TextEncoding& encoding = Utf8Encoding());
SettingsBlock BuildSettingsBlock(const SettingsIndex& config, const LocalTime& at,
                                 const TextEncoding& encoding = Utf8Encoding());

} // namespace mervadin
