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
    for (const char* named : {"Config.txt", "\"all time of dial to pickup=ab\"",
                              "\"dial number counter=12x\"", "nothing was sent"})
        EXPECT_NE(view.boxes[0].second.find(named), std::string::npos) << named;
    // Empty and negative values are numbers as the block reads them.
    WriteSetting(config, "all time of dial to pickup=", "");
    WriteSetting(config, "dial number counter=", "-1");
    EXPECT_EQ(SettingsNotNumbers(SettingsIndex::OfLines(ReadLines(config))),
              std::vector<std::string>{});
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

TEST_F(WriteSettingsTest, TimeoutsAreNotCountedAndDataErrorsEndAfterFifty) {
    device.Faults().timeouts = 60;
    EXPECT_EQ(RunFor(5000), OperationStatus::Succeeded);
    EXPECT_EQ(std::count(view.errors.begin(), view.errors.end(), "Time Out!!!\r"), 60);

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
    runner.Run(std::make_unique<WriteSettingsOperation>(link, view, config));
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

TEST_F(WriteSettingsTest, SilenceAfterConnectingResendsTheBlockEvery51Ticks) {
    runner.Run(std::make_unique<WriteSettingsOperation>(link, view, config));
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
