#include "monitor/status_decoder.h"
#include "records/call_record.h"
#include "records/record_files.h"
#include "records/record_lines.h"
#include "records/remark_carry.h"
#include "sim/record_codec.h"
#include "support/call_lines.h"
#include "support/polling_wait.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <thread>

namespace mervadin {
namespace {

TEST(RecordFiles, RemarksFollowTheirOwnNumberOnly) {
    const Lines dump = {test::CallLine({.group = "12", .number = "5550196"}),
                        test::CallLine({.number = "12", .type = "1"}),
                        test::CallLine({.group = "3", .number = "555"}),
                        test::CallLine({.group = "4", .number = "777", .type = "2"}),
                        test::CallLine({.group = "5", .number = "888", .type = "F"})};
    const Lines oldOut = {
        test::CallLine(
            {.group = "9", .number = "12", .type = "1", .date = "old", .remark = "first"}),
        test::CallLine({.group = "9", .number = "555", .remark = "five"}),
        test::CallLine(
            {.group = "9", .number = "12", .type = "1", .date = "older", .remark = "second"}),
        test::CallLine({.group = "9", .number = "999", .remark = "lost"})};
    const Lines oldIn = {
        test::CallLine({.group = "9", .number = "777", .type = "3", .remark = "in"})};
    const auto views = [](const Lines& lines) { return LineViews(lines.begin(), lines.end()); };
    const auto lists = test::SortAndCarry(views(dump), views(oldOut), views(oldIn));
    ASSERT_EQ(lists.callOut.size(), 3u);
    EXPECT_EQ(lists.callOut[0],
              dump[0]); // "12" inside Group[12] and "555" inside 5550196: no match
    EXPECT_EQ(lists.callOut[1], oldOut[2]); // the last old line for 12 wins
    EXPECT_EQ(lists.callOut[2], oldOut[1]);
    EXPECT_EQ(lists.callIn, LineViews{oldIn[0]});
}

// A read brings back the calls stored live, their dates with seconds; each
// old line finds its own call (the same call twice finds two lines, in
// order), so a remark stays on its call and no other call is replaced. A
// remark whose call the device no longer holds goes to the first line with
// its number that no old line of its own call took, or nowhere.
TEST(RecordFiles, RemarksGoBackToTheirOwnCall) {
    const auto fresh = [](const char* number, const char* type, const char* date,
                          const char* duration) {
        return test::CallLine({.number = number, .type = type, .date = date, .duration = duration});
    };
    const auto live = [](const char* number, const char* type, const char* date,
                         const char* duration, const char* remark = "") {
        return test::CallLine(
            {.number = number, .type = type, .date = date, .duration = duration, .remark = remark});
    };
    const Lines dump = {fresh("1001", "1", "2026/12/9 18:4:22", "0:0:0"),
                        fresh("5550", "0", "2026/12/9 18:4:31", "0:0:2"),
                        fresh("1001", "0", "2026/12/9 18:5:47", "0:0:2"),
                        fresh("5550", "0", "2026/12/9 18:6:53", "0:0:5"),
                        fresh("5550", "0", "2026/12/9 18:6:58", "0:0:5")};
    const Lines old = {live("1001", "1", "2026/12/09 18:04", "0:0:0"),
                       live("5550", "0", "2026/12/09 18:04", "0:0:2"),
                       live("1001", "0", "2026/12/09 18:05", "0:0:2", "alice"),
                       live("5550", "0", "2026/12/09 18:06", "0:0:5"),
                       live("5550", "0", "2026/12/09 18:06", "0:0:5", "second"),
                       live("5550", "0", "2026/11/30 9:00", "0:1:0", "gone")};
    const auto views = [](const Lines& lines) { return LineViews(lines.begin(), lines.end()); };
    EXPECT_EQ(test::SortAndCarry(views(dump), views(old), {}).callOut,
              (LineViews{dump[0], dump[1], old[2], dump[3], old[4]}));

    // Without the old line of the first call to 5550, the call the device
    // no longer holds takes that line, as a remark follows its number.
    const Lines fewer = {old[2], old[3], old[4], old[5]};
    EXPECT_EQ(test::SortAndCarry(views(dump), views(fewer), {}).callOut,
              (LineViews{dump[0], old[5], old[2], dump[3], old[4]}));
}

// Each old line takes the first fresh line of its own call not yet taken;
// one with a remark replaces it (the first of them when all were taken),
// else the first fresh line with its number that no old line took.
void CarryPlainly(Lines& fresh, const Lines& old) {
    const Lines original = fresh;
    std::vector<CallFacts> calls;
    for (const auto& line : original)
        calls.push_back(CallOf(line));
    std::vector<bool> taken(fresh.size(), false);
    for (const auto& line : old) {
        const std::string number = FieldValue(line, "Number[");
        if (number.empty())
            continue;
        const CallFacts call = CallOf(line);
        std::optional<std::size_t> own, firstOwn, firstNumber;
        for (std::size_t i = 0; i < original.size(); ++i) {
            if (calls[i] == call) {
                firstOwn = firstOwn ? firstOwn : i;
                if (!taken[i] && !own)
                    own = i;
            }
            if (!firstNumber && !taken[i] && calls[i].number == number)
                firstNumber = i;
        }
        if (own)
            taken[*own] = true;
        if (FieldValue(line, "Remark[").empty())
            continue;
        const auto target = own ? own : firstOwn ? firstOwn : firstNumber;
        if (target)
            fresh[*target] = line;
    }
}

TEST(RecordFiles, RemarksAndNumbersAreFoundAsTheFieldRuleFindsThem) {
    // Keys that start just inside and just outside the first 200 characters,
    // keys in names, empty and cut-off values, a "[" at every place.
    Lines dump;
    for (int number = 1; number <= 9; ++number)
        dump.push_back(test::CallLine({.number = std::to_string(number)}));
    const auto pad = [](std::size_t size) { return std::string(size, 'x'); };
    const Lines old = {
        pad(193) + "Number[1];Remark[a]",          // "Number[" starts at 193
        pad(193) + "Remark[b];Number[2]",          // "Remark[" starts at 193
        pad(194) + "Number[3];Remark[c]",          // at 194
        "Remark[d]" + pad(191) + "Number[4]",      // at 200: not a field
        "Number[5]" + pad(200) + "Remark[e]",      // the remark starts too late
        "Remark[f]Number[6]",                      // keys at the very start
        "Name[Number[7]],\tNumber[8],\tRemark[g]", // the name's number counts
        "Number[9],\tRemark[],\tRemark[h]",        // the first remark is empty
        "Number[9],\tRemark[;x]",                  // so is this one
        "Number[1]Remark[",                        // and this one, cut off
        "[[[[[[[Number[[9]Remark[i]",              // a "[" opens the number
        "Number",
        "Remark[j]Number[]",
        std::string("Number[2]\0Remark[k]", 19),
        pad(199) + "Remark[l]Number[1]",      // at 199: still a field
        "Remark[m]" + pad(190) + "Number[3]", // so is this number
    };
    const auto views = [](const Lines& lines) { return LineViews(lines.begin(), lines.end()); };
    Lines expected = dump;
    CarryPlainly(expected, old);
    EXPECT_EQ(test::SortAndCarry(views(dump), views(old), {}).callOut, views(expected));
    EXPECT_NE(expected, dump);
}

// The rebuild as plainly as it can be said: whole lines, the dump read back
// from its file, a linear search for each remark's number.
struct PlainRebuild {
    std::string dump, backupOut, backupIn, callOut, callIn;
};

PlainRebuild RebuildPlainly(const BlockTable& table, const std::string& outText,
                            const std::string& inText) {
    PlainRebuild files;
    files.dump = DumpText(table);
    const Lines oldOut = SplitLines(outText), oldIn = SplitLines(inText);
    files.backupOut = JoinLines(oldOut);
    files.backupIn = JoinLines(oldIn);
    Lines out, in;
    // A decoded line's type is the one character between its type's key and
    // its date's key, wherever a name holding such keys puts them: only the
    // name may hold "]".
    static const std::regex kShape(
        R"(^Group\[[^\]]*\],\tName\[.*\],\tNumber\[[^\]]*\],\t)"
        R"(Type\[(.)\],\tDate\[[^\]]*\],\tDuration\[[^\]]*\],\tRemark\[\]$)");
    for (const auto& line : SplitLines(files.dump)) {
        std::smatch parts;
        if (!std::regex_match(line, parts, kShape))
            ADD_FAILURE() << "not a decoded line: " << line;
        const char type = parts[1].str()[0];
        if (type == '0' || type == '1')
            out.push_back(line);
        else if (type == '2' || type == '3')
            in.push_back(line);
    }
    CarryPlainly(out, oldOut);
    CarryPlainly(in, oldIn);
    files.callOut = JoinLines(out);
    files.callIn = JoinLines(in);
    return files;
}

TEST(RecordFiles, AReadOfAnyBytesGivesTheFilesOfThePlainRebuild) {
    // Random flash (names holding CR, LF, "Type[0]", "Number[" ...) over
    // old lists with every kind of line end and field-like remarks.
    std::mt19937 random(11);
    BlockTable table = ErasedBlockTable();
    for (auto& byte : table)
        byte = static_cast<std::uint8_t>(random());
    for (std::size_t slot = 0; slot < kDumpSlots; slot += 3)
        table[slot * 32 + 18] &= 0xF3; // a first digit, so most slots decode
    // Names that hold tags and line breaks: each sorted by its own type, the
    // line breaks stored as blanks.
    const std::array<std::string_view, 6> names = {"Type[1]",        "A\rType[2]", "Number[77",
                                                   "x\r\nNumber[5]", "Type[F]\n",  "[Remark[z"};
    for (std::size_t slot = 1; slot < kDumpSlots; slot += 7) {
        const std::string_view name = names[slot % names.size()];
        std::copy(name.begin(), name.end(), table.begin() + static_cast<long>(slot * 32));
        table[slot * 32 + name.size()] = 0;
    }
    std::string outText, inText;
    for (int i = 0; i < 3000; ++i) {
        const std::string number = std::to_string(random() % 100000);
        const std::string line = test::CallLine({.group = std::to_string(i),
                                                 .number = number,
                                                 .type = std::to_string(i % 4),
                                                 .remark = i % 3 ? "r" + std::to_string(i) : ""}) +
                                 (i % 5 ? "" : "Number[1]Remark[x");
        (i % 2 ? outText : inText) += line + (i % 7 == 0 ? "\r" : i % 7 == 1 ? "\n" : "\r\n");
    }
    inText += "\r\rtail without end";

    test::TempFolder temp;
    const WorkFolder folder(temp.path());
    ASSERT_EQ(folder.Prepare(), std::nullopt);
    test::Spit(folder.File("CallOutList.txt"), outText);
    test::Spit(folder.File("CallInList.txt"), inText);
    RecordFiles(folder, Utf8Encoding()).StoreRead(table);

    const PlainRebuild expected = RebuildPlainly(table, outText, inText);
    EXPECT_GT(expected.callOut.size(), 10000u);
    EXPECT_EQ(test::Slurp(folder.File("ReadFile.txt")), expected.dump);
    EXPECT_EQ(test::Slurp(folder.File("CallOutListBackup.txt")), expected.backupOut);
    EXPECT_EQ(test::Slurp(folder.File("CallInListBackup.txt")), expected.backupIn);
    EXPECT_EQ(test::Slurp(folder.File("CallOutList.txt")), expected.callOut);
    EXPECT_EQ(test::Slurp(folder.File("CallInList.txt")), expected.callIn);
}

TEST(RecordFiles, AReadStoresTheDumpListsAndBackups) {
    test::TempFolder temp;
    const WorkFolder folder(temp.path());
    ASSERT_EQ(folder.Prepare(), std::nullopt);
    const RecordFiles files(folder, Utf8Encoding());
    WriteLines(folder.File("CallOutList.txt"), {test::CallLine({.remark = "keep me"})});

    BlockTable table = ErasedBlockTable();
    sim::CallRecord out{1, "A", "100", 0, 26, 1, 2, 3, 4};
    sim::CallRecord in{2, "B", "200", 3, 26, 1, 2, 3, 4};
    sim::CallRecord other{3, "C", "300", 6, 26, 1, 2, 3, 4};
    const auto put = [&](std::size_t slot, const sim::CallRecord& record) {
        const auto bytes = sim::EncodeCallRecord(record);
        std::copy(bytes.begin(), bytes.end(), table.begin() + slot * 32);
    };
    put(0, out);
    put(5, in);
    put(17, other);
    put(kDumpSlots, out); // beyond the decoded slots
    files.StoreRead(table);

    const Lines dump = ReadLines(folder.File("ReadFile.txt"));
    ASSERT_EQ(dump.size(), 3u);
    EXPECT_EQ(ReadLines(folder.File("CallOutListBackup.txt")),
              Lines{test::CallLine({.remark = "keep me"})});
    EXPECT_EQ(ReadLines(folder.File("CallOutList.txt")),
              Lines{test::CallLine({.remark = "keep me"})});
    EXPECT_EQ(ReadLines(folder.File("CallInList.txt")), Lines{dump[1]});

    files.RebuildKinds();
    EXPECT_EQ(ReadLines(folder.File("CallOutSuccessed.txt")).size(), 1u);
    EXPECT_EQ(ReadLines(folder.File("CallInMissed.txt")), Lines{dump[1]});
    EXPECT_EQ(ReadLines(folder.File("CallOutManual.txt")), Lines{dump[2]});
    EXPECT_TRUE(ReadLines(folder.File("CallInAnswer.txt")).empty());

    // A list that cannot be read: the read's dump is still stored.
    std::filesystem::remove(folder.File("CallInList.txt"));
    std::filesystem::create_directory(folder.File("CallInList.txt"));
    std::filesystem::remove(folder.File("ReadFile.txt"));
    EXPECT_THROW(files.StoreRead(table), FileError);
    EXPECT_EQ(ReadLines(folder.File("ReadFile.txt")), dump);
    std::filesystem::remove(folder.File("CallInList.txt"));
    WriteLines(folder.File("CallInList.txt"), Lines{dump[1]});

    // A dump that cannot be stored: the lists and backups stay as they were.
    const auto snapshot = [&] {
        std::vector<std::string> texts;
        for (const char* name :
             {"CallOutList.txt", "CallInList.txt", "CallOutListBackup.txt", "CallInListBackup.txt"})
            texts.push_back(test::Slurp(folder.File(name)));
        return texts;
    };
    const auto before = snapshot();
    std::filesystem::remove(folder.File("ReadFile.txt"));
    std::filesystem::create_directory(folder.File("ReadFile.txt"));
    EXPECT_THROW(files.StoreRead(ErasedBlockTable()), FileError);
    EXPECT_EQ(snapshot(), before);
    std::filesystem::remove(folder.File("ReadFile.txt"));

    files.StoreRead(ErasedBlockTable());
    EXPECT_TRUE(ReadLines(folder.File("ReadFile.txt")).empty());
    EXPECT_TRUE(ReadLines(folder.File("CallOutList.txt")).empty());
    EXPECT_EQ(ReadLines(folder.File("CallOutListBackup.txt")).size(), 1u);
}

// The per-kind files and the lists take each call by its own type, read at
// its place: a name holding another type's tag changes nothing, and a
// manual entry named like a call stays a manual entry.
TEST(RecordFiles, KindsFollowTheTypeNotANameThatLooksLikeOne) {
    test::TempFolder temp;
    const WorkFolder folder(temp.path());
    ASSERT_EQ(folder.Prepare(), std::nullopt);
    BlockTable table = ErasedBlockTable();
    const std::vector<sim::CallRecord> calls = {{1, "Type[1]", "100", 0, 26, 1, 2, 3, 4},
                                                {2, "Type[0]", "200", 1, 26, 1, 2, 3, 4},
                                                {3, "Type[3]", "300", 2, 26, 1, 2, 3, 4},
                                                {4, "Type[2]", "400", 3, 26, 1, 2, 3, 4},
                                                {5, "Type[0]", "500", 6, 26, 1, 2, 3, 4}};
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const auto bytes = sim::EncodeCallRecord(calls[i]);
        std::copy(bytes.begin(), bytes.end(), table.begin() + static_cast<long>(i * 32));
    }
    const RecordFiles files(folder, Utf8Encoding());
    files.StoreRead(table);
    files.RebuildKinds();
    const auto numbers = [&](const char* file) {
        std::vector<std::string> found;
        for (const auto& line : ReadLines(folder.File(file)))
            found.push_back(FieldValue(line, "Number["));
        return found;
    };
    EXPECT_EQ(numbers("CallOutList.txt"), (std::vector<std::string>{"100", "200"}));
    EXPECT_EQ(numbers("CallInList.txt"), (std::vector<std::string>{"300", "400"}));
    EXPECT_EQ(numbers("CallOutSuccessed.txt"), std::vector<std::string>{"100"});
    EXPECT_EQ(numbers("CallOutFailed.txt"), std::vector<std::string>{"200"});
    EXPECT_EQ(numbers("CallInAnswer.txt"), std::vector<std::string>{"300"});
    EXPECT_EQ(numbers("CallInMissed.txt"), std::vector<std::string>{"400"});
    EXPECT_EQ(numbers("CallOutManual.txt"), std::vector<std::string>{"500"});
}

TEST(RecordFiles, ARemarkWrittenDuringAReadIsKept) {
    // A read and remark commits at once (as from two windows or the
    // command-line tool beside a window): each remark is either in the list
    // the read replaces, and carried over, or written into the new list.
    test::TempFolder temp;
    test::PollingWait wait; // each writer waits for the other's lock
    const WorkFolder folder(temp.path());
    ASSERT_EQ(folder.Prepare(), std::nullopt);
    const RecordFiles files(folder, Utf8Encoding());
    constexpr std::size_t kCalls = 200;
    BlockTable table = ErasedBlockTable();
    for (std::size_t slot = 0; slot < kCalls; ++slot) {
        const sim::CallRecord record{1, "A", std::to_string(1000 + slot), 0, 26, 1, 2, 3, 4};
        const auto bytes = sim::EncodeCallRecord(record);
        std::copy(bytes.begin(), bytes.end(), table.begin() + static_cast<long>(slot * 32));
    }
    files.StoreRead(table);
    std::thread reads([&] {
        for (int i = 0; i < 40; ++i)
            files.StoreRead(table);
    });
    for (std::size_t index = 0; index < kCalls; ++index)
        EXPECT_TRUE(
            files.CommitRemark(RecordFiles::List::CallOut, index, "r" + std::to_string(index)));
    reads.join();
    const Lines lines = ReadLines(folder.File("CallOutList.txt"));
    ASSERT_EQ(lines.size(), kCalls);
    for (std::size_t index = 0; index < kCalls; ++index)
        EXPECT_EQ(FieldValue(lines[index], "Remark["), "r" + std::to_string(index)) << index;
}

TEST(RecordFiles, LiveRecordsAndRemarkCommits) {
    test::TempFolder temp;
    const WorkFolder folder(temp.path());
    ASSERT_EQ(folder.Prepare(), std::nullopt);
    const RecordFiles files(folder, Utf8Encoding());
    // Stores what the monitor decoded; the list it went to, and checks the
    // index it reports is the line's own.
    const auto capture = [&](const std::string& frame) -> std::optional<RecordFiles::List> {
        const LiveRecord record = DecodeLiveRecord(std::span<const std::uint8_t>(
            reinterpret_cast<const std::uint8_t*>(frame.data()), frame.size()));
        const auto stored = files.StoreLiveRecord(record.line, record.type);
        if (!stored)
            return std::nullopt;
        EXPECT_EQ(ReadLines(files.ListFile(stored->list)).at(stored->index), record.line);
        return stored->list;
    };
    EXPECT_EQ(capture("cdr:Name:A;Id:1;Number:42;Type:2;"), RecordFiles::List::CallIn);
    EXPECT_EQ(capture("cdr:Name:A;Id:1;Number:43;Type:5;"), std::nullopt);
    EXPECT_EQ(capture("cdr:Name:A;Id:1;Number:44;Type:1;"), RecordFiles::List::CallOut);
    EXPECT_EQ(ReadLines(folder.File("CallInList.txt")).size(), 1u);
    // A name that reads "Type[2]" does not decide where the record goes.
    EXPECT_EQ(capture("cdr:Name:Type[2];Id:1;Number:45;Type:0;"), RecordFiles::List::CallOut);
    EXPECT_EQ(ReadLines(folder.File("CallInList.txt")).size(), 1u);
    EXPECT_EQ(FieldValue(ReadLines(folder.File("CallOutList.txt")).back(), "Number["), "45");

    using List = RecordFiles::List;
    std::string line;
    EXPECT_TRUE(files.CommitRemark(List::CallOut, 0, "abc", &line));
    EXPECT_TRUE(line.ends_with("Remark[abc];"));
    EXPECT_TRUE(files.CommitRemark(List::CallOut, 0, "x]y;z\tw"));
    line = ReadLines(folder.File("CallOutList.txt"))[0];
    EXPECT_TRUE(line.ends_with("Remark[x)y,z w];"));
    EXPECT_EQ(FieldValue(line, "Remark["), "x)y,z w");
    EXPECT_EQ(FieldValue(line, "Number["), "44");
    ASSERT_EQ(ReadLines(folder.File("CallOutList.txt")).size(), 2u);
    EXPECT_FALSE(files.CommitRemark(List::CallOut, 0, ""));
    EXPECT_FALSE(files.CommitRemark(List::CallOut, 2, "beyond"));
    EXPECT_EQ(FieldValue(ReadLines(folder.File("CallOutList.txt"))[0], "Remark["), "x)y,z w");

    // A name that holds "Remark[": the remark goes into the line's own
    // field and every other field stays.
    EXPECT_EQ(capture("cdr:Name:aRemark[b;Id:3;Number:46;Type:0;Date:26/1/2;"), List::CallOut);
    EXPECT_TRUE(files.CommitRemark(List::CallOut, 2, "note [Remark[ here", &line));
    EXPECT_EQ(line, "Group[3],\tName[aRemark[b],\tNumber[46],\tType[0],\tDate[26/1/2],\t"
                    "Duration[],\tRemark[note [Remark[ here];");
    EXPECT_TRUE(files.CommitRemark(List::CallOut, 2, "again", &line));
    EXPECT_TRUE(line.ends_with("Duration[],\tRemark[again];")) << line;
}

} // namespace
} // namespace mervadin
