#include "numbers/number_packing.h"
#include "numbers/write_number_operation.h"
#include "operation/operation_runner.h"
#include "operation/operation_texts.h"
#include "support/simulated_exchange.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

std::string Hex(std::span<const std::uint8_t> bytes) {
    std::string text;
    char hex[4];
    for (auto byte : bytes) {
        std::snprintf(hex, sizeof hex, "%02X ", byte);
        text += hex;
    }
    return text.substr(0, text.size() - 1);
}

record::Record Pack(const std::string& line) {
    const auto record = PackNumberRecord(line, Utf8Encoding());
    EXPECT_TRUE(record.has_value()) << line;
    return record.value_or(record::Record{});
}

std::string Part(const std::string& line, std::size_t from, std::size_t count) {
    const record::Record record = Pack(line);
    return Hex(std::span(record).subspan(from, count));
}

TEST(NumberPacking, RecordsAsTheDeviceKeepsThem) {
    const std::string example = "41 6C 69 63 65 00 FF FF FF FF FF FF FF FF FF FF "
                                "00 00 C8 64 2F FF FF FF FF FF FF FF FF FF FF FF";
    EXPECT_EQ(Hex(Pack("12\tAlice\t8642")), example);
    EXPECT_EQ(Hex(Pack("12,Alice,8642")), example);
    EXPECT_EQ(Hex(Pack("12,Alice,8642\r")), example);
    // Six characters of GROUP, its low 20 bits.
    EXPECT_EQ(Part("1048577,A,1", 16, 3), "19 99 91"); // 104857
    EXPECT_EQ(Part("-1,A,1", 16, 3), "FF FF F1");      // its low 20 bits
    EXPECT_EQ(Part("+5,A,", 16, 9), "00 00 5F FF FF FF FF FF FF");
    // Thirteen digits fill bytes 18-24; a fourteenth is dropped.
    EXPECT_EQ(Part("1,A,12345678901234", 18, 7), "11 23 45 67 89 01 23");
    // A NAME of 16 bytes has no zero; a longer one is cut, and a UTF-8 one
    // at its last whole character.
    const record::Record full = Pack("1,ABCDEFGHIJKLMNOP,5");
    EXPECT_EQ(std::string(full.begin(), full.begin() + 17), std::string("ABCDEFGHIJKLMNOP\0", 17));
    EXPECT_EQ(Pack("1,ABCDEFGHIJKLMNOPQRST,5")[18], 0x15);
    const std::string wide =
        "\xE6\xB5\x8B\xE8\xAF\x95\xE6\xB5\x8B\xE8\xAF\x95\xE6\xB5\x8B\xE8\xAF\x95";
    const record::Record cut = Pack("1\t" + wide + "\t5");
    EXPECT_EQ(std::string(cut.begin(), cut.begin() + 16), wide.substr(0, 15) + '\0');
    // Lines without separators: nothing read past their end.
    EXPECT_EQ(Hex(Pack("7")), "00 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF "
                              "00 00 7F FF FF FF FF FF FF FF FF FF FF FF FF FF");
    EXPECT_EQ(Pack("7,Bob")[3], 0);
    for (const char* bad : {"", ",A,1", "x1,A,1", "1 ,A,1", "abc"})
        EXPECT_FALSE(PackNumberRecord(bad, Utf8Encoding()).has_value()) << bad;
}

