#pragma once
// The command-line tool's wait for a folder another Mervadin has locked: it
// tries the lock every 20 ms, says once on standard error that it waits
// (after a second), and gives up after its limit (--timeout, else a
// minute). The tool has nothing else to do meanwhile, so it sleeps.

#include "files/folder_lock.h"

#include <chrono>
#include <ostream>

namespace mervadin::cli {

class ConsoleFolderWait : public FolderWait {
public:
    ConsoleFolderWait(std::chrono::milliseconds limit, std::ostream& err)
        : limit_(limit), err_(err) {}

    void Wait(const std::filesystem::path& folder, const std::function<bool()>& tryLock) override;

private:
    std::chrono::milliseconds limit_;
    std::ostream& err_;
};

} // namespace mervadin::cli
