#include "frames/frame_templates.h"
#include "operation/operation_runner.h"
#include "operation/operation_texts.h"
#include "settings/settings_block.h"
#include "settings/settings_file.h"
#include "settings/write_settings_operation.h"
#include "support/simulated_exchange.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

class WriteSettingsTest : public ::testing::Test, public test::SimulatedExchange {
protected:
    void SetUp() override { RestoreDefaultSettings(config); }

    OperationStatus RunFor(unsigned maxTicks) {
        return RunTicks(std::make_unique<WriteSettingsOperation>(
                            link, view, config, Utf8Encoding(),
                            [] { return LocalTime{2026, 12, 6, 20, 5, 9}; }),
                        maxTicks);
    }

    test::TempFolder temp;
    std::filesystem::path config = temp / "Config.txt";
};

// A number field holding letters would go out as 0 and be called written:
// the write is refused before anything is sent, naming the keys.
TEST_F(WriteSettingsTest, NumberFieldsWithLettersAreRefusedBeforeSending) {
    WriteSetting(config, "all time of dial to pickup=", "ab");
    WriteSetting(config, "dial number counter=", "12x");
    EXPECT_EQ(RunFor(500), OperationStatus::Failed);
    EXPECT_TRUE(transport.Frames().empty());
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].first, "Error");
    // Named as the settings editor labels them.
    EXPECT_NE(view.boxes[0].second.find("Config.txt: AnsweredWait \"ab\" is not a number, "
                                        "CallTimesStartZel \"12x\" is not a number; nothing "
                                        "was sent to the device."),
              std::string::npos)
        << view.boxes[0].second;
    // The command line names the keys its operator sets.
    const Lines lines = ReadLines(config); // the index reads them where they are
    const auto index = SettingsIndex::OfLines(lines);
    EXPECT_EQ(NotNumbersMessage("Config.txt", index, SettingsNotNumbers(index), SettingNames::Keys),
              "Config.txt: \"all time of dial to pickup=ab\" is not a number, \"dial number "
              "counter=12x\" is not a number; nothing was sent to the device.");
    // Empty and negative values are numbers as the block reads them.
    WriteSetting(config, "all time of dial to pickup=", "");
    WriteSetting(config, "dial number counter=", "-1");
    EXPECT_EQ(SettingsNotNumbers(SettingsIndex::OfLines(ReadLines(config))),
              std::vector<std::string>{});
    EXPECT_EQ(RunFor(500), OperationStatus::Succeeded);

    // The host number reaches the device one digit to a nibble: letters and
    // a seventeenth character would be changed or lost on the way.
    for (const char* host : {"138abc0013", "+8613800138000", "12345678901234567"}) {
        WriteSetting(config, "hoster number=", host);
        EXPECT_EQ(SettingsNotNumbers(SettingsIndex::OfLines(ReadLines(config))),
                  std::vector<std::string>{"hoster number="})
            << host;
    }
    transport.written.clear();
    EXPECT_EQ(RunFor(500), OperationStatus::Failed);
    EXPECT_TRUE(transport.Frames().empty());
    EXPECT_NE(view.boxes.back().second.find("Host Number \"12345678901234567\" is not a "
                                            "telephone number of at most 16 digits"),
              std::string::npos)
        << view.boxes.back().second;
    WriteSetting(config, "hoster number=", "1234567890123456");
    EXPECT_EQ(RunFor(500), OperationStatus::Succeeded);
}

TEST_F(WriteSettingsTest, WritesTheBlockAndSendsNoStopFrame) {
    EXPECT_EQ(RunFor(500), OperationStatus::Succeeded);
    ASSERT_TRUE(device.Settings().has_value());
    EXPECT_EQ((*device.Settings())[96], 0x26);
    EXPECT_EQ((*device.Settings())[88], 1);
    EXPECT_EQ(view.memo, (std::vector<std::string>{"Connecting......", "Connected   ",
                                                   "=============================", "Load ......",
                                                   "0", "Send......", "Save OK!\r", " \r", " \r",
                                                   " ======================================",
                                                   "            Write Setting OK!\r",
                                                   " ======================================"}));
    EXPECT_EQ(view.boxes.back(),
              std::make_pair(std::string("OK"), std::string("  Write Setting OK!")));
    EXPECT_EQ(view.progress, 100);
    EXPECT_EQ(view.progressLabel, "100%");
    for (const auto& frame : transport.Frames())
        EXPECT_EQ(frame.find("stop?"), std::string::npos);
}

