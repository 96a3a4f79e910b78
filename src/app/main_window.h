#pragma once
// The main window: command buttons along the top, the monitor and level
// panels on the left, the two call record grids on the right and the link's
// status line at the bottom (a LinkStatusBar). It places and wires them,
// makes its menus (a MainMenu) from its commands, opens the tool windows with
// their guards, and closes the program.

#include "app/link_status_bar.h"
#include "common/prompts.h"
#include "files/work_folder.h"
#include "link/device_chooser.h"
#include "link/device_link.h"
#include "records/record_files.h"
#include "voice/voice_buffer.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <utility>

class QLayout;
class QPushButton;

namespace mervadin {

class CallFilterBar;
class CallListGrid;
class MainMenu;
class MonitorPanel;
class DeviceSession;
namespace sim {
class SimDevice;
}

class MainWindow : public QMainWindow, public LinkObserver {
    Q_OBJECT
public:
    // Sets the window up; the working folder must already be prepared.
    MainWindow(WorkFolder folder, Prompts& prompts, QWidget* parent = nullptr);
    ~MainWindow() override;

    // How long a passing notice (the text encoding chosen) holds the status
    // line before it says the device state again.
    static constexpr int kNoticeMs = LinkStatusBar::kNoticeMs;

    QString StatusText() const;
    void SetStatusText(const QString& text);
    int NumberCount() const;

    // "LoadNumber": the number list window; "ClearNumber" empties the list.
    void OpenNumberList();
    // "Brief introduction" (and the hidden Remark button): the remark window.
    void OpenRemark();
    // "Statistics": the call statistics window.
    void OpenStatistics();
    // "Outcome of the list…": the outcome of LoadNumber.txt in the records,
    // over `over` (this window when none is given); "Numbers never to
    // call…": the block list's window. True when the outcome's window
    // replaced LoadNumber.txt.
    bool OpenOutcome(QWidget* over = nullptr);
    void OpenBlockList(QWidget* over = nullptr);
    // The "Simulator" button (with the simulated device only): its window.
    void OpenSimulator();
    // The hidden "导入语音" button: a .bin file into the voice buffer.
    void LoadVoice();
    void ClearNumbers();
    // Reads the number count of LoadNumber.txt into Edit1.
    void LoadNumberCount();

    // The Close command: stops what runs and closes the window.
    void CloseCommand();
    // "Setting": the settings editor. "DownLoad": the download window, only
    // with a device connected.
    void OpenSettings();
    void OpenDownload();
    // "ReadCdr": the read window, only with a device connected; both grids
    // are loaded again when it closes. "DisplayCdr": the per-kind files are
    // rebuilt and shown.
    void OpenRead();
    void OpenDisplay();

    // Fills both grids from their list files (and refreshes the statistics
    // window when it is open).
    void LoadGrids();
    // Shows again everything read from the data files: after another text
    // encoding was chosen.
    void LoadTexts();
    // The popup menu's "Text encoding": reads and writes the data files'
    // text in `name` from now on, and remembers it for the user.
    void ChooseEncoding(const std::string& name);
    CallListGrid* Grid(RecordFiles::List list) const;

    // Follows the device session from now on: its link, its monitor and the
    // call records it stores; `simulator` when it runs on the simulated device.
    void AttachSession(DeviceSession& session, sim::SimDevice* simulator);
    DeviceLink* Link() const { return link_; }
    // Offers a choice in the status line while several devices are attached.
    void AttachDeviceChooser(DeviceChooser& chooser);
    // Shows the attached devices in that choice again.
    void ShowAttachedDevices();

    // LinkObserver
    void OnUsbStatus(bool present, bool initial) override;
    void OnDeviceUnusable(const std::string& advice) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FitToStatusLine();
    // The area that scrolls below the menu bar, holding the panels and grids.
    QWidget* BuildArea();
    void LayOut(QWidget* area);
    QLayout* BuildButtons(QWidget* area);
    // The call-out and call-in boxes, each a filter bar above its grid.
    std::pair<QWidget*, QWidget*> BuildGrids(QWidget* area);
    void SetTabOrder();
    void WirePanel();
    void SetCommandsEnabled(bool enabled);
    // The USB lamp and the status line as the link stands.
    void ShowLinkState();
    // Shows the live call record the session stored.
    void ShowStoredRecord(RecordFiles::List list) const;
    void AddSimulatorControls(sim::SimDevice& simulator);

    WorkFolder folder_;
    Prompts& prompts_;
    LinkStatusBar* linkBar_ = nullptr;
    MonitorPanel* panel_ = nullptr;
    DeviceLink* link_ = nullptr;
    RecordFiles records_;
    // The voice prompt loaded by the hidden "导入语音" button, for the run.
    VoiceBuffer voice_;
    std::array<CallListGrid*, 2> grids_{};
    std::array<CallFilterBar*, 2> filters_{}; // above the grids
    // The commands refused while the monitor runs: Setting, LoadNumber,
    // DisplayCdr, DownLoad, ReadCdr, Close.
    std::array<QPushButton*, 6> commands_{};
    QPushButton* remark_ = nullptr;
    std::unique_ptr<MainMenu> menu_;
    DeviceChooser* chooser_ = nullptr;
    class StatisticsWindow* statistics_ = nullptr;
    std::unique_ptr<class SimulatorWindow> simulatorWindow_;
    bool simulated_ = false;
    bool storeFailing_ = false; // a live record could not be stored; said, none stored since
    bool monitorCut_ = false;   // the device went away while monitoring, not seen back yet
};

} // namespace mervadin
