#pragma once
// What a call record read leaves in the working folder: the dump of every
// record it got (ReadFile.txt), and the call-out and call-in lists rebuilt
// from it, each old list kept as its backup and its remarks carried over.

#include "files/text_lines.h"
#include "files/work_folder.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace mervadin {

inline constexpr std::size_t kBlockCount = 4096;
// Only this many record slots of a read are decoded.
inline constexpr std::size_t kDumpSlots = 63000;

// 4096 blocks of 512 bytes, as a read fills them (0xFF where nothing came).
using BlockTable = std::vector<std::uint8_t>;
BlockTable ErasedBlockTable();

// The text of ReadFile.txt: the lines of the first 63000 record slots, in
// order, erased slots left out, every line ended with CR LF.
std::string DumpText(std::span<const std::uint8_t> table);

// Writes the dump, then rebuilds the lists from it. The dump is stored even
// when the lists cannot be rebuilt. Throws FileError.
void StoreRead(const WorkFolder& folder, std::span<const std::uint8_t> table);
// Rebuilds the lists from the dump ReadFile.txt holds. Throws FileError.
void RebuildLists(const WorkFolder& folder);

} // namespace mervadin
