#pragma once
// What happens from the program's start until the main window is shown:
// working folder and data files, main window set-up, login, default
// settings.

#include "app/prompts.h"
#include "app/work_folder.h"

#include <functional>
#include <memory>
#include <optional>

namespace mervadin {

class TMainSetting;
class TPasswordCheck;

class Startup {
public:
    // Shows the login window and returns when it has closed; tests replace it.
    using LoginRunner = std::function<void(TPasswordCheck&)>;

    Startup(WorkFolder folder, Prompts& prompts, LoginRunner login = {});
    ~Startup();

    // Runs the sequence. Returns the exit status when start-up ends the
    // program, or nothing when the main window is ready to be shown.
    std::optional<int> Run();

    TMainSetting* MainWindow() const { return window_.get(); }
    std::unique_ptr<TMainSetting> TakeMainWindow();

private:
    bool LogIn();

    WorkFolder folder_;
    Prompts& prompts_;
    LoginRunner login_;
    std::unique_ptr<TMainSetting> window_;
};

} // namespace mervadin
