#pragma once
// The call record files of the working folder, as the windows and commands
// change them: the store of a read and the list rebuild, the five per-kind
// files, a record added live, and a remark written into a list.

#include "common/text_encoding.h"
#include "files/work_folder.h"
#include "records/read_storage.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace mervadin {

class RecordFiles {
public:
    // A remark keeps at most this many bytes, cut at a character boundary.
    static constexpr std::size_t kMaxRemarkBytes = 126;

    // Remarks are cut at whole characters of `encoding`, the one the files
    // are read in.
    RecordFiles(WorkFolder folder, const TextEncoding& encoding)
        : folder_(std::move(folder)), encoding_(&encoding) {}

    // What the end of a successful read does: the dump, then the list
    // rebuild with backups. Throws FileError.
    void StoreRead(std::span<const std::uint8_t> table) const {
        mervadin::StoreRead(folder_, table);
    }
    void RebuildLists() const { mervadin::RebuildLists(folder_); }
    // Refills the five per-kind files from the lists and the dump.
    void RebuildKinds() const;

    enum class List { CallOut, CallIn };
    struct StoredLine {
        List list;
        std::size_t index; // of the line in its list, counted from 0
    };
    // Adds a call record line to its list by `type` ('0' and '1' call-out,
    // '2' and '3' call-in); nothing for any other type.
    std::optional<StoredLine> StoreLiveRecord(std::string_view line, char type) const;

    // Writes `remark` (cleaned, cut to 126 bytes) into line `index` of a
    // list; false when there is no such line or the remark is empty.
    // Returns the new line through `line`.
    bool CommitRemark(List list, std::size_t index, const std::string& remark,
                      std::string* line = nullptr) const;

    // Empties a list.
    void ClearList(List list) const;

    std::filesystem::path ListFile(List list) const;

private:
    WorkFolder folder_;
    const TextEncoding* encoding_;
};

} // namespace mervadin
