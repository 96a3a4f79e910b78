#include "app/main_window.h"

#include "app/lamp.h"
#include "app/qt_prompts.h"
#include "app/text_file.h"
#include "records/call_list_grid.h"
#include "settings/settings_file.h"
#include "settings/settings_window.h"
#include "settings/write_window.h"
#include "records/display_window.h"
#include "records/read_window.h"
#include "sim/sim_device.h"

#include <QCloseEvent>
#include <QSignalBlocker>
#include <QToolButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

namespace mervadin {

namespace {


template <typename W> W* Place(W* widget, const char* name, int left, int top, int w, int h) {
    widget->setObjectName(name);
    widget->setGeometry(left, top, w, h);
    return widget;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, int left, int top,
                        int w, int h) {
    return Place(new QPushButton(caption, parent), name, left, top, w, h);
}

QComboBox* MakeLevelBox(QWidget* parent, const char* name, const QString& prefix, int top,
                        int levels) {
    auto* box = Place(new QComboBox(parent), name, 8, top, 113, 24);
    box->addItem("-OFF-");
    for (int i = 1; i <= levels; ++i)
        box->addItem(prefix + QString::number(i));
    return box;
}

void AttachMenu(QWidget* widget, QMenu* menu) {
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, menu,
                     [widget, menu](const QPoint& at) { menu->popup(widget->mapToGlobal(at)); });
}

} // namespace

TMainSetting::TMainSetting(WorkFolder folder, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), folder_(std::move(folder)), prompts_(prompts), records_(folder_) {
    setObjectName("MainSetting");
    setWindowTitle("Mervadin Ver:A00-002");
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(863, 540);
    move(237, 65);

    auto* area = new QWidget(this);
    area->setObjectName("ClientArea");
    setCentralWidget(area);
    status_ = new QLabel("USB No Connect");
    status_->setObjectName("StatusBar1");
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(false);

    BuildButtons(area);
    BuildMonitorPanel(area);
    BuildLevelPanel(area);
    BuildGrids(area);
    BuildMenus();

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(1);
    connect(timer1_, &QTimer::timeout, this, [this] {
        if (monitor_)
            monitor_->OnTick();
    });
    timer1_->start();

    LoadNumberCount();
    LoadGrids();
    LoadLevelBoxes();
}

void TMainSetting::BuildButtons(QWidget* area) {
    usbLamp_ = Place(new Lamp(area), "Shape1", 16, 8, 97, 33);
    MakeButton(area, "Button4", "LoadNumber", 136, 4, 105, 37);
    connect(MakeButton(area, "Button1", "Setting", 262, 4, 99, 37), &QPushButton::clicked, this,
            &TMainSetting::OpenSettings);
    connect(MakeButton(area, "Button3", "DownLoad", 382, 4, 99, 37), &QPushButton::clicked, this,
            &TMainSetting::OpenDownload);
    connect(MakeButton(area, "Button41", "ReadCdr", 502, 4, 99, 37), &QPushButton::clicked, this,
            &TMainSetting::OpenRead);
    connect(MakeButton(area, "Button5", "DisplayCdr", 622, 4, 99, 37), &QPushButton::clicked,
            this, &TMainSetting::OpenDisplay);
    auto* close = MakeButton(area, "Button15", "Close", 742, 4, 99, 37);
    connect(close, &QPushButton::clicked, this, &TMainSetting::CloseCommand);

    auto* remark = MakeButton(area, "Button2", "Remark", 0, 0, 75, 25);
    remark->setVisible(false);
    remark->setEnabled(false);
    MakeButton(area, "Button24", "导入语音", 0, 0, 75, 25)->setVisible(false);
}

