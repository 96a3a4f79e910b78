#include "records/record_files.h"

#include "common/folder_lock.h"

#include "link/frame_codec.h"
#include "records/call_record.h"

#include <array>
#include <bit>
#include <cstring>
#include <functional>
#include <future>
#include <optional>

namespace mervadin {

// A list's lines, each with the number it is found by (its "Number[" field).
struct ListLines {
    LineViews lines;
    LineViews numbers;

    void Add(std::string_view line, std::string_view number) {
        lines.push_back(line);
        numbers.push_back(number);
    }
};

// A list as it was before a rebuild: its text and its lines.
struct OldList {
    FileBytes bytes;
    LineViews lines; // into `bytes`, which keeps its place when moved

    static OldList Read(const std::filesystem::path& path) {
        OldList list{ReadFileBuffer(path), {}};
        list.lines = SplitLineViews(list.bytes.View());
        return list;
    }
    std::string_view Text() const { return bytes.View(); }
};

// The dump's calls out and calls in, in order.
struct SortedDump {
    ListLines callOut;
    ListLines callIn;
};

namespace {

bool Holds(std::string_view line, std::string_view text) {
    return line.find(text) != std::string_view::npos;
}

// The position right after `key` when it starts within the first 200
// characters, as the field rule finds it.
std::size_t AfterKey(const std::string& line, std::string_view key) {
    const std::size_t end = ShortSearch(AsBytes(line), key);
    return end == 0 ? std::string::npos : end + 1;
}

// Where a line's remark goes: after its last "],\tRemark[". A remark never
// holds "]", so that is the line's own field even when a name the device
// sent holds "Remark[" (writing after the name's cut the rest of the line
// off). A line edited by hand without that separator: after the first
// "Remark[" as the field rule finds it.
std::size_t RemarkStart(const std::string& line) {
    constexpr std::string_view field = "],\tRemark[";
    const std::size_t at = line.rfind(field);
    return at != std::string::npos ? at + field.size() : AfterKey(line, "Remark[");
}

enum class Kind { Out, In, Neither };

Kind KindOf(std::string_view line) {
    // "Type[0]" or "Type[1]" anywhere makes a call out, else "Type[2]" or
    // "Type[3]" a call in; one pass over the line's "Type[" tags.
    constexpr std::string_view tag = "Type[";
    bool in = false;
    for (auto at = line.find(tag); at != std::string_view::npos; at = line.find(tag, at + 1)) {
        if (at + tag.size() + 1 >= line.size() || line[at + tag.size() + 1] != ']')
            continue;
        const char type = line[at + tag.size()];
        if (type == '0' || type == '1')
            return Kind::Out;
        in = in || type == '2' || type == '3';
    }
    return in ? Kind::In : Kind::Neither;
}

// The first line for each number, in an open-addressing table: one array of
// slots, each with a part of its number's hash, so that a lookup compares
// numbers only where the hashes agree and mostly stays within the array.
class FirstLineByNumber {
public:
    // `numbers` holds each line's number; it must outlive the table.
    explicit FirstLineByNumber(const LineViews& numbers) : numbers_(numbers) {
        std::size_t capacity = 16;
        while (capacity < 2 * numbers.size())
            capacity *= 2;
        slots_.assign(capacity, Slot{});
        InBatches(numbers.size(), [&](std::size_t i) { return numbers[i]; },
                  [&](std::size_t i, std::string_view number, std::size_t hash) {
                      Slot& slot = slots_[Probe(number, hash)];
                      if (slot.line == 0)
                          slot = {Tag(hash), static_cast<std::uint32_t>(i + 1)};
                  });
    }

