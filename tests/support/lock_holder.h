#pragma once
// A folder's lock held from another thread, as another process would hold
// it, until the test lets go.

#include "files/folder_lock.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

namespace mervadin::test {

// Holds the lock of a folder, as another process would, until told to let go.
class LockHolder {
public:
    explicit LockHolder(const std::filesystem::path& folder)
        : thread_([this, folder] {
              const FolderLock lock(folder);
              held_ = true;
              while (!release_)
                  std::this_thread::sleep_for(std::chrono::milliseconds(5));
          }) {
        while (!held_)
            std::this_thread::yield();
    }
    ~LockHolder() { Release(); }
    void Release() {
        release_ = true;
        if (thread_.joinable())
            thread_.join();
    }

private:
    std::atomic<bool> held_ = false, release_ = false;
    std::thread thread_;
};

} // namespace mervadin::test
