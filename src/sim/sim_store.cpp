#include "sim/sim_store.h"

#include <algorithm>
#include <span>

namespace mervadin::sim {

void SimStore::StoreSettings(const DataBlock& block) {
    settings_ = block;
    ++settingsWrites_;
}

void SimStore::EraseArea(Area area) {
    (area == Area::Numbers ? numbers_.clear() : voice_.clear());
}

void SimStore::StoreBlock(Area area, const DataBlock& block) {
    if (area == Area::Numbers)
        numbers_.push_back(block);
    else
        voice_.insert(voice_.end(), block.begin(), block.end());
}

DataBlock SimStore::RecordBlock(std::size_t index) const {
    DataBlock block;
    block.fill(0xFF);
    for (std::size_t slot = 0; slot < 16; ++slot) {
        const std::size_t at = index * 16 + slot;
        if (at < records_.size())
            std::copy(records_[at].begin(), records_[at].end(), block.begin() + slot * 32);
    }
    return block;
}

std::vector<DialEntry> SimStore::DialEntries() const {
    std::vector<DialEntry> entries;
    for (const DataBlock& block : numbers_)
        for (std::size_t slot = 0; slot < 16; ++slot)
            if (auto entry = DecodeNumberRecord(
                    std::span<const std::uint8_t, 32>(block.data() + slot * 32, 32)))
                entries.push_back(*entry);
    return entries;
}

void SimStore::AddRecord(const CallRecord& record) {
    records_.push_back(EncodeCallRecord(record));
}

} // namespace mervadin::sim
