#include "records/record_files.h"

#include "files/file_batch.h"
#include "files/file_read.h"
#include "files/folder_lock.h"
#include "records/call_record.h"
#include "records/record_lines.h"

namespace mervadin {

namespace {

// Whether a line is a call of `type`: read at its place in a line of the
// tool's own shape (a name holding "Type[0]" changes nothing), else
// "Type[" and the type anywhere in it.
bool OfType(std::string_view line, char type) {
    if (const auto fields = SplitCallLine(line))
        return (*fields)[static_cast<std::size_t>(CallField::Type)] == std::string_view(&type, 1);
    const char tag[] = {'T', 'y', 'p', 'e', '[', type, ']'};
    return line.find(std::string_view(tag, sizeof tag)) != std::string_view::npos;
}

} // namespace

std::filesystem::path RecordFiles::ListFile(List list) const {
    return folder_.File(list == List::CallOut ? file::kCallOutList : file::kCallInList);
}

void RecordFiles::ClearList(List list) const {
    const FolderLock lock(folder_.root());
    WriteLines(ListFile(list), {});
}

void RecordFiles::RebuildKinds() const {
    const FolderLock lock(folder_.root());
    LineViews succeeded, failed, answered, missed, manual;
    const std::string outText = ReadFileBytes(folder_.File(file::kCallOutList));
    ForEachLine(outText, [&](std::string_view line) {
        if (OfType(line, '0'))
            succeeded.push_back(line);
        else if (OfType(line, '1'))
            failed.push_back(line);
        return true;
    });
    const std::string inText = ReadFileBytes(folder_.File(file::kCallInList));
    ForEachLine(inText, [&](std::string_view line) {
        if (OfType(line, '2'))
            answered.push_back(line);
        else if (OfType(line, '3'))
            missed.push_back(line);
        return true;
    });
    const std::string dumpText = ReadFileBytes(folder_.File(file::kReadFile));
    ForEachLine(dumpText, [&](std::string_view line) {
        if (OfType(line, 'F'))
            manual.push_back(line);
        return true;
    });
    WriteLineViews(folder_.File(file::kCallOutSuccessed), succeeded);
    WriteLineViews(folder_.File(file::kCallOutFailed), failed);
    WriteLineViews(folder_.File(file::kCallInAnswer), answered);
    WriteLineViews(folder_.File(file::kCallInMissed), missed);
    WriteLineViews(folder_.File(file::kCallOutManual), manual);
}

std::optional<RecordFiles::StoredLine> RecordFiles::StoreLiveRecord(std::string_view line,
                                                                    char type) const {
    std::optional<List> list;
    if (type == '0' || type == '1')
        list = List::CallOut;
    else if (type == '2' || type == '3')
        list = List::CallIn;
    if (!list)
        return std::nullopt;
    const FolderLock lock(folder_.root());
    std::string text = NormalizeLineEnds(ReadFileBytes(ListFile(*list)));
    const std::size_t index = CountLines(text);
    text += line;
    text += "\r\n";
    WriteFileAtomically(ListFile(*list), text);
    return StoredLine{*list, index};
}

bool RecordFiles::CommitRemark(List list, std::size_t index, const std::string& remark,
                               std::string* line) const {
    const std::string clean = CutText(CleanRemark(remark), kMaxRemarkBytes, *encoding_);
    if (clean.empty())
        return false;
    const FolderLock lock(folder_.root());
    std::string text = NormalizeLineEnds(ReadFileBytes(ListFile(list)));
    const LineViews found = SplitLineViews(AfterLines(text, index), 1);
    if (found.empty())
        return false;
    const std::string old(found.front());
    const std::size_t key = RemarkStart(old);
    if (key == std::string::npos)
        return false; // a line edited by hand without a remark field
    const std::string changed = old.substr(0, key) + clean + "];";
    const auto at = static_cast<std::size_t>(found.front().data() - text.data());
    WriteFileAtomically(ListFile(list), text.replace(at, old.size(), changed));
    if (line)
        *line = changed;
    return true;
}

} // namespace mervadin
