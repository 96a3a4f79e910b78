#include "records/read_storage.h"

#include "files/file_batch.h"
#include "files/file_read.h"
#include "files/folder_lock.h"
#include "frames/frame_templates.h"
#include "records/call_record.h"
#include "records/record_lines.h"
#include "records/remark_carry.h"

#include <algorithm>
#include <functional>
#include <future>

namespace mervadin {

namespace {

std::size_t SlotsOf(std::span<const std::uint8_t> table) {
    return std::min(kDumpSlots, table.size() / record::kSize);
}

std::span<const std::uint8_t, record::kSize> Slot(std::span<const std::uint8_t> table,
                                                  std::size_t slot) {
    return table.subspan(slot * record::kSize).first<record::kSize>();
}

// One list's rebuild, staged and put on the disk in its own batch: the
// backup (the old list, each line ended with CR LF), then the new list with
// the old remarks carried over. Nothing is renamed yet.
void RebuildList(FileBatch& batch, const std::filesystem::path& list,
                 const std::filesystem::path& backup, LineViews fresh) {
    // The old list is read line by line from its text: a list of a million
    // empty lines costs no more than its bytes.
    const std::string oldText = ReadFileBytes(list);
    CarryRemarks(fresh, oldText);
    batch.StageLinesOf(backup, oldText);
    batch.Stage(list, fresh);
    batch.Flush();
}

// Rebuilds both lists from the dump, each on its own thread. Neither is
// replaced before both are on the disk and `before` has run (the dump's
// own storing, which is waited for as well when a list fails).
void RebuildBothLists(const WorkFolder& folder, std::string_view dump,
                      const std::function<void()>& before) {
    RebuiltLists sorted = SortByKind(SplitLineViews(dump));
    FileBatch out, in;
    auto inStaged = std::async(std::launch::async, [&] {
        RebuildList(in, folder.File(file::kCallInList), folder.File(file::kCallInListBackup),
                    std::move(sorted.callIn));
    });
    try {
        RebuildList(out, folder.File(file::kCallOutList), folder.File(file::kCallOutListBackup),
                    std::move(sorted.callOut));
        inStaged.get();
    } catch (const FileError&) {
        if (inStaged.valid())
            inStaged.wait();
        before();
        throw;
    }
    before();
    out.Commit();
    in.Commit();
}

} // namespace

BlockTable ErasedBlockTable() {
    return BlockTable(kBlockCount * frames::kDataBlockSize, 0xFF);
}

std::string DumpText(std::span<const std::uint8_t> table) {
    std::string text;
    // Room for the longest line of every slot: the text never moves while it
    // grows, and pages no line reaches are never touched.
    text.reserve(SlotsOf(table) * (kMaxRecordLineLength + 2));
    for (std::size_t slot = 0; slot < SlotsOf(table); ++slot)
        if (AppendCallRecord(text, Slot(table, slot)))
            text += "\r\n";
    return text;
}

void StoreRead(const WorkFolder& folder, std::span<const std::uint8_t> table) {
    // No remark may be written into a list between the read of the old
    // lists and their replacement: it would be lost.
    const FolderLock lock(folder.root());
    const std::string dump = DumpText(table);
    // The dump goes to the disk while the lists are rebuilt; it is stored
    // even when they cannot be, and before they are replaced.
    auto dumpStored = std::async(std::launch::async,
                                 [&] { WriteFileAtomically(folder.File(file::kReadFile), dump); });
    RebuildBothLists(folder, dump, [&] { dumpStored.get(); });
}

void RebuildLists(const WorkFolder& folder) {
    const FolderLock lock(folder.root());
    const std::string dump = ReadFileBytes(folder.File(file::kReadFile));
    RebuildBothLists(folder, dump, [] {});
}

} // namespace mervadin
