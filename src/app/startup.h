#pragma once
// What happens from the program's start until the main window is shown:
// working folder and data files, login, main window set-up, the device
// session on the device chosen (the simulated one is built here), default
// settings.

#include "common/prompts.h"
#include "files/work_folder.h"
#include "link/device_selection.h"
#include "ui/folder_wait_dialog.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

namespace mervadin {

class DeviceSession;
class MainWindow;
class PasswordWindow;

struct LinkOptions {
    DeviceSelection device;
    std::optional<std::filesystem::path> trace;
};

class Startup {
public:
    // Shows the login window and returns when it has closed; tests replace it.
    using LoginRunner = std::function<void(PasswordWindow&)>;

    Startup(WorkFolder folder, Prompts& prompts, LinkOptions link, LoginRunner login = {});
    ~Startup();

    // Runs the sequence. Returns the exit status when start-up ends the
    // program, or nothing when the main window is ready to be shown.
    std::optional<int> Run();

    MainWindow* Window() const { return window_.get(); }

private:
    bool LogIn();
    std::optional<int> OpenLink();

    WorkFolder folder_;
    Prompts& prompts_;
    LinkOptions linkOptions_;
    LoginRunner login_;
    // How the windows wait for a folder another Mervadin has locked, from
    // the first lock (the folder's preparation) to the end.
    WindowFolderWait folderWait_;
    std::unique_ptr<DeviceSession> session_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace mervadin
