#pragma once
// The windows' wait for a folder another Mervadin has locked. Nothing
// sleeps: a timer tries the lock every 20 ms while the event loop goes on,
// so the windows keep painting and their clocks keep running. For the first
// second clicks and keys wait their turn (a click now could start more work
// on the same folder); then a small dialog says what is waited for, with a
// Cancel that gives up: nothing is written, and the caller shows why. The
// wait ends by itself after its limit, as the command line's does.

#include "files/folder_lock.h"

#include <QDialog>

#include <chrono>

namespace mervadin {

namespace names::folder_wait {
inline constexpr const char* kDialog = "FolderWait";
inline constexpr const char* kText = "FolderWaitText";
inline constexpr const char* kCancel = "FolderWaitCancel";
} // namespace names::folder_wait

// The dialog shown while the wait goes on: what is waited for, and Cancel.
class FolderWaitDialog : public QDialog {
    Q_OBJECT
public:
    FolderWaitDialog(const std::filesystem::path& folder, QWidget* parent);
};

class WindowFolderWait : public FolderWait {
public:
    static constexpr int kTryEveryMs = 20;

    explicit WindowFolderWait(std::chrono::milliseconds limit = FolderLock::kDefaultWaitLimit)
        : limit_(limit) {}

    void Wait(const std::filesystem::path& folder, const std::function<bool()>& tryLock) override;

private:
    std::chrono::milliseconds limit_;
};

} // namespace mervadin
