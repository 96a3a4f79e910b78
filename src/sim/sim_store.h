#pragma once
// What the simulated device holds: its settings block, its number and voice
// areas and its call records, and the state file that keeps them between
// runs.

#include "frames/frame_templates.h"
#include "sim/record_codec.h"
#include "sim/sim_dialer.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace mervadin::sim {

class SimStore {
public:
    enum class Area { Numbers, Voice };

    const std::optional<DataBlock>& Settings() const { return settings_; }
    const std::vector<DataBlock>& NumberBlocks() const { return numbers_; }
    const std::vector<std::uint8_t>& Voice() const { return voice_; }
    const std::vector<record::Record>& Records() const { return records_; }
    unsigned SettingsWrites() const { return settingsWrites_; }

    void StoreSettings(const DataBlock& block);
    // An area is erased before its blocks are written, one after the other.
    void EraseArea(Area area);
    void StoreBlock(Area area, const DataBlock& block);
    // Call records as a read sends them: 16 to a block, the slots after the
    // last record 0xFF.
    DataBlock RecordBlock(std::size_t index) const;
    // The numbers in the number area, as the dialer calls them.
    std::vector<DialEntry> DialEntries() const;

    void AddRecord(const CallRecord& record);
    // Adds `count` made-up call records of every type, the same each time.
    void AddSampleRecords(std::size_t count);
    // Records whose bytes look like protocol words: names holding ">end",
    // "checksum:" and "velorn<", and a call on 2026/9/30 at 14:25:32, whose
    // date bytes read ">end".
    void AddLookalikeRecords();

    // Saves what it holds with the device's `model`; throws FileError.
    void Save(const std::filesystem::path& file, const std::string& model) const;
    // Loads what was saved and gives the model; throws FileError and then
    // holds what it held.
    std::string Load(const std::filesystem::path& file);

private:
    std::optional<DataBlock> settings_;
    unsigned settingsWrites_ = 0;
    std::vector<DataBlock> numbers_;
    std::vector<std::uint8_t> voice_;
    std::vector<record::Record> records_;
};

} // namespace mervadin::sim