TEST(NumberPacking, BlocksWarningsAndRefusals) {
    EXPECT_EQ(PackNumberList(Lines(16, "1,A,1"), Utf8Encoding()).blocks.size(), 1u);
    const auto two = PackNumberList(Lines(17, "1,A,1"), Utf8Encoding());
    ASSERT_EQ(two.blocks.size(), 2u);
    EXPECT_EQ(two.blocks[1][32], 0xFF);
    EXPECT_EQ(two.blocks[1][0], 'A');
    EXPECT_TRUE(PackNumberList({}, Utf8Encoding()).blocks.empty());
    EXPECT_EQ(PackNumberList(Lines(9100, "1,A,1"), Utf8Encoding()).blocks.size(), 563u);
    Lines tail(9100, "1,A,1");
    tail[9050] = "not a group"; // never sent, so never refused
    EXPECT_EQ(PackNumberList(tail, Utf8Encoding()).blocks.size(), 563u);

    const auto warned = PackNumberList(
        {"1,A,123", "2,B,12-34", "3,CCCCCCCCCCCCCCCCC,12345678901234", "4,D,5x", "5,E,1"},
        Utf8Encoding());
    ASSERT_EQ(warned.warnings.size(), 3u);
    EXPECT_EQ(warned.warnings[0].Text(),
              "Warning: 2 lines with a NUMBER that holds other characters than digits (lines "
              "2, 4)");
    EXPECT_EQ(warned.warnings[1].lines.front(), 3u);
    EXPECT_EQ(warned.warnings[2].count, 1u);
    EXPECT_EQ(FindingsSummary(warned.findings),
              "4 findings: 2 numbers with other characters than digits, 1 number cut at 13 "
              "digits, 1 name cut");
    // Many lines of a kind: the first ten named, the rest counted.
    const auto many = PackNumberList(Lines(25, "1,A,1x"), Utf8Encoding());
    EXPECT_EQ(many.warnings.at(0).Text(),
              "Warning: 25 lines with a NUMBER that holds other characters than digits (lines "
              "1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 15 more)");

    try {
        PackNumberList({"1,A,1", "1,B,2", "", "x,C,3"}, Utf8Encoding());
        FAIL() << "packed";
    } catch (const NumberListError& e) {
        EXPECT_EQ(e.line(), 3u);
    }
}

class WriteNumberTest : public ::testing::Test, public test::SimulatedExchange {
protected:
    void SetUp() override { device.Timing().eraseSteps = 3; }
    // Runs the write on both clocks: a tick of the 1-ms clock each
    // millisecond of device time, one of the 10-ms clock every tenth.
    OperationStatus Run(unsigned maxMs = 2000000) {
        return RunTicks(
            std::make_unique<WriteNumberOperation>(link, view, list, blocked, Utf8Encoding()),
            maxMs / 10, true);
    }

    test::TempFolder temp;
    std::filesystem::path list = temp / "LoadNumber.txt";
    BlockedNumbersSource blocked; // none: nothing blocked
};

TEST_F(WriteNumberTest, WritesEveryBlockThenStops) {
    Lines lines;
    for (int i = 0; i < 40; ++i)
        lines.push_back(std::to_string(i % 5 + 1) + "\tName" + std::to_string(i) + "\t1380000" +
                        std::to_string(1000 + i));
    WriteLines(list, lines);
    EXPECT_EQ(Run(), OperationStatus::Succeeded);
    const auto packed = PackNumberList(lines, Utf8Encoding());
    ASSERT_EQ(device.NumberBlocks().size(), 3u);
    for (std::size_t b = 0; b < 3; ++b)
        EXPECT_EQ(device.NumberBlocks()[b], packed.blocks[b]) << b;
    ASSERT_EQ(device.Dialer().Numbers().size(), 40u);
    EXPECT_EQ(device.Dialer().Numbers()[39].name, "Name39");
    EXPECT_EQ(device.Dialer().Numbers()[39].number, "13800001039");

    const std::vector<std::string> head(view.memo.begin(), view.memo.begin() + 8);
    EXPECT_EQ(head, (std::vector<std::string>{"Connecting......\r", "Connected! \r",
                                              "Earse......\r", "Earse......\r", "0",
                                              "==========================", "Earse......\r", "1"}));
    EXPECT_EQ(Count("EarseEnd!!!\r"), 1);
    EXPECT_EQ(Count("SaveDataEnd!\r"), 3);
    EXPECT_EQ(Count("SaveData......\r"), 3);
    EXPECT_EQ(Count("LoadData......"), 3);
    EXPECT_EQ(view.memo.back(), " ======================================\r\n");
    EXPECT_EQ(Count("                Write Number OK!\r\n"), 1);
    EXPECT_EQ(view.progressLabel, "100%");
    const auto frames = transport.Frames();
    ASSERT_GE(frames.size(), 3u);
    for (std::size_t i = frames.size() - 3; i < frames.size(); ++i)
        EXPECT_EQ(frames[i], BuildStopFrame(FrameLength::Padded).Text());
}

