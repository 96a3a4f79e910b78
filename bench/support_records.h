#pragma once
// Call record fixtures shared by the benchmarks: a full block table and old
// lists whose every line carries a remark.

#include "files/file_batch.h"
#include "files/work_folder.h"
#include "records/call_record.h"
#include "records/record_files.h"
#include "records/remark_carry.h"
#include "sim/record_codec.h"

#include <algorithm>
#include <string>

namespace mervadin::bench {

// 4096 blocks, every slot holding a record (numbers 13800000000 + slot).
inline BlockTable FullTable() {
    BlockTable table = ErasedBlockTable();
    for (std::size_t slot = 0; slot < kBlockCount * record::kPerBlock; ++slot) {
        sim::CallRecord record{static_cast<std::uint32_t>(slot % 500),
                               "Caller",
                               std::to_string(13800000000ULL + slot),
                               static_cast<int>(slot % 4),
                               26,
                               1 + static_cast<int>(slot % 12),
                               1 + static_cast<int>(slot % 28),
                               static_cast<int>(slot % 86400),
                               static_cast<int>(slot % 600)};
        const auto bytes = sim::EncodeCallRecord(record);
        std::copy(bytes.begin(), bytes.end(), table.begin() + slot * record::kSize);
    }
    return table;
}

// Old lists of `count` lines each, every one with a remark, numbers spread
// over those of the table.
inline void WriteOldLists(const WorkFolder& folder, std::size_t count) {
    for (auto name : {file::kCallOutList, file::kCallInList}) {
        Lines lines;
        for (std::size_t i = 0; i < count; ++i)
            lines.push_back(
                "Group[1],\tName[Old],\tNumber[" + std::to_string(13800000000ULL + i * 2) +
                "],\tType[0],\tDate[],\tDuration[],\tRemark[note " + std::to_string(i) + "];");
        WriteLines(folder.File(name), lines);
    }
}

} // namespace mervadin::bench
