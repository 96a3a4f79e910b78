// Saving and loading what the simulated device holds, as a text file of
// hexadecimal lines, so a simulated device can keep its content between runs.

#include "files/file_batch.h"
#include "files/file_read.h"
#include "sim/sim_store.h"

#include <cstdio>
#include <sstream>

namespace mervadin::sim {

namespace {

constexpr const char* kHeader = "mervadin-sim-state 1";

std::string Hex(const std::uint8_t* data, std::size_t size) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(size * 2);
    for (std::size_t i = 0; i < size; ++i) {
        text += digits[data[i] >> 4];
        text += digits[data[i] & 0xF];
    }
    return text;
}

std::vector<std::uint8_t> Unhex(const std::filesystem::path& file, const std::string& text) {
    auto value = [&](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        throw FileError(file, "not a hexadecimal line: " + text.substr(0, 40));
    };
    if (text.size() % 2 != 0)
        throw FileError(file, "odd-length hexadecimal line");
    std::vector<std::uint8_t> bytes(text.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(value(text[2 * i]) * 16 + value(text[2 * i + 1]));
    return bytes;
}

// Reads "NAME COUNT" and then COUNT lines of hexadecimal bytes.
class StateReader {
public:
    StateReader(const std::filesystem::path& file) : file_(file), lines_(ReadLines(file)) {
        if (lines_.empty() || lines_[0] != kHeader)
            throw FileError(file, "not a simulated device state file");
        next_ = 1;
    }
    std::string Word(const std::string& name) {
        const std::string line = Take();
        if (line.rfind(name + " ", 0) != 0)
            throw FileError(file_, "expected \"" + name + "\", found: " + line.substr(0, 40));
        return line.substr(name.size() + 1);
    }
    std::vector<std::vector<std::uint8_t>> Section(const std::string& name, std::size_t width) {
        const std::size_t count = std::stoul(Word(name));
        std::vector<std::vector<std::uint8_t>> rows;
        for (std::size_t i = 0; i < count; ++i) {
            rows.push_back(Unhex(file_, Take()));
            if (width && rows.back().size() != width)
                throw FileError(file_, "a " + name + " line has the wrong length");
        }
        return rows;
    }

private:
    std::string Take() {
        if (next_ >= lines_.size())
            throw FileError(file_, "the state file ends too early");
        return lines_[next_++];
    }
    std::filesystem::path file_;
    Lines lines_;
    std::size_t next_ = 0;
};

template <typename Rows>
void AddSection(Lines& lines, const std::string& name, const Rows& rows) {
    lines.push_back(name + " " + std::to_string(rows.size()));
    for (const auto& row : rows)
        lines.push_back(Hex(row.data(), row.size()));
}

} // namespace

void SimStore::Save(const std::filesystem::path& file, const std::string& model) const {
    Lines lines = {kHeader, "model " + model};
    std::vector<DataBlock> settings;
    if (settings_)
        settings.push_back(*settings_);
    AddSection(lines, "settings", settings);
    AddSection(lines, "numbers", numbers_);
    std::vector<std::vector<std::uint8_t>> voice;
    for (std::size_t at = 0; at < voice_.size(); at += 512)
        voice.emplace_back(voice_.begin() + static_cast<std::ptrdiff_t>(at),
                           voice_.begin() +
                               static_cast<std::ptrdiff_t>(std::min(voice_.size(), at + 512)));
    AddSection(lines, "voice", voice);
    AddSection(lines, "records", records_);
    WriteLines(file, lines);
}

std::string SimStore::Load(const std::filesystem::path& file) {
    StateReader reader(file);
    std::string model = reader.Word("model");
    auto settings = reader.Section("settings", 512);
    auto numbers = reader.Section("numbers", 512);
    auto voice = reader.Section("voice", 0);
    auto records = reader.Section("records", 32);

    settings_.reset();
    if (!settings.empty())
        std::copy_n(settings[0].begin(), 512, settings_.emplace().begin());
    numbers_.clear();
    for (const auto& row : numbers)
        std::copy_n(row.begin(), 512, numbers_.emplace_back().begin());
    voice_.clear();
    for (const auto& row : voice)
        voice_.insert(voice_.end(), row.begin(), row.end());
    records_.clear();
    for (const auto& row : records)
        std::copy_n(row.begin(), 32, records_.emplace_back().begin());
    return model;
}

} // namespace mervadin::sim