// Every answer that does not store the block counts towards its retry
// limit, "timeout!" as much as "data_err!": a device that times out for
// ever ends the write too, with a box that says so.
TEST_F(WriteSettingsTest, TimeoutsAndDataErrorsEndTheWriteAfterFifty) {
    device.Faults().timeouts = 50;
    EXPECT_EQ(RunFor(5000), OperationStatus::Succeeded);
    EXPECT_EQ(std::count(view.errors.begin(), view.errors.end(), "Time Out!!!\r"), 50);

    view = {};
    device.Faults().timeouts = 1000000;
    EXPECT_EQ(RunFor(5000), OperationStatus::Failed);
    EXPECT_EQ(std::count(view.errors.begin(), view.errors.end(), "Time Out!!!\r"), 51);
    ASSERT_FALSE(view.boxes.empty());
    EXPECT_EQ(view.boxes.back(),
              std::make_pair(std::string("OK"),
                             std::string("The device has not stored the block after 51 answers "
                                         "or silences: the write was ended.")));
    device.Faults().timeouts = 0;

    view = {};
    device.Faults().dataErrors = 1000000;
    EXPECT_EQ(RunFor(5000), OperationStatus::Failed);
    EXPECT_EQ(std::count(view.errors.begin(), view.errors.end(), "Data Error!"), 51);
    EXPECT_EQ(view.errors[1], "0");
    EXPECT_EQ(view.errors.back(), "50");
    ASSERT_FALSE(view.boxes.empty());
    EXPECT_EQ(view.boxes.back(), std::make_pair(std::string("OK"), std::string("  Data Error!")));
}

TEST_F(WriteSettingsTest, DamagedAnswersEndWithTheOtherBoxText) {
    // The first answer (to the request) is spoiled too: the request goes again.
    device.Faults().damagedAnswers = 1000000;
    EXPECT_EQ(RunFor(3000), OperationStatus::Failed);
    EXPECT_EQ(view.memo, std::vector<std::string>{"Connect Error!"});

    view = {};
    device.Faults().damagedAnswers = 0;
    runner.Run(std::make_unique<WriteSettingsOperation>(link, view, config, Utf8Encoding()));
    while (view.memo.back() != "Send......") {
        transport.Pass(1);
        runner.OnTick();
    }
    device.Faults().damagedAnswers = 1000000;
    for (int tick = 0; tick < 5000 && runner.Busy(); ++tick) {
        transport.Pass(10);
        runner.OnTick();
    }
    EXPECT_EQ(runner.LastOutcome(), OperationStatus::Failed);
    EXPECT_EQ(std::count(view.errors.begin(), view.errors.end(), "CheckSum Error!"), 51);
    ASSERT_FALSE(view.boxes.empty());
    EXPECT_EQ(view.boxes.back(), std::make_pair(std::string("OK"), std::string("Data Error!  ")));
}

// Silence and answers of no meaning after the block count as well: each
// write ends by itself, within 51 resend waits of its block.
TEST_F(WriteSettingsTest, ADeviceThatNeverStoresTheBlockEndsTheWrite) {
    const auto reachBlock = [&] {
        view = {};
        runner.Run(std::make_unique<WriteSettingsOperation>(link, view, config, Utf8Encoding()));
        while (view.memo.back() != "Send......") {
            transport.Pass(1);
            runner.OnTick();
        }
    };
    reachBlock();
    device.Unplug(); // silent from now on; the link is not told
    const auto before = transport.written.size();
    unsigned ticks = 0;
    for (; runner.Busy() && ticks < 100000; ++ticks)
        runner.OnTick();
    EXPECT_EQ(runner.LastOutcome(), OperationStatus::Failed);
    EXPECT_EQ(ticks, 51u * 51u); // the 51st silence ends it
    EXPECT_EQ(transport.written.size() - before, 50u * 9);
    EXPECT_EQ(
        view.boxes.back().second,
        "The device has not stored the block after 51 answers or silences: the write was ended.");

    device.Plug();
    transport.Deliver();
    reachBlock();
    const std::string other = BuildFrame("velorn<okok!module?checksum:000000;>end").Text();
    ticks = 0;
    for (; runner.Busy() && ticks < 100000; ++ticks) {
        transport.Inject(other); // anything but what the write waits for
        runner.OnTick();
    }
    EXPECT_EQ(runner.LastOutcome(), OperationStatus::Failed);
    EXPECT_LT(ticks, 51u * 51u);
}

TEST_F(WriteSettingsTest, SilenceAfterConnectingResendsTheBlockEvery51Ticks) {
    runner.Run(std::make_unique<WriteSettingsOperation>(link, view, config, Utf8Encoding()));
    while (view.memo.back() != "Send......") {
        transport.Pass(1);
        runner.OnTick();
    }
    device.Unplug(); // silent from now on, but the link does not know yet
    const auto before = transport.written.size();
    for (int tick = 0; tick < 51 * 4; ++tick)
        runner.OnTick();
    EXPECT_EQ(transport.written.size() - before, 4u * 9);
    EXPECT_TRUE(runner.Busy());
    transport.Deliver(); // now the unplug arrives
    EXPECT_FALSE(runner.Busy());
    EXPECT_EQ(view.memo.back(), texts::operation::kDeviceLost);
    ASSERT_FALSE(view.boxes.empty());
    EXPECT_EQ(view.boxes.back().first, "Device disconnected");
    EXPECT_NE(view.boxes.back().second.find("write the settings again"), std::string::npos);
}

} // namespace
} // namespace mervadin
