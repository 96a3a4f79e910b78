#pragma once
// The main window's menus, built from its commands: the popup menus of the
// window and of the two grids, the text encoding and language menus, and the
// menu bar that holds every command grouped by what it works on. An entry
// for a button can be chosen exactly when the button can be pressed.

class QMenu;
class QString;

namespace mervadin {

class MainWindow;
class MonitorPanel;
class Prompts;

class MainMenu {
public:
    // Builds every menu of `window`, whose buttons and grids are in place.
    MainMenu(MainWindow& window, MonitorPanel& panel, Prompts& prompts);

    // With the simulated device: its window's entry in the Device menu.
    void AddSimulatorEntry();

private:
    void BuildPopupMenus();
    void BuildMenuBar();
    void BuildFileMenu();
    void BuildMonitorMenu();
    void BuildRecordsMenu();
    QMenu* BuildEncodingMenu();
    QMenu* BuildLanguageMenu();
    QMenu* AddMenu(const char* name, const QString& title);

    MainWindow& window_;
    MonitorPanel& panel_;
    Prompts& prompts_;
    QMenu* encoding_ = nullptr;
    QMenu* language_ = nullptr;
    QMenu* device_ = nullptr; // where the simulated device's window is too
};

} // namespace mervadin