void TMainSetting::BuildMonitorPanel(QWidget* area) {
    auto* panel = Place(new QGroupBox(area), "GroupBox20", 0, 48, 129, 321);
    Place(new Lamp(panel), "Shape6", 16, 16, 97, 25);
    Place(new QLineEdit(panel), "Edit10", 16, 48, 97, 24)->setReadOnly(true);
    const char* names[] = {"Button13", "Button14", "Button9", "Button19", "Button20", "Button23"};
    const char* captions[] = {"MonitorON", "MonitorOFF", "ZelStart",
                              "ZelStop",   "Forward",    "SendSms"};
    void (TMainSetting::*commands[])() = {
        &TMainSetting::MonitorOn,   &TMainSetting::MonitorOff, &TMainSetting::StartDialing,
        &TMainSetting::StopDialing, &TMainSetting::Forward,    &TMainSetting::SendSms};
    for (int i = 0; i < 6; ++i)
        connect(MakeButton(panel, names[i], captions[i], 16, 80 + 40 * i, 97, 33),
                &QPushButton::clicked, this, commands[i]);
}

void TMainSetting::BuildLevelPanel(QWidget* area) {
    auto* panel = Place(new QGroupBox(area), "GroupBox15", 0, 368, 129, 145);
    speakerBox_ = MakeLevelBox(panel, "ComboBox29", "SpkVol:", 14, 9);
    micBox_ = MakeLevelBox(panel, "ComboBox30", "MicVol:", 46, 15);
    // Only the operator's choice counts as a change, not the program's.
    connect(speakerBox_, &QComboBox::activated, this, &TMainSetting::SpeakerChanged);
    connect(micBox_, &QComboBox::activated, this, &TMainSetting::MicrophoneChanged);
    totalEdit_ = Place(new QLineEdit(panel), "Edit1", 8, 73, 113, 21);
    totalEdit_->setReadOnly(true);
    Place(new QLineEdit(panel), "Edit2", 8, 112, 49, 24)->setReadOnly(true);
    const char* bars[] = {"Shape2", "Shape3", "Shape4", "Shape5"};
    for (int i = 0; i < 4; ++i) {
        const int height = 17 + 8 * i;
        Place(new Lamp(panel), bars[i], 64 + 14 * i, 138 - height, 11, height);
    }
}

void TMainSetting::BuildGrids(QWidget* area) {
    auto* outBox = Place(new QGroupBox("CallOutList", area), "GroupBox2", 136, 48, 721, 281);
    auto* inBox = Place(new QGroupBox("CallInList", area), "GroupBox3", 136, 336, 721, 177);
    for (auto [box, list] : {std::pair{outBox, RecordFiles::List::CallOut},
                             std::pair{inBox, RecordFiles::List::CallIn}}) {
        auto* grid = new CallListGrid(list, records_, prompts_, box);
        grid->setGeometry(4, 16, box->width() - 8, box->height() - 20);
        grids_[static_cast<std::size_t>(list)] = grid;
    }
}

QMenu* TMainSetting::BuildMenu(const char* name, const QStringList& captions) {
    auto* menu = new QMenu(this);
    menu->setObjectName(name);
    for (const auto& caption : captions) {
        auto* action = menu->addAction(caption);
        if (caption == "Close")
            connect(action, &QAction::triggered, this, &TMainSetting::CloseCommand);
    }
    return menu;
}

