#include "cli/link_commands.h"

#include "link/hid_transport.h"
#include "link/link_session.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <iostream>
#include <memory>

namespace mervadin::cli {

namespace {

constexpr int kFirstCountWaitMs = 3000;

// Waits for the link's first device count, noting any advice on the way.
class FirstCount : public LinkObserver {
public:
    void OnUsbStatus(bool present, bool /*initial*/) override {
        present_ = present;
        known_ = true;
        loop_.quit();
    }
    void OnDeviceUnusable(const std::string& advice) override { advice_ = advice; }

    bool Wait() {
        if (!known_) {
            QTimer::singleShot(kFirstCountWaitMs, &loop_, &QEventLoop::quit);
            loop_.exec();
        }
        return present_;
    }
    const std::string& Advice() const { return advice_; }

private:
    QEventLoop loop_;
    bool present_ = false;
    bool known_ = false;
    std::string advice_;
};

} // namespace

int Status(const DeviceOptions& options, Streams io) {
    std::unique_ptr<LinkSession> session;
    try {
        session = std::make_unique<LinkSession>(options.device, options.trace);
    } catch (const std::exception& e) {
        io.err << "mervadin-cli: " << e.what() << '\n';
        return kFailure;
    }
    FirstCount first;
    session->Link().AddObserver(&first);
    session->Link().Open();
    const bool present = first.Wait();
    session->Link().RemoveObserver(&first);
    if (!first.Advice().empty())
        io.err << first.Advice() << '\n';
    io.out << (present ? "USB Connected" : "USB No Connect") << '\n';
    return present ? kSuccess : kFailure;
}

int ListDevices(Streams io) {
    if (!HidTransport::Initialise()) {
        io.err << "mervadin-cli: " << LinkSession::kHidInitFailed << '\n';
        return kFailure;
    }
    for (const auto& device : HidTransport::List())
        io.out << device.path << '\t' << device.manufacturer << '\t' << device.product << '\t'
               << device.serial << '\n';
    return kSuccess;
}

} // namespace mervadin::cli