    // Calls found(i, line) for each of `count` keys, number(i), that the
    // table holds, in order.
    template <typename Number, typename Found>
    void FindEach(std::size_t count, Number number, Found found) const {
        InBatches(count, number, [&](std::size_t i, std::string_view key, std::size_t hash) {
            const Slot slot = slots_[Probe(key, hash)];
            if (slot.line != 0)
                found(i, std::size_t{slot.line - 1});
        });
    }

private:
    // A lookup mostly waits for its slot, the table being far larger than
    // the cache: the slots of a batch of keys are fetched together first,
    // then visited in order. Empty keys (never looked up) are skipped.
    template <typename Number, typename Visit>
    void InBatches(std::size_t count, Number number, Visit visit) const {
        constexpr std::size_t kBatch = 16;
        std::array<std::string_view, kBatch> keys;
        std::array<std::size_t, kBatch> hashes;
        for (std::size_t first = 0; first < count; first += kBatch) {
            const std::size_t size = std::min(kBatch, count - first);
            for (std::size_t i = 0; i < size; ++i) {
                keys[i] = number(first + i);
                hashes[i] = keys[i].empty() ? 0 : std::hash<std::string_view>{}(keys[i]);
                Prefetch(&slots_[hashes[i] & (slots_.size() - 1)]);
            }
            for (std::size_t i = 0; i < size; ++i)
                if (!keys[i].empty())
                    visit(first + i, keys[i], hashes[i]);
        }
    }

    static void Prefetch(const void* address) {
#if defined(__GNUC__) || defined(__clang__)
        __builtin_prefetch(address);
#else
        (void)address;
#endif
    }

    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t line = 0; // line index + 1; 0 is empty
    };

    static std::uint32_t Tag(std::size_t hash) {
        return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32);
    }

    // The slot holding `number`, or the empty one where it would go.
    std::size_t Probe(std::string_view number, std::size_t hash) const {
        const std::size_t mask = slots_.size() - 1;
        const std::uint32_t tag = Tag(hash);
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            const Slot& slot = slots_[at];
            if (slot.line == 0 || (slot.tag == tag && numbers_[slot.line - 1] == number))
                return at;
        }
    }

    std::vector<Slot> slots_;
    const LineViews& numbers_;
};

// The first "[" in line[from, end), eight bytes at a time; `end` when there
// is none.
std::size_t NextBracket(std::string_view line, std::size_t from, std::size_t end) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = kOnes << 7;
    for (; from + 8 <= end; from += 8) {
        std::uint64_t word;
        std::memcpy(&word, line.data() + from, 8);
        const std::uint64_t x = word ^ (kOnes * '[');
        // The lowest marked byte is the first "[" (a borrow only marks bytes above it).
        const std::uint64_t marks = (x - kOnes) & ~x & kHighs;
        if (marks == 0)
            continue;
        if constexpr (std::endian::native == std::endian::little)
            return from + static_cast<std::size_t>(std::countr_zero(marks)) / 8;
        break; // elsewhere the bytes are looked at one by one
    }
    for (; from < end; ++from)
        if (line[from] == '[')
            return from;
    return end;
}

// The number of a line that carries a remark; empty when it has no remark or
// no number. Both fields are found as FieldView finds them (the first
// "Number[" and "Remark[" that start in the first 200 characters), in one
// pass over the line's "[" characters.
std::string_view RemarkedNumber(std::string_view line) {
    constexpr std::size_t kWord = 6; // "Number" and "Remark", before their "["
    const std::size_t end = std::min(line.size(), kShortSearchStarts + kWord);
    std::string_view number;
    bool numberSeen = false, remarkSeen = false;
    for (std::size_t at = NextBracket(line, kWord, end); at < end;
         at = NextBracket(line, at + 1, end)) {
        const char* const word = line.data() + at - kWord;
        if (!numberSeen && std::memcmp(word, "Number", kWord) == 0) {
            numberSeen = true;
            number = FieldViewAt(line, at + 1);
        } else if (!remarkSeen && std::memcmp(word, "Remark", kWord) == 0) {
            remarkSeen = true;
            // The remark is empty when nothing or its end follows the "[".
            if (at + 1 == line.size() || line[at + 1] == ';' || line[at + 1] == ']')
                return {};
        }
        if (numberSeen && remarkSeen)
            return number;
    }
    return {};
}

void CarryRemarks(ListLines& fresh, const LineViews& old) {
    const FirstLineByNumber firstWithNumber(fresh.numbers);
    firstWithNumber.FindEach(
        old.size(), [&](std::size_t i) { return RemarkedNumber(old[i]); },
        [&](std::size_t i, std::size_t line) { fresh.lines[line] = old[i]; });
}

