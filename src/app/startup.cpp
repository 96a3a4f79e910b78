#include "app/startup.h"

#include "access/password_window.h"
#include "app/app_texts.h"
#include "app/encoding_offer.h"
#include "app/main_window.h"
#include "files/folder_lock.h"
#include "qtcore/text_codec.h"
#include "session/device_session.h"
#include "settings/settings_file.h"
#include "sim/sim_transport.h"
#include "transports/link_setup.h"
#include "ui/file_work.h"

namespace mervadin {

Startup::Startup(WorkFolder folder, Prompts& prompts, LinkOptions link, LoginRunner login)
    : folder_(std::move(folder)), prompts_(prompts), linkOptions_(std::move(link)),
      login_(std::move(login)) {
    if (!login_)
        login_ = [](PasswordWindow& window) { window.exec(); };
    FolderLock::SetWait(&folderWait_);
}

Startup::~Startup() {
    FolderLock::SetWait(nullptr);
    // The window observes the session: it goes first.
    window_.reset();
    session_.reset();
}

std::optional<int> Startup::Run() {
    // A folder or file that cannot be made is reported now, naming the path,
    // rather than failing later in whichever command first needs it.
    if (auto failure = folder_.Prepare()) {
        prompts_.Inform(texts::app::kMessageCaption, *failure);
        return 1;
    }
    // The password window comes first and alone: the main window (its
    // grids, panels and the files they read) is built after login, so that
    // the first window shows at once however long the lists are. The main
    // window still reads the settings before the defaults are filled in
    // below.
    if (!LogIn())
        return 0;
    OfferEncodingSwitch(folder_, prompts_);
    window_ = std::make_unique<MainWindow>(folder_, prompts_);
    if (auto status = OpenLink())
        return status;
    if (!RunFileWork(
            prompts_, [this] { FillDefaultSettingsIfShort(folder_.File(file::kConfig)); },
            texts::app::kMessageCaption))
        return 1;
    return std::nullopt;
}

bool Startup::LogIn() {
    PasswordWindow window(folder_.File(file::kPassword), prompts_);
    login_(window);
    return window.Accepted();
}

std::optional<int> Startup::OpenLink() {
    // The HID layer's failure ends the program as the device's own tool
    // does, with status 0; any other (a trace file that cannot be opened)
    // is a failure.
    sim::SimDevice* simulator = nullptr;
    try {
        std::unique_ptr<Transport> transport;
        if (linkOptions_.device.kind == DeviceSelection::Kind::Simulator) {
            auto simulated = std::make_unique<SimTransport>();
            simulator = &simulated->Device();
            transport = std::move(simulated);
        } else {
            transport = OpenDeviceTransport(linkOptions_.device);
        }
        session_ = std::make_unique<DeviceSession>(
            folder_, std::make_unique<LinkSetup>(std::move(transport), linkOptions_.trace),
            TextCodec::Following());
    } catch (const HidUnavailable& e) {
        prompts_.Inform(texts::app::kMessageCaption, std::string(e.what()));
        window_.reset();
        return 0;
    } catch (const std::exception& e) {
        prompts_.Inform(texts::app::kMessageCaption, std::string(e.what()));
        window_.reset();
        return 1;
    }
    window_->AttachSession(*session_, simulator);
    if (auto* chooser = session_->Setup().Chooser())
        window_->AttachDeviceChooser(*chooser);
    session_->Open();
    return std::nullopt;
}

} // namespace mervadin
