#include "cli/console_folder_wait.h"

#include <thread>

namespace mervadin::cli {

void ConsoleFolderWait::Wait(const std::filesystem::path& folder,
                             const std::function<bool()>& tryLock) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto noticeAt = start + std::chrono::milliseconds(FolderLock::kNoticeAfterMs);
    bool noticed = false;
    while (!tryLock()) {
        const auto now = Clock::now();
        if (now - start >= limit_)
            FolderLock::GiveUp(folder,
                               std::chrono::duration_cast<std::chrono::milliseconds>(now - start));
        if (!noticed && now >= noticeAt) {
            noticed = true;
            err_ << "mervadin-cli: " << FolderLock::WaitText(folder) << '\n' << std::flush;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace mervadin::cli
