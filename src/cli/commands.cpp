#include "cli/commands.h"

#include "access/password_file.h"
#include "cli/console_prompts.h"
#include "link/frame_codec.h"
#include "link/frame_templates.h"
#include "settings/settings_file.h"

#include <iostream>
#include <iterator>

namespace mervadin::cli {

namespace {

constexpr std::size_t kMaxPasswordLength = 4;

// Keys end with "="; "phone" and "phone=" name the same key.
std::string NormalisedKey(std::string key) {
    if (key.empty() || key.back() != '=')
        key += '=';
    return key;
}

// Runs a command body, turning file errors into a message and status 1.
template <typename Body> int Guarded(Streams io, Body body) {
    try {
        return body();
    } catch (const FileError& e) {
        io.err << "mervadin-cli: " << e.what() << '\n';
        return kFailure;
    }
}

} // namespace

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

int ConfigGet(const WorkFolder& folder, const std::string& key, bool asInteger, Streams io) {
    return Guarded(io, [&] {
        const auto path = folder.File(file::kConfig);
        const auto name = NormalisedKey(key);
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
    return Guarded(io, [&] {
        WriteSetting(folder.File(file::kConfig), NormalisedKey(key), value);
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
    if (Search(AsBytes(frameTemplate), frames::kOpening) == 0 ||
        Search(AsBytes(frameTemplate), frames::kChecksumTail) == 0) {
        io.err << "mervadin-cli: a frame template must hold \"velorn<\" and "
                  "\"checksum:000000;>end\"\n";
        return kBadInput;
    }
    if (frameTemplate.size() > kMaxTextLength) {
        io.err << "mervadin-cli: a frame template is at most " << kMaxTextLength
               << " bytes long; this one has " << frameTemplate.size() << '\n';
        return kBadInput;
    }
    io.out << BuildFrame(frameTemplate).Text() << '\n';
    return kSuccess;
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
                   const std::string& newPassword, const std::string& confirmation, Streams io) {
    for (const auto* text : {&oldPassword, &newPassword, &confirmation}) {
        if (text->size() > kMaxPasswordLength) {
            io.err << "mervadin-cli: a password is at most 4 characters long: \"" << *text
                   << "\"\n";
            return kBadInput;
        }
    }
    return Guarded(io, [&] {
        auto result = ChangePassword(folder.File(file::kPassword), oldPassword, newPassword,
                                     confirmation);
        const Notice notice = ChangeNotice(result);
        ConsolePrompts(io.out).Inform(notice.caption, notice.text);
        return result == PasswordChange::Changed ? kSuccess : kFailure;
    });
}

} // namespace mervadin::cli