// Files a line of the dump into its list by the text rules.
void FileByRules(SortedDump& sorted, std::string_view line) {
    const Kind kind = KindOf(line);
    if (kind != Kind::Neither)
        (kind == Kind::Out ? sorted.callOut : sorted.callIn).Add(line, FieldView(line, "Number["));
}

// The dump's calls out and calls in, in order.
SortedDump SortByKind(const LineViews& dump) {
    SortedDump sorted;
    for (const auto line : dump)
        FileByRules(sorted, line);
    return sorted;
}

// The slots whose record has a first digit, so that it gives a line.
std::size_t DecodedSlots(std::span<const std::uint8_t> table, std::size_t slots) {
    std::size_t count = 0;
    for (std::size_t slot = 0; slot < slots; ++slot)
        count += (table[slot * kRecordSize + 18] & 0x0F) <= 9;
    return count;
}

// A line with a short name, as most are; the room they fill is mapped at once.
constexpr std::size_t kTypicalLineBytes = 100;

// The text of ReadFile.txt, its lines filed into `sorted` (when given) as
// they are decoded. The views point into the text, which never moves while
// it grows: room for the longest line of every slot is reserved first.
std::string DecodeTable(std::span<const std::uint8_t> table, SortedDump* sorted) {
    std::string text;
    const std::size_t slots = std::min(kDumpSlots, table.size() / kRecordSize);
    text.reserve(slots * (kMaxRecordLineLength + 2));
    PrefaultForWriting(text.data(), DecodedSlots(table, slots) * kTypicalLineBytes);
    if (sorted)
        for (ListLines* list : {&sorted->callOut, &sorted->callIn}) {
            list->lines.reserve(slots);
            list->numbers.reserve(slots);
        }
    for (std::size_t slot = 0; slot < slots; ++slot) {
        const std::size_t start = text.size();
        RecordLineFacts facts;
        if (!AppendCallRecord(text, table.subspan(slot * kRecordSize).first<kRecordSize>(),
                              &facts))
            continue;
        text += "\r\n";
        if (!sorted)
            continue;
        const std::string_view record(text.data() + start, text.size() - start);
        if (!facts.plain) {
            ForEachLine(record, [&](std::string_view line) {
                FileByRules(*sorted, line);
                return true;
            });
            continue;
        }
        const std::string_view line = record.substr(0, record.size() - 2);
        const std::string_view number = line.substr(facts.numberAt, facts.numberLength);
        if (facts.type == '0' || facts.type == '1')
            sorted->callOut.Add(line, number);
        else if (facts.type == '2' || facts.type == '3')
            sorted->callIn.Add(line, number);
    }
    return text;
}

