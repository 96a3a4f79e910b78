// mervadin-cli: the tool's operations from the command line, on the same
// core as the windows.

#include "cli/cli_start.h"
#include "cli/commands.h"
#include "cli/console_folder_wait.h"
#include "cli/link_commands.h"
#include "cli/monitor_command.h"
#include "cli/number_commands.h"
#include "cli/record_commands.h"
#include "cli/round_commands.h"
#include "files/file_notice.h"
#include "files/folder_lock.h"
#include "files/path_text.h"
#include "frames/device_words.h"
#include "options/option_checks.h"
#include "options/shared_options.h"
#include "qtcore/translation.h"
#include "settings/settings_keys.h"

#include <QCoreApplication>

#include <CLI/CLI.hpp>
#include <chrono>
#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>

using namespace mervadin;

namespace {

struct Options {
    SharedOptions shared;
    std::optional<unsigned> timeout;
};

// The command line's subcommands, each declared once with what it does: the
// subcommand's callback picks its action, which runs after the options that
// every command shares have been checked.
class Commands {
public:
    Commands(CLI::App& app, const Options& options) : app_(app), options_(options) {}

    void AddAll() {
        AddDeviceCommands();
        AddSettingsCommands();
        AddRecordCommands();
        AddNumberCommands();
        AddRoundCommands();
        AddOtherCommands();
    }

    // The chosen subcommand's action.
    int Run() const { return action_ ? action_() : cli::kBadInput; }
    // Whether it draws (a report): it then needs Qt's GUI, not only its core.
    bool Draws() const { return stats_.pdf.has_value(); }

private:
    using Action = std::function<int()>;

    CLI::App* Add(CLI::App& parent, const char* name, const char* description, Action action) {
        auto* command = parent.add_subcommand(name, description);
        command->callback([this, action = std::move(action)] { action_ = action; });
        return command;
    }
    CLI::App* Add(const char* name, const char* description, Action action) {
        return Add(app_, name, description, std::move(action));
    }
    // A command that talks to the device named by --device and --trace.
    CLI::App* AddOnDevice(const char* name, const char* description,
                          std::function<int(const cli::DeviceOptions&)> action) {
        return Add(name, description, [this, action = std::move(action)] {
            const auto device = Device();
            return device ? action(*device) : cli::kBadInput;
        });
    }

    WorkFolder Folder() const { return options_.shared.Folder(); }
    cli::Streams Io() const { return {std::cin, std::cout, std::cerr}; }

    // The device options, or nothing (said on standard error) when they
    // name nothing usable.
    std::optional<cli::DeviceOptions> Device() const {
        const auto selection = options_.shared.Device();
        if (!selection.value) {
            std::cerr << "mervadin-cli: " << selection.error << '\n';
            return std::nullopt;
        }
        cli::DeviceOptions device{*selection.value, std::nullopt, options_.timeout};
        if (const auto trace = options_.shared.Trace()) {
            if (!std::ofstream(*trace, std::ios::app)) {
                std::cerr << "mervadin-cli: " << Utf8Of(*trace)
                          << ": cannot open the trace file for appending\n";
                return std::nullopt;
            }
            device.trace = *trace;
        }
        return device;
    }

    void AddDeviceCommands() {
        AddOnDevice("status", "print whether a device is present (exit 0) or not (exit 1)",
                    [this](const auto& device) { return cli::Status(device, Io()); });
        AddOnDevice("list-devices", "list the matching USB HID devices",
                    [this](const auto&) { return cli::ListDevices(Io()); });
        AddOnDevice(
            "write-settings", "write the settings block into the device",
            [this](const auto& device) { return cli::WriteSettings(Folder(), device, Io()); });
        AddOnDevice("read-cdr", "read the call records into ReadFile.txt and the lists",
                    [this](const auto& device) { return cli::ReadCdr(Folder(), device, Io()); });
        AddOnDevice(
            "write-numbers", "write LoadNumber.txt into the device",
            [this](const auto& device) { return cli::WriteNumbers(Folder(), device, Io()); });
        AddOnDevice(
            "write-voice", "load a voice prompt file and write it into the device",
            [this](const auto& device) { return cli::WriteVoice(voiceFile_, device, Io()); })
            ->add_option("FILE", voiceFile_, "the voice prompt, a .bin file of at most 32 MiB")
            ->required();
        AddOnDevice(
            "monitor",
            "watch the device; commands on standard input: start, stop, forward, sms, "
            "spk N (0-9), mic N (0-15), off",
            [this](const auto& device) { return cli::Monitor(Folder(), device, frames_, Io()); })
            ->add_option("--frames", frames_, "end after this many intact status frames")
            ->check(CLI::Range(1U, UINT_MAX));
    }

