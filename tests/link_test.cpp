#include "link/device_chooser.h"
#include "link/device_link.h"
#include "link/frame_trace.h"
#include "support/direct_transport.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

TEST(Reports, FramesAreCutIntoSixtyFourByteReports) {
    const std::string frame77(77, 'x');
    auto reports = CutIntoReports(AsBytes(frame77));
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0][0], 0);
    EXPECT_EQ(std::count(reports[0].begin() + 1, reports[0].end(), 'x'), 64);
    EXPECT_EQ(std::count(reports[1].begin() + 1, reports[1].begin() + 14, 'x'), 13);
    EXPECT_TRUE(
        std::all_of(reports[1].begin() + 14, reports[1].end(), [](auto b) { return b == 0; }));

    EXPECT_EQ(CutIntoReports(AsBytes(std::string(576, 'd'))).size(), 9u);
    EXPECT_EQ(CutIntoReports(AsBytes(std::string(64, 'd'))).size(), 1u);
    EXPECT_EQ(CutIntoReports(AsBytes(std::string(50 * 64 + 10, 'd'))).size(), 50u);
    EXPECT_TRUE(CutIntoReports({}).empty());
}

TEST(ReceiveBuffer, AppendsAtTheCountAndWraps) {
    ReceiveBuffer buffer;
    buffer.Append(AsBytes(std::string(1000, 'a')));
    buffer.Append(AsBytes("0123456789abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(buffer.View().size(), 1024u); // all of it, once wrapped
    EXPECT_EQ(buffer.View()[1023], 'n');
    EXPECT_EQ(buffer.View()[0], 'o'); // the 1025th byte overwrote the oldest
    EXPECT_EQ(buffer.View()[11], 'z');
    EXPECT_EQ(buffer.View()[12], 'a');
    buffer.Clear();
    EXPECT_TRUE(buffer.View().empty());
    buffer.Append(AsBytes("velorn<")); // after a clear a frame lies from position 0
    EXPECT_EQ(
        std::string(reinterpret_cast<const char*>(buffer.View().data()), buffer.View().size()),
        "velorn<");
}

class CountingObserver : public LinkObserver {
public:
    void OnUsbStatus(bool present, bool initial) override { events.push_back({present, initial}); }
    void OnBytesArrived() override { ++arrivals; }
    std::vector<std::pair<bool, bool>> events;
    int arrivals = 0;
};

TEST(DeviceLink, ReportNumberRuleReadEnabledAndPresence) {
    test::DirectTransport transport(nullptr, 0);
    DeviceLink link(transport);
    CountingObserver observer;
    link.AddObserver(&observer);
    link.Open();
    EXPECT_FALSE(link.Connected());
    EXPECT_EQ(observer.events, (std::vector<std::pair<bool, bool>>{{false, true}}));

    transport.Inject(std::string_view("\0abc", 4)); // dropped: reading not enabled yet
    EXPECT_TRUE(link.Received().empty());

    transport.SetCount(1);
    EXPECT_TRUE(link.Connected());
    transport.Inject(std::string_view("\0abc", 4)); // leading 0: a report number
    transport.Inject("xyz");                        // any other first byte is data
    EXPECT_EQ(
        std::string(reinterpret_cast<const char*>(link.Received().data()), link.Received().size()),
        "abcxyz");
    EXPECT_EQ(observer.arrivals, 2);

    transport.SetCount(0);
    EXPECT_FALSE(link.Connected());
    EXPECT_EQ(observer.events.back(), std::make_pair(false, false));
    link.ClearReceiveBuffer();
    transport.Inject("abc"); // dropped: reading ends with the device
    EXPECT_TRUE(link.Received().empty());
    EXPECT_EQ(observer.arrivals, 2);
    link.RemoveObserver(&observer);
}

TEST(DeviceLink, SendsFramesAndTracesBothDirections) {
    test::TempFolder folder;
    FrameTrace trace(folder / "trace.txt");
    test::DirectTransport transport;
    DeviceLink link(transport, &trace);
    link.Open();
    link.SendFrame(BuildStopFrame(FrameLength::Padded));
    EXPECT_EQ(transport.written.size(), 9u);
    transport.Inject(std::string_view("\0ok\x01\\", 5));
    const std::string text = test::Slurp(folder / "trace.txt");
    EXPECT_NE(text.find(" -> velorn<stop?"), std::string::npos);
    EXPECT_NE(text.find(" <- ok\\x01\\\\\n"), std::string::npos);
    EXPECT_NE(text.find(" -- device count 1"), std::string::npos);
}

TEST(DeviceChoice, TheNamedThenThePickedThenTheFirstDeviceIsOpened) {
    const std::vector<std::string> two = {"/dev/hidraw1", "/dev/hidraw4"};
    std::string picked;
    EXPECT_EQ(DeviceToOpen(two, "", picked), "/dev/hidraw1");
    EXPECT_EQ(DeviceToOpen({}, "", picked), std::nullopt);
    picked = "/dev/hidraw4";
    EXPECT_EQ(DeviceToOpen(two, "", picked), "/dev/hidraw4");
    // A path from the command line wins, and waits for its device.
    EXPECT_EQ(DeviceToOpen(two, "/dev/hidraw1", picked), "/dev/hidraw1");
    EXPECT_EQ(DeviceToOpen({"/dev/hidraw4"}, "/dev/hidraw1", picked), std::nullopt);
    // The pick holds until its device goes away, then is forgotten.
    EXPECT_EQ(DeviceToOpen({"/dev/hidraw1"}, "", picked), "/dev/hidraw1");
    EXPECT_EQ(picked, "");
    EXPECT_EQ(DeviceToOpen(two, "", picked), "/dev/hidraw1");
}

} // namespace
} // namespace mervadin
