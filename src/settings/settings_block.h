#pragma once
// The 512-byte settings block that the device stores: Config.txt's values at
// fixed offsets, as one-, two- or three-byte numbers, BCD date and time,
// digit fields and text fields. Every byte not filled is 0.

#include "common/local_time.h"
#include "common/text_encoding.h"
#include "common/ui_text.h"
#include "files/text_lines.h"
#include "frames/frame_templates.h"
#include "settings/settings_file.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace mervadin {

// Builds the block from the lines of a settings file (reads stop at the end
// marker, as they do in the file) and the date and time to stamp in it. Text
// fields are cut at a character boundary of `encoding`.
DataBlock BuildSettingsBlock(const Lines& config, const LocalTime& at,
                             const TextEncoding& encoding);
DataBlock BuildSettingsBlock(const SettingsIndex& config, const LocalTime& at,
                             const TextEncoding& encoding);

// The keys of number fields whose value is neither empty nor a decimal
// integer (the block would hold 0 for them), and the host number's when it
// holds more than 16 characters or one that is not a digit (the block
// holds each as the low four bits of its code), each once, in block order.
std::vector<std::string> SettingsNotNumbers(const SettingsIndex& config);

// How the refusal names a field: by the label the settings editor shows it
// with (in the windows), or by its key in the file (the command line, whose
// operator sets keys). A key the editor shows without a label is named so.
enum class SettingNames { Labels, Keys };
// What to tell the operator about them: the file, each field and its value.
std::string NotNumbersMessage(const std::filesystem::path& configFile, const SettingsIndex& config,
                              const std::vector<std::string>& keys, SettingNames names,
                              const Translate& translate = AsWritten);

} // namespace mervadin
