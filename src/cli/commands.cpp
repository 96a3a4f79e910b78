#include "cli/commands.h"

#include "access/password_file.h"
#include "cli/console_prompts.h"
#include "common/ui_text.h"
#include "files/file_read.h"
#include "frames/frame_codec.h"
#include "frames/frame_templates.h"
#include "options/option_texts.h"
#include "qtcore/encoding_choice.h"
#include "qtcore/text_codec.h"
#include "records/record_files.h"
#include "round/outcome_table.h"
#include "settings/settings_block.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <regex>

namespace mervadin::cli {

namespace {

constexpr std::size_t kMaxPasswordLength = 4;

// Keys end with "="; "phone" and "phone=" name the same key.
std::string NormalisedKey(std::string key) {
    if (key.empty() || key.back() != '=')
        key += '=';
    return key;
}

} // namespace

void PrintHexLines(std::ostream& out, std::span<const std::uint8_t> bytes) {
    char hex[4];
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        std::snprintf(hex, sizeof hex, "%02X", bytes[at]);
        out << (at % 16 ? " " : "") << hex << (at % 16 == 15 ? "\n" : "");
    }
}

void PrintTable(std::ostream& out, const std::vector<Row>& rows) {
    if (rows.empty())
        return;
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) {
            const std::string pad(widths[i] - row[i].size(), ' ');
            out << (i ? "  " : "") << (i ? pad + row[i] : row[i] + pad);
        }
        out << '\n';
    }
}

void PrintCsv(std::ostream& out, const std::vector<Row>& rows) {
    for (const auto& row : rows)
        out << CsvLine(row) << "\r\n";
}

bool PrepareFolder(const WorkFolder& folder, Streams io) {
    if (const auto failure = folder.Prepare()) {
        io.err << "mervadin-cli: " << *failure << '\n';
        return false;
    }
    return true;
}

int Init(const WorkFolder& folder, Streams io) {
    if (auto failure = folder.Prepare()) {
        io.err << "mervadin-cli: " << *failure << '\n';
        return kFailure;
    }
    return Guarded(io, [&] {
        FillDefaultSettingsIfShort(folder.File(file::kConfig));
        io.out << folder.root().string() << '\n';
        return kSuccess;
    });
}

namespace {

// A key is refused when it is empty or holds a line break: no line of the
// file could carry it.
// A key none of the settings has is taken (a file may hold lines of its
// own), but said, as it is most likely mistyped.
bool RefusedKey(const std::string& key, const std::string& name, Streams io) {
    if (name != "=" && name.find_first_of("\r\n") == std::string::npos) {
        if (!keys::IsKnown(name))
            io.err << "mervadin-cli: warning: \"" << name << "\" is none of the settings' keys\n";
        return false;
    }
    io.err << "mervadin-cli: \"" << key << "\" is no setting's key (empty, or a line break)\n";
    return true;
}

} // namespace

int ConfigGet(const WorkFolder& folder, const std::string& key, bool asInteger, Streams io) {
    const auto name = NormalisedKey(key);
    if (RefusedKey(key, name, io))
        return kBadInput;
    return Guarded(io, [&] {
        const auto path = folder.File(file::kConfig);
        if (asInteger)
            io.out << ReadIntSetting(path, name) << '\n';
        else
            io.out << ReadTextSetting(path, name) << '\n';
        return kSuccess;
    });
}

int ConfigSet(const WorkFolder& folder, const std::string& key, const std::string& value,
              Streams io) {
    if (value.find_first_of("\r\n") != std::string::npos) {
        io.err << "mervadin-cli: a setting's value cannot hold a line break\n";
        return kBadInput;
    }
    const std::string name = NormalisedKey(key);
    if (RefusedKey(key, name, io))
        return kBadInput;
    return Guarded(io, [&] {
        WriteSetting(folder.File(file::kConfig), name, value);
        return kSuccess;
    });
}

int ConfigDefaults(const WorkFolder& folder, Streams io) {
    return Guarded(io, [&] {
        RestoreDefaultSettings(folder.File(file::kConfig));
        return kSuccess;
    });
}

int Frame(const std::string& frameTemplate, Streams io) {
    if (frameTemplate.size() > kMaxTextLength) {
        io.err << "mervadin-cli: a frame template is at most " << kMaxTextLength
               << " bytes long; this one has " << frameTemplate.size() << '\n';
        return kBadInput;
    }
    if (!Search(AsBytes(frameTemplate), words::kOpening) ||
        !Search(AsBytes(frameTemplate), words::kChecksumTail)) {
        io.err << "mervadin-cli: a frame template must hold \"" << words::kOpening << "\" and \""
               << words::kChecksumTail << "\"\n";
        return kBadInput;
    }
    io.out << BuildFrame(frameTemplate).Text() << '\n';
    return kSuccess;
}

namespace {

// Digits and the separators only: no signs, no blanks, nothing after.
std::optional<LocalTime> ParseLocalTime(const std::string& text) {
    static const std::regex kForm(R"((\d{4})-(\d{1,2})-(\d{1,2}) (\d{1,2}):(\d{1,2}):(\d{1,2}))");
    std::smatch parts;
    if (!std::regex_match(text, parts, kForm))
        return std::nullopt;
    LocalTime t;
    int* const fields[] = {&t.year, &t.month, &t.day, &t.hour, &t.minute, &t.second};
    for (std::size_t i = 0; i < std::size(fields); ++i)
        *fields[i] = std::stoi(parts[i + 1].str());
    if (t.year < 2000 || t.year > 2099 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 ||
        t.hour > 23 || t.minute > 59 || t.second > 59 || t.hour < 0 || t.minute < 0 || t.second < 0)
        return std::nullopt;
    // The day must exist in its month: no 30 February.
    const std::chrono::year_month_day date{std::chrono::year(t.year),
                                           std::chrono::month(static_cast<unsigned>(t.month)),
                                           std::chrono::day(static_cast<unsigned>(t.day))};
    if (!date.ok())
        return std::nullopt;
    return t;
}

} // namespace

