#pragma once
// The call record files of the working folder: the dump of a read
// (ReadFile.txt), the call-out and call-in lists with their backups, the
// five per-kind files, a record added live, and a remark written into a list.

#include "common/text_encoding.h"
#include "common/text_file.h"
#include "common/work_folder.h"

#include <array>
#include <cstdint>
#include <future>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace mervadin {

inline constexpr std::size_t kBlockSize = 512;
inline constexpr std::size_t kBlockCount = 4096;
// Only this many record slots of a read are decoded.
inline constexpr std::size_t kDumpSlots = 63000;

// 4096 blocks of 512 bytes, as a read fills them (0xFF where nothing came).
using BlockTable = std::vector<std::uint8_t>;
BlockTable ErasedBlockTable();

// The lines of the first 63000 record slots, in order, erased slots left out.
Lines DumpLines(std::span<const std::uint8_t> table);
// The same as the text of ReadFile.txt: every line ended with CR LF.
std::string DumpText(std::span<const std::uint8_t> table);

// The rebuilt lists point into the dump and the old lists they came from.
struct RebuiltLists {
    LineViews callOut;
    LineViews callIn;
};

// Sorts the dump into the two lists and carries each remark of the old
// lists over to the new line with the same number (whole and exact; the
// first such line; the last old line wins).
RebuiltLists SortDump(const LineViews& dump, const LineViews& oldCallOut,
                      const LineViews& oldCallIn);

struct ListLines;
struct OldList;
struct SortedDump;

class RecordFiles {
public:
    // A remark keeps at most this many bytes, cut at a character boundary.
    static constexpr std::size_t kMaxRemarkBytes = 126;

    explicit RecordFiles(WorkFolder folder, const TextEncoding& encoding = Utf8Encoding())
        : folder_(std::move(folder)), encoding_(&encoding) {}

    // What the end of a successful read does: the dump, then the list
    // rebuild with backups. Throws FileError.
    void StoreRead(std::span<const std::uint8_t> table) const;
    void RebuildLists() const;
    // Refills the five per-kind files from the lists and the dump.
    void RebuildKinds() const;

    enum class List { CallOut, CallIn };
    // Adds the record of a live status frame to its list; nothing when its
    // type is not 0-3.
    std::optional<List> CaptureCallRecord(std::span<const std::uint8_t> buffer) const;

    // Writes `remark` (cleaned, cut to 126 bytes) into line `index` of a
    // list; false when there is no such line or the remark is empty. Returns the new line through
    // `line`.
    bool CommitRemark(List list, std::size_t index, const std::string& remark,
                      std::string* line = nullptr) const;

    std::filesystem::path ListFile(List list) const;
    const WorkFolder& Folder() const { return folder_; }

private:
    void ReplaceLists(SortedDump& fresh, OldList out, OldList in,
                      const std::shared_future<void>& after) const;
    void StageList(FileBatch& batch, List list, OldList old, ListLines& fresh) const;

    WorkFolder folder_;
    const TextEncoding* encoding_;
};

} // namespace mervadin
