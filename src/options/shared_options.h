#pragma once
// The options mervadin and mervadin-cli both take, read in one place:
// --workdir, --device (and --simulator), --trace, --encoding, --language.
// Each program adds them to its own parser; after the parse it asks here
// what they name. Their defaults and their errors are the same in both;
// an error's text follows the program's name ("mervadin-cli: unknown ...")
// and ends the program with kBadUsage.

#include "files/work_folder.h"
#include "link/device_selection.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace CLI {
class App;
} // namespace CLI

namespace mervadin {

// The exit status of a command line that names nothing usable.
inline constexpr int kBadUsage = 2;

// A value the options name, or why they name none.
template <typename T>
struct Checked {
    std::optional<T> value;
    std::string error;
};

class SharedOptions {
public:
    // Adds the options to `app`; what they are given lands here.
    void AddTo(CLI::App& app);

    // The folder named by --workdir, else MERVADIN_WORKDIR, else the
    // platform's constant one.
    WorkFolder Folder() const;
    // The device named by --device or --simulator.
    Checked<DeviceSelection> Device() const;
    // The file named by --trace, when it was given.
    std::optional<std::filesystem::path> Trace() const;
    // Chooses the run's text encoding (--encoding, MERVADIN_ENCODING, the
    // remembered choice, the system's): an error when the name is unknown.
    std::optional<std::string> ChooseEncoding() const;
    // The windows' language for the run (--language, MERVADIN_LANGUAGE,
    // the remembered choice, the system's).
    Checked<std::string> Language() const;

private:
    std::string workdir_;
    std::string device_ = "hid";
    std::optional<std::string> trace_;
    std::string encoding_;
    std::string language_;
};

// The error of a language code that is not offered.
std::string UnknownLanguage(const std::string& code);

// The help of --workdir as this platform shows it, its default folder
// spelled as the operator knows it.
std::string WorkdirHelp();

// Parses `arguments` (the program's name first) into `app`. Nothing when
// the program goes on; else its exit status: 0 after --help or --version
// (written to `out`), kBadUsage after an error (written to `err`).
std::optional<int> ParseCommandLine(CLI::App& app, const std::vector<std::string>& arguments,
                                    std::ostream& out, std::ostream& err);

} // namespace mervadin