// The warnings: a line counting every kind, then each finding with its
// line, the first thousand of them, then how many more there are.
TEST_F(WriteNumberTest, WarningsCountEveryKindThenNameEachFinding) {
    Lines lines = {"1,Anna,100", "2,A name of twenty bytes,100"};
    for (int i = 0; i < 1000; ++i)
        lines.push_back("3,," + std::to_string(1000 + i));
    WriteLines(list, lines);
    EXPECT_EQ(Run(), OperationStatus::Succeeded);
    ASSERT_EQ(view.errors.size(), 1002u);
    EXPECT_EQ(view.errors[0], "1002 findings: 1 name cut, 1000 empty names, 1 duplicate number");
    EXPECT_EQ(view.errors[1], "line 2: the NAME is longer than 16 bytes (cut)");
    EXPECT_EQ(view.errors[2], "line 2: the NUMBER is also on line 1");
    EXPECT_EQ(view.errors[3], "line 3: the NAME is empty");
    EXPECT_EQ(view.errors.back(),
              "... and 2 more findings: Check in the list editor lists them all");
    EXPECT_EQ(device.Dialer().Numbers().size(), 1002u);
}

// An unplug in the middle of the blocks ends the write with a line that
// says so and a box that says what it means; the bar stays where the write
// stopped.
TEST_F(WriteNumberTest, AnUnplugMidwayIsToldWithWhatItMeans) {
    Lines lines;
    for (int i = 0; i < 60; ++i)
        lines.push_back("1\tName\t138000" + std::to_string(10000 + i));
    WriteLines(list, lines);
    device.Faults().unplugAfterBlocks = 2;
    int highest = 0;
    view.onProgress = [&highest](int percent) { highest = std::max(highest, percent); };
    EXPECT_EQ(Run(100000), OperationStatus::Failed);
    EXPECT_GT(highest, 0);
    EXPECT_EQ(view.memo.back(), texts::operation::kDeviceLost);
    EXPECT_EQ(view.progress, highest);
    ASSERT_FALSE(view.boxes.empty());
    EXPECT_EQ(view.boxes.back().first, "Device disconnected");
    EXPECT_NE(view.boxes.back().second.find("number list may now be incomplete"),
              std::string::npos);
}

TEST_F(WriteNumberTest, DataErrorsEndAfterFiftyAndABadListSendsNothing) {
    WriteLines(list, {"1,A,1"});
    device.Faults().dataErrors = 100;
    EXPECT_EQ(Run(), OperationStatus::Failed);
    EXPECT_EQ(Count("ResendData!\r"), 51);
    EXPECT_EQ(view.boxes.back(), (std::pair<std::string, std::string>{"OK", "DataError!"}));
    EXPECT_EQ(std::count(view.errors.begin(), view.errors.end(), "Resend Data!!\r"), 51);

    transport.written.clear();
    WriteLines(list, {"1,A,1", "two,B,2"});
    EXPECT_EQ(Run(), OperationStatus::Failed);
    EXPECT_TRUE(transport.written.empty());
    EXPECT_NE(view.errors.back().find("line 2"), std::string::npos);

    // An empty list still erases, then reports success with no block.
    device.Faults().dataErrors = 0;
    WriteLines(list, {});
    EXPECT_EQ(Run(), OperationStatus::Succeeded);
    EXPECT_EQ(Count("Send Data......\r"), 0);
}

// A device that takes each block into its flash for ever ("writingspi!",
// then silence), or answers every block with "timeout!", no longer keeps
// the write going: each counts towards the block's 51 tries, and the write
// ends with its own box. A list longer than the device holds is warned of.
TEST_F(WriteNumberTest, AWriteEndsByItselfWhateverTheDeviceAnswers) {
    Lines lines(10000, "1,A,138");
    WriteLines(list, lines);
    device.Timing().flashWriteMs = 1000000000;
    EXPECT_EQ(Run(), OperationStatus::Failed);
    EXPECT_EQ(
        view.boxes.back().second,
        "The device has not stored the block after 51 answers or silences: the write was ended.");
    EXPECT_EQ(Count("Send Data......\r"), 51); // the first send and 50 more
    EXPECT_TRUE(device.NumberBlocks().empty());
    const auto beyond = std::find_if(view.errors.begin(), view.errors.end(), [](const auto& line) {
        return line.find(" 1000 lines beyond 9000") != std::string::npos;
    });
    EXPECT_NE(beyond, view.errors.end());

    view = {};
    device.Timing().flashWriteMs = 5;
    device.Faults().timeouts = 1000000;
    EXPECT_EQ(Run(), OperationStatus::Failed);
    EXPECT_EQ(
        view.boxes.back().second,
        "The device has not stored the block after 51 answers or silences: the write was ended.");
}

} // namespace
} // namespace mervadin