    void AddSettingsCommands() {
        auto* block =
            Add("settings-block", "print the settings block built from Config.txt", [this] {
                return cli::SettingsBlockCommand(
                    Folder(), stampGiven_ ? std::optional(stamp_) : std::nullopt, Io());
            });
        block->add_option("--at", stamp_, "date and time to stamp, as \"YYYY-MM-DD HH:MM:SS\"")
            ->check(OneLine())
            ->each([this](const std::string&) { stampGiven_ = true; });
        auto* config = app_.add_subcommand("config", "read and write Config.txt");
        config->require_subcommand(1);
        Add(*config, "get", "print a setting's text (empty when absent)",
            [this] { return cli::ConfigGet(Folder(), key_, false, Io()); })
            ->add_option("KEY", key_, std::string("the key, e.g. ") + keys::kSpeakerVolume)
            ->required();
        Add(*config, "get-int", "print a setting as an integer (0 when absent or invalid)",
            [this] { return cli::ConfigGet(Folder(), key_, true, Io()); })
            ->add_option("KEY", key_)
            ->required();
        auto* set = Add(*config, "set", "write a setting",
                        [this] { return cli::ConfigSet(Folder(), key_, value_, Io()); });
        set->add_option("KEY", key_)->required();
        set->add_option("VALUE", value_)->required();
        Add(*config, "defaults", "replace Config.txt by the default settings",
            [this] { return cli::ConfigDefaults(Folder(), Io()); });
    }

    void AddRecordCommands() {
        Add("decode-cdr", "decode a file of 512-byte blocks as a read would",
            [this] { return cli::DecodeCdr(Folder(), blocksFile_, Io()); })
            ->add_option("FILE", blocksFile_, "the blocks, as the read's block table holds them")
            ->required();
        Add("rebuild-kinds", "refill the five per-kind call record files",
            [this] { return cli::RebuildKinds(Folder(), Io()); });
        auto* stats = Add("stats", "print call statistics of CallOutList.txt and CallInList.txt",
                          [this] { return cli::Stats(Folder(), stats_, Io()); });
        AddFilterOptions(*stats, stats_.filter);
        stats->add_option("--by", stats_.by, "a row per day or per group")
            ->check(CLI::IsMember({"day", "group"}));
        stats->add_flag("--csv", stats_.csv, "print CSV instead of a table");
        stats
            ->add_option("--pdf", stats_.pdf,
                         "also write the report (title, days, totals, chart, groups) as a PDF "
                         "of one or two pages")
            ->type_name("FILE")
            ->check(NotEmpty("--pdf names no file"));
        stats->add_flag("--outcome", stats_.outcome,
                        "the report holds the outcome of LoadNumber.txt too");
        stats
            ->add_option("--list", stats_.list,
                         "the report holds the outcome of this number list file too")
            ->type_name("FILE")
            ->check(NotEmpty("--list names no file"));
        auto* exportRecords =
            Add("export-records", "save a call list as a CSV file or an .xlsx workbook", [this] {
                return cli::ExportRecordsCommand(
                    Folder(), list_, exportFile_, filter_,
                    noBom_ ? ByteOrderMark::Leave : ByteOrderMark::Write, Io());
            });
        AddListArgument(*exportRecords);
        exportRecords->add_option("FILE", exportFile_, "FILE.csv or FILE.xlsx")->required();
        exportRecords->add_flag("--no-bom", noBom_,
                                "start a CSV file without UTF-8's byte-order mark (for scripts)");
        AddFilterOptions(*exportRecords, filter_);
        auto* show = Add("show-records", "print the lines of a call list, or those a filter finds",
                         [this] { return cli::ShowRecords(Folder(), list_, filter_, Io()); });
        AddListArgument(*show);
        AddFilterOptions(*show, filter_);
    }

