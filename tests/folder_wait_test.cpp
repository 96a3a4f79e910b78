// The command-line tool's wait for a folder another Mervadin has locked.

#include "cli/console_folder_wait.h"
#include "files/file_error.h"
#include "files/work_folder.h"
#include "support/lock_holder.h"
#include "support/temp_folder.h"

#include <atomic>
#include <gtest/gtest.h>
#include <mutex>
#include <sstream>
#include <streambuf>
#include <thread>

namespace mervadin {
namespace {

// What the wait says, kept whole; a line said is a sign to the test.
class SaidLines : public std::streambuf {
public:
    std::string Text() {
        const std::lock_guard<std::mutex> hold(mutex_);
        return text_;
    }
    std::atomic<bool> lineEnded = false;

private:
    int_type overflow(int_type c) override {
        const std::lock_guard<std::mutex> hold(mutex_);
        text_ += static_cast<char>(c);
        if (c == '\n')
            lineEnded = true;
        return c;
    }
    std::mutex mutex_;
    std::string text_;
};

// The wait says once that it waits and goes on until the lock is free (the
// holder lets go only once it has been said: each step waited for).
TEST(ConsoleFolderWait, ABusyLockIsReportedOnceAndWaitedFor) {
    test::TempFolder folder;
    SaidLines lines;
    std::ostream said(&lines);
    cli::ConsoleFolderWait wait(FolderLock::kDefaultWaitLimit, said);
    FolderLock::SetWait(&wait);
    test::LockHolder holder(folder.path());
    std::thread letGo([&] {
        while (!lines.lineEnded)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::this_thread::sleep_for(std::chrono::milliseconds(100)); // tries go on, unsaid
        holder.Release();
    });
    { const FolderLock lock(folder.path()); } // waits for the holder
    letGo.join();
    FolderLock::SetWait(nullptr);
    EXPECT_EQ(lines.Text(), "mervadin-cli: " + FolderLock::WaitText(folder.path()) + "\n");
}

// Temporaries are cleaned only under the folder's lock: a start that cannot
// have the lock (another Mervadin holds it past the wait limit) touches no
// temporary, says why, and the wait ends by itself.
TEST(ConsoleFolderWait, ABusyLockIsGivenUpAfterTheWaitLimitAndNothingIsCleanedWithoutIt) {
    namespace fs = std::filesystem;
    test::TempFolder folder;
    const WorkFolder work(folder / "wd");
    ASSERT_EQ(work.Prepare(), std::nullopt);
    std::ostringstream said;
    cli::ConsoleFolderWait wait(std::chrono::milliseconds(50), said);
    FolderLock::SetWait(&wait);
    std::optional<std::string> failure;
    {
        test::LockHolder holder(work.root());
        test::Spit(folder / "wd" / ".Config.txt.mervadin-tmp7", "a killed writer's");
        failure = work.Prepare();
        EXPECT_THROW(FolderLock{work.root()}, FileError);
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("gave up"), std::string::npos) << *failure;
    EXPECT_TRUE(fs::exists(folder / "wd" / ".Config.txt.mervadin-tmp7"));
    ASSERT_EQ(work.Prepare(), std::nullopt); // the lock is free: now it goes
    EXPECT_FALSE(fs::exists(folder / "wd" / ".Config.txt.mervadin-tmp7"));
    FolderLock::SetWait(nullptr);
}

} // namespace
} // namespace mervadin
