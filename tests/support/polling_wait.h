#pragma once
// A test's own wait for a folder another writer (a thread of the test) has
// locked: it tries again every millisecond, for as long as a program's
// wait would, while it is installed.

#include "files/folder_lock.h"

#include <chrono>
#include <thread>

namespace mervadin::test {

class PollingWait : public FolderWait {
public:
    PollingWait() { FolderLock::SetWait(this); }
    ~PollingWait() override { FolderLock::SetWait(nullptr); }
    PollingWait(const PollingWait&) = delete;
    PollingWait& operator=(const PollingWait&) = delete;

    void Wait(const std::filesystem::path& folder, const std::function<bool()>& tryLock) override {
        const auto start = std::chrono::steady_clock::now();
        while (!tryLock()) {
            const auto waited = std::chrono::steady_clock::now() - start;
            if (waited >= FolderLock::kDefaultWaitLimit)
                FolderLock::GiveUp(folder,
                                   std::chrono::duration_cast<std::chrono::milliseconds>(waited));
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
};

} // namespace mervadin::test