void TMainSetting::BuildMenus() {
    AttachMenu(centralWidget(),
               BuildMenu("PopupMenu1", {"LoadNumber", "ClearNumber", "Setting", "DownLoad",
                                        "ReadCDR", "DisplayCDR", "Brief introduction", "Close"}));
    WireMenu("PopupMenu1", "Setting", &TMainSetting::OpenSettings);
    WireMenu("PopupMenu1", "DownLoad", &TMainSetting::OpenDownload);
    WireMenu("PopupMenu1", "ReadCDR", &TMainSetting::OpenRead);
    WireMenu("PopupMenu1", "DisplayCDR", &TMainSetting::OpenDisplay);
    AttachMenu(Grid(RecordFiles::List::CallOut),
               BuildMenu("PopupMenu2", {"Callout CDR Save as ", "Display CDR",
                                        "Clear Callout CDR List", "Close"}));
    AttachMenu(Grid(RecordFiles::List::CallIn),
               BuildMenu("PopupMenu3",
                         {"Callin CDR Save as", "Display CDR", "Clear Callin CDR list", "Close"}));
    using List = RecordFiles::List;
    WireMenu("PopupMenu2", "Callout CDR Save as ", [this] { Grid(List::CallOut)->SaveAs(); });
    WireMenu("PopupMenu2", "Display CDR", &TMainSetting::OpenDisplay);
    WireMenu("PopupMenu2", "Clear Callout CDR List", [this] { Grid(List::CallOut)->Clear(); });
    WireMenu("PopupMenu3", "Callin CDR Save as", [this] { Grid(List::CallIn)->SaveAs(); });
    WireMenu("PopupMenu3", "Display CDR", &TMainSetting::OpenDisplay);
    WireMenu("PopupMenu3", "Clear Callin CDR list", [this] { Grid(List::CallIn)->Clear(); });
    AttachMenu(findChild<QGroupBox*>("GroupBox20"),
               BuildMenu("PopupMenu4", {"MoniterOn", "MoniterOff", "Zel Start", "Zel End",
                                        "Forward", "Send SMS", "Close"}));
    AttachMenu(findChild<QGroupBox*>("GroupBox15"),
               BuildMenu("PopupMenu5", {"M-module Spk Vol Add", "M-module Spk Vol Sub",
                                        "M-module Mic Vol Add", "M-module Mic Vol Sub", "Close"}));
    WireMenu("PopupMenu4", "MoniterOn", &TMainSetting::MonitorOn);
    WireMenu("PopupMenu4", "MoniterOff", &TMainSetting::MonitorOff);
    WireMenu("PopupMenu4", "Zel Start", &TMainSetting::StartDialing);
    WireMenu("PopupMenu4", "Zel End", &TMainSetting::StopDialing);
    WireMenu("PopupMenu4", "Forward", &TMainSetting::Forward);
    WireMenu("PopupMenu4", "Send SMS", &TMainSetting::SendSms);
    WireMenu("PopupMenu5", "M-module Spk Vol Add", [this] { StepSpeaker(+1); });
    WireMenu("PopupMenu5", "M-module Spk Vol Sub", [this] { StepSpeaker(-1); });
    WireMenu("PopupMenu5", "M-module Mic Vol Add", [this] { StepMicrophone(+1); });
    WireMenu("PopupMenu5", "M-module Mic Vol Sub", [this] { StepMicrophone(-1); });
}

void TMainSetting::WireMenu(const char* menu, const QString& caption,
                            std::function<void()> command) {
    for (auto* action : findChild<QMenu*>(menu)->actions())
        if (action->text() == caption)
            connect(action, &QAction::triggered, this, command);
}

void TMainSetting::WireMenu(const char* menu, const QString& caption,
                            void (TMainSetting::*command)()) {
    WireMenu(menu, caption, [this, command] { (this->*command)(); });
}

void TMainSetting::OpenRead() {
    if (!link_ || !link_->Connected()) {
        prompts_.Inform("  Error  ", "   No Connect!!  ");
        return;
    }
    {
        TReadData window(*link_, folder_, prompts_, this);
        window.exec();
    }
    LoadGrids();
}

void TMainSetting::OpenDisplay() {
    try {
        records_.RebuildKinds();
    } catch (const FileError& e) {
        ShowFileError(e);
        return;
    }
    TCDRDisplay window(folder_, prompts_, this);
    window.exec();
}

CallListGrid* TMainSetting::Grid(RecordFiles::List list) const {
    return grids_[static_cast<std::size_t>(list)];
}

void TMainSetting::LoadGrids() {
    for (auto* grid : grids_)
        grid->Load();
}

void TMainSetting::OpenSettings() {
    TSetting window(folder_.File(file::kConfig), prompts_, this);
    window.exec();
}

void TMainSetting::OpenDownload() {
    if (!link_ || !link_->Connected()) {
        prompts_.Inform("  Error  ", "   No Connect!  ");
        return;
    }
    TWriteData window(*link_, folder_, prompts_, this);
    window.exec();
}

QString TMainSetting::StatusText() const { return status_->text(); }

void TMainSetting::SetStatusText(const QString& text) { status_->setText(text); }

void TMainSetting::LoadNumberCount() {
    try {
        numberCount_ = static_cast<int>(ReadLines(folder_.File(file::kLoadNumber)).size());
    } catch (const FileError& e) {
        numberCount_ = 0;
        ShowFileError(e);
    }
    totalEdit_->setText("Total:" + QString::number(numberCount_));
}