    void AddRoundCommands() {
        auto* outcome = Add("outcome",
                            "print what became of each number of LoadNumber.txt (or LIST) in "
                            "CallOutList.txt, and the totals on standard error",
                            [this] { return cli::Outcome(Folder(), outcome_, Io()); });
        outcome->add_option("LIST", outcome_.list, "a number list file other than the folder's");
        outcome->add_option("--from", outcome_.from, "first day counted")->type_name("YYYY-MM-DD");
        outcome->add_option("--to", outcome_.to, "last day counted")->type_name("YYYY-MM-DD");
        outcome
            ->add_option("--not-reached", outcome_.notReached,
                         "write the lines of the numbers not reached (failed and never dialled) "
                         "to FILE as a number list; LoadNumber.txt itself may be named")
            ->type_name("FILE");
        outcome->add_flag("--failed-only", outcome_.failedOnly,
                          "with --not-reached: only the numbers dialled and not reached");
        outcome->add_flag("--csv", outcome_.csv, "print CSV instead of a table");
        auto* block = app_.add_subcommand("block", "the numbers never to call (BlockList.txt)");
        block->require_subcommand(1);
        const auto blockAction = [this](const char* action) {
            return [this, action] { return cli::Block(Folder(), action, blockArguments_, Io()); };
        };
        Add(*block, "add", "add each NUMBER (digits only)", blockAction("add"))
            ->add_option("NUMBER", blockArguments_)
            ->required();
        Add(*block, "remove", "take each NUMBER off the list", blockAction("remove"))
            ->add_option("NUMBER", blockArguments_)
            ->required();
        Add(*block, "show",
            "print the list; with NUMBERs, whether each is on it (exit 0 when all are, 1 when "
            "one is not)",
            blockAction("show"))
            ->add_option("NUMBER", blockArguments_);
        Add(*block, "import", "add the numbers of a text file, one a line", blockAction("import"))
            ->add_option("FILE", blockArguments_)
            ->required()
            ->expected(1);
    }

    void AddListArgument(CLI::App& command) {
        command.add_option("LIST", list_, "out or in")
            ->required()
            ->check(CLI::IsMember({"out", "in"}));
    }

    static void AddFilterOptions(CLI::App& command, cli::FilterOptions& filter) {
        command.add_option("--number", filter.number, "only calls whose number holds TEXT");
        command.add_option("--type", filter.type,
                           "only calls of this type: CallOutSuccessed, CallOutFailed, "
                           "CallInAnswer, CallInMissed, CallOutManual (or 0 to 4)");
        command.add_option("--group", filter.group, "only calls of group N")->type_name("N");
        command.add_option("--from", filter.from, "first day taken")->type_name("YYYY-MM-DD");
        command.add_option("--to", filter.to, "last day taken")->type_name("YYYY-MM-DD");
    }

    void AddNumberCommands() {
        auto* import =
            Add("import-numbers", "replace LoadNumber.txt from a text file or a workbook", [this] {
                return cli::ImportNumbers(Folder(), sourceFile_,
                                          format_ == "txt"    ? cli::SourceFormat::Text
                                          : format_ == "xlsx" ? cli::SourceFormat::Workbook
                                                              : cli::SourceFormat::ByName,
                                          Io());
            });
        import
            ->add_option("FILE", sourceFile_,
                         "a text file (one record a line) or an .xlsx workbook")
            ->required();
        import->add_option("--format", format_, "txt or xlsx (default: by the file name's ending)")
            ->check(CLI::IsMember({"txt", "xlsx"}));
        Add("clear-numbers", "empty LoadNumber.txt",
            [this] { return cli::ClearNumbers(Folder(), Io()); });
        Add("show-numbers", "print LoadNumber.txt as the number list window shows it",
            [this] { return cli::ShowNumbers(Folder(), Io()); });
        Add("check-numbers",
            "list what will not reach the device as LoadNumber.txt (or FILE) reads: duplicates, "
            "numbers it cannot dial, empty names, groups out of range, long names",
            [this] { return cli::CheckNumbers(Folder(), checkFile_, Io()); })
            ->add_option("FILE", checkFile_, "a number list other than the folder's");
        Add("pack-numbers", "print the number blocks packed from LoadNumber.txt",
            [this] { return cli::PackNumbers(Folder(), Io()); });
    }