int SettingsBlockCommand(const WorkFolder& folder, const std::optional<std::string>& at,
                         Streams io) {
    LocalTime when = Now();
    if (at) {
        const auto parsed = ParseLocalTime(*at);
        if (!parsed) {
            io.err << "mervadin-cli: --at \"" << *at
                   << "\" is not a date and time as YYYY-MM-DD HH:MM:SS (years 2000-2099)\n";
            return kBadInput;
        }
        when = *parsed;
    }
    return Guarded(io, [&] {
        const std::string config = ReadFileBytes(folder.File(file::kConfig));
        const DataBlock block =
            BuildSettingsBlock(SettingsIndex::OfText(config), when, TextCodec::Chosen());
        PrintHexLines(io.out, block);
        return kSuccess;
    });
}

int DecodeCdr(const WorkFolder& folder, const std::string& blocksFile, Streams io) {
    return Guarded(io, [&] {
        // The size is checked before anything is read: a device, a FIFO or a
        // huge file is refused without reading it.
        std::error_code error;
        const auto status = std::filesystem::status(blocksFile, error);
        const auto size = std::filesystem::is_regular_file(status)
                              ? std::filesystem::file_size(blocksFile, error)
                              : std::uintmax_t{0};
        if (!std::filesystem::exists(status) || !std::filesystem::is_regular_file(status) ||
            error || size % frames::kDataBlockSize != 0 ||
            size > kBlockCount * frames::kDataBlockSize) {
            io.err << "mervadin-cli: " << blocksFile
                   << (!std::filesystem::exists(status) ? ": " + AbsentText(blocksFile)
                       : !std::filesystem::is_regular_file(status)
                           ? std::string(" is not a regular file")
                           : " holds " + std::to_string(size) + " bytes")
                   << "; expected whole 512-byte blocks, at most 4096 of them\n";
            return static_cast<int>(kBadInput);
        }
        // The blocks the file holds, then erased flash up to a full table.
        std::string table;
        try {
            table = ReadFileBytes(blocksFile, kBlockCount * frames::kDataBlockSize);
        } catch (const FileError& e) {
            io.err << "mervadin-cli: " << e.what() << '\n';
            return static_cast<int>(kBadInput);
        }
        table.resize(kBlockCount * frames::kDataBlockSize, '\xFF');
        if (!PrepareFolder(folder, io))
            return static_cast<int>(kFailure);
        RecordFiles(folder, TextCodec::Chosen())
            .StoreRead(std::span<const std::uint8_t>(
                reinterpret_cast<const std::uint8_t*>(table.data()), table.size()));
        return static_cast<int>(kSuccess);
    });
}

int RebuildKinds(const WorkFolder& folder, Streams io) {
    return Guarded(io, [&] {
        if (!PrepareFolder(folder, io))
            return kFailure;
        RecordFiles(folder, TextCodec::Chosen()).RebuildKinds();
        return kSuccess;
    });
}

int Verify(Streams io) {
    FrameBuffer buffer{};
    std::istreambuf_iterator<char> it(io.in), end;
    for (std::size_t i = 0; i < buffer.size() && it != end; ++i, ++it)
        buffer[i] = static_cast<std::uint8_t>(*it);
    const bool intact = VerifyChecksum(buffer);
    io.out << (intact ? "intact" : "damaged") << '\n';
    return intact ? kSuccess : kFailure;
}

int ChangePasswordCommand(const WorkFolder& folder, const std::string& oldPassword,
                          const std::string& newPassword, const std::string& confirmation,
                          Streams io) {
    for (const auto* text : {&oldPassword, &newPassword, &confirmation}) {
        if (text->find_first_of("\r\n") != std::string::npos) {
            io.err << "mervadin-cli: a password cannot hold a line break\n";
            return kBadInput;
        }
        if (text->size() > kMaxPasswordLength) {
            io.err << "mervadin-cli: a password is at most 4 characters long: \"" << *text
                   << "\"\n";
            return kBadInput;
        }
    }
    return Guarded(io, [&] {
        auto result =
            ChangePassword(folder.File(file::kPassword), oldPassword, newPassword, confirmation);
        const Notice notice = ChangeNotice(result);
        ConsolePrompts(io.out).Inform(notice.caption, notice.text);
        return result == PasswordChange::Changed ? kSuccess : kFailure;
    });
}

int EncodingCommand(const std::optional<std::string>& name, Streams io) {
    if (!name) {
        io.out << EncodingChoice::Remembered().value_or(TextCodec::SystemDefault()) << '\n';
        return kSuccess;
    }
    if (const std::string refusal = TextCodec::Refusal(*name); !refusal.empty()) {
        io.err << "mervadin-cli: " << refusal << '\n';
        return kBadInput;
    }
    EncodingChoice::Remember(*name);
    io.out << *name << '\n';
    return kSuccess;
}

} // namespace mervadin::cli