void TMainSetting::LoadLevelBoxes() {
    try {
        const auto config = folder_.File(file::kConfig);
        speakerBox_->setCurrentIndex(ReadIntSetting(config, "phone="));
        micBox_->setCurrentIndex(ReadIntSetting(config, "mic="));
    } catch (const FileError& e) {
        ShowFileError(e);
    }
}

void TMainSetting::ShowFileError(const std::exception& error) {
    prompts_.Inform("Error", error.what());
}

void TMainSetting::CloseCommand() {
    if (monitor_)
        monitor_->Stop(); // the stop-request flag ends a running monitor
    close();
}

TMainSetting::~TMainSetting() {
    monitor_.reset();
    if (link_)
        link_->RemoveObserver(this);
}

void TMainSetting::closeEvent(QCloseEvent* event) {
    // Nothing received after the window closes is stored.
    if (link_)
        link_->SetReadEnabled(false);
    QMainWindow::closeEvent(event);
}

void TMainSetting::AttachLink(DeviceLink& link, sim::SimDevice* simulator) {
    link_ = &link;
    link.AddObserver(this);
    monitor_ = std::make_unique<MonitorSession>(link, *this);
    simulated_ = simulator != nullptr;
    if (simulator) {
        setWindowTitle(windowTitle() + " [simulated device]");
        AddSimulatorControls(*simulator);
    }
}

void TMainSetting::SetEnabled(std::initializer_list<const char*> names, bool enabled) {
    for (const char* name : names)
        findChild<QPushButton*>(name)->setEnabled(enabled);
}

void TMainSetting::ClearSignal() {
    for (const char* bar : {"Shape2", "Shape3", "Shape4", "Shape5"})
        findChild<Lamp*>(bar)->SetColour(colour::kSilver);
    findChild<QLineEdit*>("Edit2")->clear();
    findChild<QLineEdit*>("Edit10")->clear();
}

void TMainSetting::MonitorOn() {
    if (!link_ || !link_->Connected()) {
        prompts_.Inform("  Error  ", "   No Connect!  ");
        return;
    }
    try {
        const auto count = ReadLines(folder_.File(file::kLoadNumber)).size();
        totalEdit_->setText("Total:" + QString::number(count));
    } catch (const FileError& e) {
        ShowFileError(e);
    }
    monitor_->Start();
    ClearSignal();
    findChild<Lamp*>("Shape6")->SetColour(colour::kGreen);
    SetEnabled({"Button1", "Button4", "Button5", "Button3", "Button41", "Button15", "Button13",
                "Button20", "Button19"},
               false);
    SetEnabled({"Button9", "Button14", "Button23"}, true);
}

void TMainSetting::MonitorOff() {
    if (!monitor_ || !monitor_->Active())
        return;
    monitor_->Stop();
    ClearSignal();
    findChild<Lamp*>("Shape6")->SetColour(colour::kSilver);
    SetEnabled({"Button1", "Button4", "Button5", "Button3", "Button41", "Button15", "Button13"},
               true);
    SetEnabled({"Button9", "Button14", "Button19", "Button23"}, false);
    SetStatusText("No Connect");
}

void TMainSetting::DeviceLost() {
    ClearSignal();
    findChild<Lamp*>("Shape6")->SetColour(colour::kSilver);
    SetEnabled({"Button1", "Button4", "Button5", "Button3", "Button41", "Button2", "Button15",
                "Button13"},
               true);
    SetEnabled({"Button9", "Button14", "Button19"}, false);
    SetStatusText("");
}

void TMainSetting::StartDialing() {
    if (!monitor_ || !monitor_->Active())
        return;
    monitor_->RequestStart();
    SetEnabled({"Button19", "Button20"}, true);
    SetEnabled({"Button9", "Button14"}, false);
}

void TMainSetting::StopDialing() {
    if (!monitor_ || !monitor_->Active())
        return;
    monitor_->RequestStopDialing();
    SetEnabled({"Button9", "Button14"}, true);
    SetEnabled({"Button19", "Button20"}, false);
}