// A list's backup: the list as it is when its lines already end with CR LF.
void StageBackup(FileBatch& batch, const std::filesystem::path& path,
                 const std::filesystem::path& list, std::string_view text, const LineViews& lines) {
    if (IsJoinedLines(text, lines))
        batch.StageCopy(path, list, text);
    else
        batch.Stage(path, lines);
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

std::string DumpText(std::span<const std::uint8_t> table) {
    return DecodeTable(table, nullptr);
}

RebuiltLists SortDump(const LineViews& dump, const LineViews& oldCallOut,
                      const LineViews& oldCallIn) {
    SortedDump sorted = SortByKind(dump);
    CarryRemarks(sorted.callOut, oldCallOut);
    CarryRemarks(sorted.callIn, oldCallIn);
    return {std::move(sorted.callOut.lines), std::move(sorted.callIn.lines)};
}

std::filesystem::path RecordFiles::ListFile(List list) const {
    return folder_.File(list == List::CallOut ? file::kCallOutList : file::kCallInList);
}

void RecordFiles::StoreRead(std::span<const std::uint8_t> table) const {
    // The old lists are read and split while the dump is decoded, and the
    // dump is stored while the lists are rebuilt. The dump stays in memory
    // for the rebuild, split exactly as reading the file back would split it.
    // No remark is written into a list meanwhile: it would be lost.
    const FolderLock lock(folder_.root());
    struct OldLists {
        OldList out, in;
    };
    auto oldLists = std::async(std::launch::async, [this] {
        return OldLists{OldList::Read(ListFile(List::CallOut)),
                        OldList::Read(ListFile(List::CallIn))};
    });
    SortedDump fresh;
    const std::string dump = DecodeTable(table, &fresh);
    // The dump is stored even when the lists cannot be rebuilt, and before
    // they are replaced.
    const std::shared_future<void> dumpStored =
        std::async(std::launch::async, [&] {
            WriteFileAtomically(folder_.File(file::kReadFile), dump);
        }).share();
    try {
        OldLists old = oldLists.get();
        ReplaceLists(fresh, std::move(old.out), std::move(old.in), dumpStored);
    } catch (const FileError&) {
        dumpStored.get(); // a dump that could not be stored is told first
        throw;
    }
    dumpStored.get();
}

void RecordFiles::RebuildLists() const {
    const FolderLock lock(folder_.root());
    const FileBytes dump = ReadFileBuffer(folder_.File(file::kReadFile));
    OldList out = OldList::Read(ListFile(List::CallOut));
    OldList in = OldList::Read(ListFile(List::CallIn));
    SortedDump fresh = SortByKind(SplitLineViews(dump.View()));
    ReplaceLists(fresh, std::move(out), std::move(in), {});
}

// Each list and its backup is written on its own thread. Neither list is
// replaced before both are on the disk, nor before `after` is done; then
// the two are replaced side by side, as each replacement frees the old
// backup it replaces.
void RecordFiles::ReplaceLists(SortedDump& fresh, OldList out, OldList in,
                               const std::shared_future<void>& after) const {
    FileBatch outBatch, inBatch;
    auto inFlushed = std::async(std::launch::async, [&] {
        StageList(inBatch, List::CallIn, std::move(in), fresh.callIn);
        inBatch.Flush();
    });
    StageList(outBatch, List::CallOut, std::move(out), fresh.callOut);
    outBatch.Flush();
    inFlushed.get();
    if (after.valid())
        after.get();
    auto inReplaced = std::async(std::launch::async, [&] { inBatch.Commit(); });
    outBatch.Commit();
    inReplaced.get();
}

// A list's backup (the old list), then the new list with the old remarks.
// The old list and the new lines are let go as soon as they are written, so
// that their memory is given back while the disk catches up.
void RecordFiles::StageList(FileBatch& batch, List list, OldList old, ListLines& fresh) const {
    const auto backup = folder_.File(list == List::CallOut ? file::kCallOutListBackup
                                                           : file::kCallInListBackup);
    StageBackup(batch, backup, ListFile(list), old.Text(), old.lines);
    CarryRemarks(fresh, old.lines);
    batch.Stage(ListFile(list), fresh.lines);
    fresh = {};
}

void RecordFiles::RebuildKinds() const {
    LineViews succeeded, failed, answered, missed, manual;
    const std::string outText = ReadFileBytes(folder_.File(file::kCallOutList));
    ForEachLine(outText, [&](std::string_view line) {
        if (Holds(line, "Type[0]"))
            succeeded.push_back(line);
        else if (Holds(line, "Type[1]"))
            failed.push_back(line);
        return true;
    });
    const std::string inText = ReadFileBytes(folder_.File(file::kCallInList));
    ForEachLine(inText, [&](std::string_view line) {
        if (Holds(line, "Type[2]"))
            answered.push_back(line);
        else if (Holds(line, "Type[3]"))
            missed.push_back(line);
        return true;
    });
    const std::string dumpText = ReadFileBytes(folder_.File(file::kReadFile));
    ForEachLine(dumpText, [&](std::string_view line) {
        if (Holds(line, "Type[F]"))
            manual.push_back(line);
        return true;
    });
    WriteLineViews(folder_.File(file::kCallOutSuccessed), succeeded);
    WriteLineViews(folder_.File(file::kCallOutFailed), failed);
    WriteLineViews(folder_.File(file::kCallInAnswer), answered);
    WriteLineViews(folder_.File(file::kCallInMissed), missed);
    WriteLineViews(folder_.File(file::kCallOutManual), manual);
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
    const std::size_t key = RemarkStart(target);
    if (key == std::string::npos)
        return false; // a line edited by hand without a remark field
    target = target.substr(0, key) + clean + "];";
    WriteLines(ListFile(list), lines);
    if (line)
        *line = target;
    return true;
}

} // namespace mervadin