    void AddOtherCommands() {
        Add("init", "create the working folder and its missing data files",
            [this] { return cli::Init(Folder(), Io()); });
        Add("encoding",
            "print the text encoding remembered for the user (as the window's popup menu chose "
            "it), or remember NAME",
            [this] {
                return cli::EncodingCommand(
                    encodingGiven_ ? std::optional(encodingName_) : std::nullopt, Io());
            })
            ->add_option("NAME", encodingName_, "e.g. UTF-8, GB18030 or windows-1252")
            ->check(OneLine())
            ->each([this](const std::string&) { encodingGiven_ = true; });
        Add("frame", "fill the checksum of a frame template and print the frame",
            [this] { return cli::Frame(frameTemplate_, Io()); })
            ->add_option("TEXT", frameTemplate_,
                         "a template holding " + std::string(words::kOpening) + " and " +
                             std::string(words::kChecksumTail))
            ->required();
        Add("verify", "check the checksum of a frame read from standard input",
            [this] { return cli::Verify(Io()); });
        auto* password = app_.add_subcommand("password", "change the login password");
        password->require_subcommand(1);
        auto* change = Add(*password, "change", "as the ChangePassword window does", [this] {
            return cli::ChangePasswordCommand(Folder(), oldPassword_, newPassword_, confirmation_,
                                              Io());
        });
        change->add_option("OLD", oldPassword_)->required();
        change->add_option("NEW", newPassword_)->required();
        change->add_option("CONFIRM", confirmation_)->required();
    }

    CLI::App& app_;
    const Options& options_;
    Action action_;
    // What the subcommands' arguments hold.
    std::string voiceFile_, blocksFile_, exportFile_, sourceFile_, frameTemplate_;
    std::string key_, value_, list_, format_, encodingName_, stamp_, checkFile_;
    std::string oldPassword_, newPassword_, confirmation_;
    bool stampGiven_ = false, encodingGiven_ = false, noBom_ = false;
    std::optional<unsigned> frames_;
    cli::StatsOptions stats_;
    cli::OutcomeOptions outcome_;
    std::vector<std::string> blockArguments_;
    cli::FilterOptions filter_;
};

int Run(int argc, char** argv) {
    CLI::App app{"Mervadin command-line tool", "mervadin-cli"};
    Options o;
    app.set_version_flag("--version", MERVADIN_VERSION);
    app.require_subcommand(1);
    o.shared.AddTo(app);
    app.add_option("--timeout", o.timeout,
                   "end a command's wait on the device, or on another Mervadin's lock of the "
                   "folder, after SECONDS (stop frames sent, exit 1)")
        ->type_name("SECONDS")
        ->check(CLI::Range(1U, 31536000U));
    Commands commands(app, o);
    commands.AddAll();
    cli::AddCommandNotes(app);

    // Words the command line does not know stay over, so that an unknown
    // command is named as one rather than as an unexpected argument.
    app.allow_extras();
    std::ostringstream parse_errors;
    const auto status =
        ParseCommandLine(app, std::vector<std::string>(argv, argv + argc), std::cout, parse_errors);
    if (cli::UnknownWord(app))
        return cli::kBadInput;
    std::cerr << parse_errors.str();
    if (status)
        return *status;
    const auto qt = cli::Application(argc, argv, commands.Draws());
    // Kept for the rest of the run: a lock is waited for until the end.
    static cli::ConsoleFolderWait folderWait(
        o.timeout ? std::chrono::seconds(*o.timeout) : FolderLock::kDefaultWaitLimit, std::cerr);
    FolderLock::SetWait(&folderWait);
    FileNotice::SetTeller(
        [](const std::string& text) { std::cerr << "mervadin-cli: warning: " << text << '\n'; });
    const auto refuse = [](const std::string& error) {
        std::cerr << "mervadin-cli: " << error << '\n';
        return cli::kBadInput;
    };
    if (const auto error = o.shared.ChooseEncoding())
        return refuse(*error);
    // The windows' language is checked as the window program checks it, so
    // that one command line serves both; what this tool prints stays English.
    const auto language = o.shared.Language();
    if (!language.value)
        return refuse(language.error);
    // A report is a document for people: it is in the windows' language.
    if (commands.Draws())
        Translation::Install(*language.value);
    const WorkFolder folder = o.shared.Folder();
    std::error_code error;
    if (std::filesystem::exists(folder.root(), error) &&
        !std::filesystem::is_directory(folder.root(), error))
        return refuse("the working folder " + Utf8Of(folder.root()) + " is a file, not a folder");
    return commands.Run();
}

} // namespace

int main(int argc, char** argv) {
    // Every command reports its own failures; what escapes them still ends
    // with a message and the failure status rather than an abort.
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "mervadin-cli: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "mervadin-cli: unexpected error\n";
    }
    return cli::kFailure;
}