void TMainSetting::Forward() {
    if (monitor_ && monitor_->Active())
        monitor_->RequestForward();
}

void TMainSetting::SendSms() {
    if (monitor_ && monitor_->Active())
        monitor_->RequestSms();
}

void TMainSetting::SpeakerChanged() {
    if (monitor_)
        monitor_->RequestSpeaker(speakerBox_->currentIndex());
}

void TMainSetting::MicrophoneChanged() {
    if (monitor_)
        monitor_->RequestMicrophone(micBox_->currentIndex());
}

void TMainSetting::StepSpeaker(int step) {
    const int index = speakerBox_->currentIndex();
    speakerBox_->setCurrentIndex(step > 0 ? std::min(index + 1, 9) : index > 0 ? index - 1 : index);
    SpeakerChanged();
}

void TMainSetting::StepMicrophone(int step) {
    const int index = micBox_->currentIndex();
    micBox_->setCurrentIndex(step > 0 ? std::min(index + 1, 15) : index > 0 ? index - 1 : index);
    MicrophoneChanged();
}

void TMainSetting::FillLevelBox(QComboBox* box, const QString& prefix, int max, int selected) {
    const QSignalBlocker blocker(box);
    box->clear();
    for (int i = 0; i <= max; ++i)
        box->addItem(prefix + QString::number(i));
    box->insertItem(0, "-OFF-");
    box->setCurrentIndex(selected);
}

void TMainSetting::ShowModel(const DeviceModel& model) {
    findChild<QGroupBox*>("GroupBox20")->setTitle(ToQString(model.displayName));
    FillLevelBox(speakerBox_, "SpkVol:", model.speakerMax, model.speakerIndex);
    FillLevelBox(micBox_, "MicVol:", model.micMax, model.micIndex);
}

void TMainSetting::ShowStatus(const StatusReport& report, std::uint32_t frameCount, Bytes frame) {
    findChild<QLineEdit*>("Edit2")->setText(report.signal ? QString::number(*report.signal) : "");
    const char* bars[] = {"Shape2", "Shape3", "Shape4", "Shape5"};
    for (int i = 0; i < 4; ++i)
        findChild<Lamp*>(bars[i])->SetColour(i < report.signalBars ? colour::kGreen
                                                                   : colour::kSilver);
    if (report.hasRecord) {
        try {
            if (const auto list = records_.CaptureCallRecord(frame))
                Grid(*list)->RefreshLastRow();
        } catch (const FileError& e) {
            ShowFileError(e);
        }
    }
    totalEdit_->setText("Total:" + QString::number(numberCount_) + "/" +
                        ToQString(report.counter));
    SetStatusText(FromFileText(report.statusLine));
    findChild<QLineEdit*>("Edit10")->setText(QString::number(frameCount));
}

void TMainSetting::AddSimulatorControls(sim::SimDevice& simulator) {
    auto* button = new QToolButton(statusBar());
    button->setObjectName("SimulatorButton");
    button->setText("Simulator");
    button->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(button);
    menu->setObjectName("SimulatorMenu");
    connect(menu->addAction("Unplug simulated device"), &QAction::triggered, this,
            [&simulator] { simulator.Unplug(); });
    connect(menu->addAction("Plug in simulated device"), &QAction::triggered, this,
            [&simulator] { simulator.Plug(); });
    auto* models = menu->addMenu("Model");
    for (const auto& model : DeviceModels())
        connect(models->addAction(ToQString(model.displayName)), &QAction::triggered, this,
                [&simulator, id = model.id] { simulator.Dialer().SetModel(id); });
    button->setMenu(menu);
    statusBar()->addPermanentWidget(button);
}

void TMainSetting::OnUsbStatus(bool present, bool initial) {
    const QString suffix = simulated_ ? " (simulated device)" : "";
    if (present) {
        usbLamp_->SetColour(colour::kRed);
        SetStatusText("USB Connected" + suffix);
        return;
    }
    usbLamp_->SetColour(colour::kSilver);
    if (!initial)
        SetStatusText("USB No Connect" + suffix);
}

void TMainSetting::OnDeviceUnusable(const std::string& advice) {
    SetStatusText(ToQString(advice));
}

} // namespace mervadin
