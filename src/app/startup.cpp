#include "app/startup.h"

#include "access/password_window.h"
#include "app/main_window.h"
#include "app/text_file.h"
#include "settings/settings_file.h"

namespace mervadin {

Startup::Startup(WorkFolder folder, Prompts& prompts, LoginRunner login)
    : folder_(std::move(folder)), prompts_(prompts), login_(std::move(login)) {
    if (!login_)
        login_ = [](TPasswordCheck& window) { window.exec(); };
}

Startup::~Startup() = default;

std::unique_ptr<TMainSetting> Startup::TakeMainWindow() { return std::move(window_); }

std::optional<int> Startup::Run() {
    // A folder or file that cannot be made is reported now, naming the path,
    // rather than failing later in whichever command first needs it.
    if (auto failure = folder_.Prepare()) {
        prompts_.Inform("Message", *failure);
        return 1;
    }
    window_ = std::make_unique<TMainSetting>(folder_, prompts_);
    if (!LogIn()) {
        window_.reset();
        return 0;
    }
    try {
        FillDefaultSettingsIfShort(folder_.File(file::kConfig));
    } catch (const FileError& e) {
        prompts_.Inform("Message", e.what());
        return 1;
    }
    return std::nullopt;
}

bool Startup::LogIn() {
    TPasswordCheck window(folder_.File(file::kPassword), prompts_, window_.get());
    login_(window);
    return window.Accepted();
}

} // namespace mervadin
