// The controls' object names are the device's own tool's, which other tools
// and the operators' scripts use: the windows and the tests take them from
// the names headers, and this pins every one of them once.

#include "access/access_names.h"
#include "app/app_names.h"
#include "monitor/monitor_names.h"
#include "numbers/number_names.h"
#include "records/record_names.h"
#include "settings/settings_names.h"
#include "ui/ui_names.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mervadin {
namespace {

std::vector<std::string> All(std::initializer_list<const char*> names) {
    return {names.begin(), names.end()};
}

TEST(ObjectNames, AreTheDeviceToolsOwn) {
    using namespace names;
    EXPECT_EQ(All({main::kWindow, main::kUsbLamp, main::kLoadNumberButton, main::kSettingButton,
                   main::kDownLoadButton, main::kReadCdrButton, main::kDisplayCdrButton,
                   main::kCloseButton, main::kRemarkButton, main::kLoadVoiceButton,
                   main::kCallOutBox, main::kCallInBox, main::kStatusLine, main::kMonitorClock,
                   main::kWindowMenu, main::kCallOutMenu, main::kCallInMenu}),
              All({"MainSetting", "Shape1", "Button4", "Button1", "Button3", "Button41", "Button5",
                   "Button15", "Button2", "Button24", "GroupBox2", "GroupBox3", "StatusBar1",
                   "Timer1", "PopupMenu1", "PopupMenu2", "PopupMenu3"}));
    EXPECT_EQ(All({panel::kMonitorBox,       panel::kMonitorLamp,
                   panel::kFrameCounter,     panel::kMonitorOnButton,
                   panel::kMonitorOffButton, panel::kZelStartButton,
                   panel::kZelStopButton,    panel::kForwardButton,
                   panel::kSendSmsButton,    panel::kMonitorMenu,
                   panel::kLevelBox,         panel::kSpeakerBox,
                   panel::kMicrophoneBox,    panel::kTotal,
                   panel::kSignal,           panel::kSignalBars[0],
                   panel::kSignalBars[1],    panel::kSignalBars[2],
                   panel::kSignalBars[3],    panel::kLevelMenu}),
              All({"GroupBox20", "Shape6",     "Edit10",     "Button13", "Button14",
                   "Button9",    "Button19",   "Button20",   "Button23", "PopupMenu4",
                   "GroupBox15", "ComboBox29", "ComboBox30", "Edit1",    "Edit2",
                   "Shape2",     "Shape3",     "Shape4",     "Shape5",   "PopupMenu5"}));
    EXPECT_EQ(All({download::kWindow, download::kWriteSettingButton, download::kWriteNumberButton,
                   download::kWriteVoiceButton, download::kStopButton, download::kExitButton,
                   download::kErrorMemo, read::kWindow, read::kReadButton, read::kStopButton,
                   read::kExitButton, operation::kMemo, operation::kPercent, operation::kProgress,
                   operation::kClock}),
              All({"WriteData", "Button3", "Button5", "Button6", "Button1", "Button2", "Memo1",
                   "ReadData", "Button4", "Button1", "Button2", "DisplayMessage", "Label1",
                   "ProgressBar1", "Timer1"}));
    EXPECT_EQ(
        All({grids::kCallOut, grids::kCallIn, display::kWindow, display::kMemos[0],
             display::kMemos[1], display::kMemos[2], display::kMemos[3], display::kMemos[4],
             display::kSaveButtons[0], display::kSaveButtons[1], display::kSaveButtons[2],
             display::kSaveButtons[3], display::kSaveButtons[4], display::kMenu}),
        All({"DialOutGrid", "DialInGrid", "CDRDisplay", "Memo3", "Memo4", "Memo5", "Memo2", "Memo6",
             "Button10", "Button11", "Button12", "Button16", "Button17", "PopupMenu1"}));
    EXPECT_EQ(
        All({settings::kWindow, settings::kDefaultButton, settings::kSaveButton,
             settings::kSaveExitButton, settings::kExitButton, settings::kSmsBox, numbers::kWindow,
             numbers::kLoadTextButton, numbers::kLoadWorkbookButton, numbers::kStopButton,
             numbers::kOpenButton, numbers::kSaveButton, numbers::kCloseButton, numbers::kTotal,
             numbers::kPercent, numbers::kProgress, numbers::kMemo}),
        All({"Setting", "Button2", "Button1", "Button4", "Button3", "Memo7", "NumberList",
             "Button1", "Button3", "Button4", "Button5", "Button6", "Button2", "LabeledEdit1",
             "Label1", "ProgressBar1", "Memo1"}));
    EXPECT_EQ(All({login::kWindow, login::kPassword, login::kLogInButton, login::kChangeButton,
                   login::kExitButton, change::kWindow, change::kOldPassword, change::kNewPassword,
                   change::kConfirmation, change::kEnterButton, change::kExitButton}),
              All({"PasswordCheck", "Edit1", "Button1", "Button3", "Button2", "ChangePassword",
                   "OlderPassWord", "LabeledEdit1", "LabeledEdit2", "Button1", "Button2"}));
}

} // namespace
} // namespace mervadin
