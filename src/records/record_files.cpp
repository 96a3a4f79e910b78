#include "records/record_files.h"

#include "common/folder_lock.h"

#include "link/frame_codec.h"
#include "records/call_record.h"

#include <unordered_map>

namespace mervadin {

namespace {

bool Holds(const std::string& line, std::string_view text) {
    return line.find(text) != std::string::npos;
}

// The position right after `key` when it starts within the first 200
// characters, as the field rule finds it.
std::size_t AfterKey(const std::string& line, std::string_view key) {
    const std::size_t end = ShortSearch(AsBytes(line), key);
    return end == 0 ? std::string::npos : end + 1;
}

enum class Kind { Out, In, Neither };

Kind KindOf(const std::string& line) {
    // The first type found decides, in this order.
    for (auto [type, kind] : {std::pair{"Type[0]", Kind::Out}, std::pair{"Type[1]", Kind::Out},
                              std::pair{"Type[2]", Kind::In}, std::pair{"Type[3]", Kind::In}})
        if (Holds(line, type))
            return kind;
    return Kind::Neither;
}

void CarryRemarks(Lines& fresh, const Lines& old) {
    // The first new line for each number, found in one pass.
    std::unordered_map<std::string, std::size_t> firstWithNumber;
    firstWithNumber.reserve(fresh.size());
    for (std::size_t i = 0; i < fresh.size(); ++i)
        firstWithNumber.emplace(FieldValue(fresh[i], "Number["), i);
    for (const auto& line : old) {
        if (FieldValue(line, "Remark[").empty())
            continue;
        const std::string number = FieldValue(line, "Number[");
        if (number.empty())
            continue;
        if (auto found = firstWithNumber.find(number); found != firstWithNumber.end())
            fresh[found->second] = line;
    }
}

} // namespace

BlockTable ErasedBlockTable() {
    return BlockTable(kBlockCount * kBlockSize, 0xFF);
}

Lines DumpLines(std::span<const std::uint8_t> table) {
    Lines lines;
    const std::size_t slots = std::min(kDumpSlots, table.size() / kRecordSize);
    for (std::size_t slot = 0; slot < slots; ++slot)
        if (auto line = DecodeCallRecord(table.subspan(slot * kRecordSize).first<kRecordSize>()))
            lines.push_back(std::move(*line));
    return lines;
}

RebuiltLists SortDump(const Lines& dump, const Lines& oldCallOut, const Lines& oldCallIn) {
    RebuiltLists lists;
    for (const auto& line : dump) {
        const Kind kind = KindOf(line);
        if (kind == Kind::Out)
            lists.callOut.push_back(line);
        else if (kind == Kind::In)
            lists.callIn.push_back(line);
    }
    CarryRemarks(lists.callOut, oldCallOut);
    CarryRemarks(lists.callIn, oldCallIn);
    return lists;
}

std::filesystem::path RecordFiles::ListFile(List list) const {
    return folder_.File(list == List::CallOut ? file::kCallOutList : file::kCallInList);
}

void RecordFiles::StoreRead(std::span<const std::uint8_t> table) const {
    WriteLines(folder_.File(file::kReadFile), DumpLines(table));
    RebuildLists();
}

void RecordFiles::RebuildLists() const {
    const Lines dump = ReadLines(folder_.File(file::kReadFile));
    const Lines oldOut = ReadLines(folder_.File(file::kCallOutList));
    const Lines oldIn = ReadLines(folder_.File(file::kCallInList));
    WriteLines(folder_.File(file::kCallOutListBackup), oldOut);
    WriteLines(folder_.File(file::kCallInListBackup), oldIn);
    const RebuiltLists lists = SortDump(dump, oldOut, oldIn);
    WriteLines(folder_.File(file::kCallOutList), lists.callOut);
    WriteLines(folder_.File(file::kCallInList), lists.callIn);
}

void RecordFiles::RebuildKinds() const {
    Lines succeeded, failed, answered, missed, manual;
    for (const auto& line : ReadLines(folder_.File(file::kCallOutList))) {
        if (Holds(line, "Type[0]"))
            succeeded.push_back(line);
        else if (Holds(line, "Type[1]"))
            failed.push_back(line);
    }
    for (const auto& line : ReadLines(folder_.File(file::kCallInList))) {
        if (Holds(line, "Type[2]"))
            answered.push_back(line);
        else if (Holds(line, "Type[3]"))
            missed.push_back(line);
    }
    for (const auto& line : ReadLines(folder_.File(file::kReadFile)))
        if (Holds(line, "Type[F]"))
            manual.push_back(line);
    WriteLines(folder_.File(file::kCallOutSuccessed), succeeded);
    WriteLines(folder_.File(file::kCallOutFailed), failed);
    WriteLines(folder_.File(file::kCallInAnswer), answered);
    WriteLines(folder_.File(file::kCallInMissed), missed);
    WriteLines(folder_.File(file::kCallOutManual), manual);
}

std::optional<RecordFiles::List>
RecordFiles::CaptureCallRecord(std::span<const std::uint8_t> buffer) const {
    // Filed by the frame's own type character: a name may hold "Type[".
    const std::string line = LiveRecordLine(buffer);
    const char type = LiveRecordType(buffer);
    std::optional<List> list;
    if (type == '0' || type == '1')
        list = List::CallOut;
    else if (type == '2' || type == '3')
        list = List::CallIn;
    if (!list)
        return std::nullopt;
    const FolderLock lock(folder_.root());
    Lines lines = ReadLines(ListFile(*list));
    lines.push_back(line);
    WriteLines(ListFile(*list), lines);
    return list;
}

bool RecordFiles::CommitRemark(List list, std::size_t index, const std::string& remark,
                               std::string* line) const {
    const std::string clean = CutText(CleanRemark(remark), kMaxRemarkBytes, *encoding_);
    if (clean.empty())
        return false;
    const FolderLock lock(folder_.root());
    Lines lines = ReadLines(ListFile(list));
    if (index >= lines.size())
        return false;
    std::string& target = lines[index];
    const std::size_t key = AfterKey(target, "Remark[");
    if (key == std::string::npos)
        return false; // a line edited by hand without a remark field
    target = target.substr(0, key) + clean + "];";
    WriteLines(ListFile(list), lines);
    if (line)
        *line = target;
    return true;
}

} // namespace mervadin
