#pragma once
// The working folder holds every data file of the tool. Its place is the
// platform's constant path unless the command line or MERVADIN_WORKDIR
// names another one.

#include "files/text_lines.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mervadin {

// The data files' names, as the device's other tools and the operators'
// habits know them ("Successed" included). Do not correct them.
namespace file {
inline constexpr std::string_view kConfig = "Config.txt";
inline constexpr std::string_view kReadFile = "ReadFile.txt";
inline constexpr std::string_view kLoadNumber = "LoadNumber.txt";
inline constexpr std::string_view kCallInAnswer = "CallInAnswer.txt";
inline constexpr std::string_view kCallOutFailed = "CallOutFailed.txt";
inline constexpr std::string_view kCallInMissed = "CallInMissed.txt";
inline constexpr std::string_view kCallOutSuccessed = "CallOutSuccessed.txt";
inline constexpr std::string_view kCallOutList = "CallOutList.txt";
inline constexpr std::string_view kCallInList = "CallInList.txt";
inline constexpr std::string_view kCallOutListBackup = "CallOutListBackup.txt";
inline constexpr std::string_view kCallInListBackup = "CallInListBackup.txt";
inline constexpr std::string_view kCallOutManual = "CallOutManual.txt";
inline constexpr std::string_view kPassword = "Password.txt";
// Numbers never to call; only there when the operator made it.
inline constexpr std::string_view kBlockList = "BlockList.txt";
} // namespace file

// The working folder's constant place, spelled as help texts and messages
// show it; on Linux "~" stands for the user's home folder.
#ifdef _WIN32
inline constexpr std::string_view kDefaultFolderText = "c:\\ORVI-T300-En";
#else
inline constexpr std::string_view kDefaultFolderText = "~/ORVI-T300-En";
#endif

// What Password.txt holds when the working folder is first made.
Lines DefaultPasswordLines();

// The names of every data file, Password.txt last.
std::span<const std::string_view> DataFileNames();

class WorkFolder {
public:
    explicit WorkFolder(std::filesystem::path root) : root_(std::move(root)) {}

    // The folder to use: `override` (UTF-8) when given, else
    // MERVADIN_WORKDIR, else the platform's constant path.
    static WorkFolder Resolve(const std::optional<std::string>& override = std::nullopt);
    static std::filesystem::path PlatformDefault();

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path File(std::string_view name) const { return root_ / name; }

    // Creates the folder and every missing data file, in their fixed order,
    // under the folder's lock (which also removes what killed writers left).
    // Existing files are never touched. Returns a message naming the path
    // at fault, or nothing when all is in place.
    std::optional<std::string> Prepare() const;

private:
    std::filesystem::path root_;
};

} // namespace mervadin
