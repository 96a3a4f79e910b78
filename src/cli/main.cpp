// mervadin-cli: the tool's operations from the command line, on the same
// core as the windows.

#include "cli/commands.h"
#include "cli/link_commands.h"
#include "cli/monitor_command.h"
#include "cli/number_commands.h"
#include "cli/record_commands.h"
#include "files/folder_lock.h"
#include "qtcore/text_codec.h"

#include <QCoreApplication>

#include <CLI/CLI.hpp>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

using namespace mervadin;

namespace {

// Refuses an empty value, naming what it should have named.
CLI::Validator NotEmpty(const std::string& what) {
    return CLI::Validator(
        [what](const std::string& value) {
            return value.empty() ? what + " is empty" : std::string();
        },
        "NOT EMPTY");
}

// Refuses a value holding a line break or another control character.
CLI::Validator OneLine() {
    return CLI::Validator(
        [](const std::string& value) {
            for (const char c : value)
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                    return std::string("holds a line break or another control character");
            return std::string();
        },
        "ONE LINE");
}

struct Options {
    std::string workdir;
    std::string device = "hid";
    std::string trace;
    std::string encoding;
    std::string key;
    std::string value;
    std::string text;
    std::string at;
    std::optional<unsigned> frames;
    std::optional<unsigned> timeout;
    std::string oldPassword, newPassword, confirmation;
    cli::StatsOptions stats;
    std::string from, to, list;
    std::string formatName;
    bool noBom = false;
    std::string encodingName;
};

void AddConfigCommands(CLI::App& config, Options& o) {
    config.require_subcommand(1);
    config.add_subcommand("get", "print a setting's text (empty when absent)")
        ->add_option("KEY", o.key, "the key, e.g. phone=")
        ->required();
    config.add_subcommand("get-int", "print a setting as an integer (0 when absent or invalid)")
        ->add_option("KEY", o.key)
        ->required();
    auto* set = config.add_subcommand("set", "write a setting");
    set->add_option("KEY", o.key)->required();
    set->add_option("VALUE", o.value)->required();
    config.add_subcommand("defaults", "replace Config.txt by the default settings");
}

int Dispatch(CLI::App& app, Options& o) {
    cli::Streams io{std::cin, std::cout, std::cerr};
    const WorkFolder folder = WorkFolder::Resolve(
        o.workdir.empty() ? std::nullopt : std::optional<std::string>(o.workdir));
    std::error_code error;
    if (std::filesystem::exists(folder.root(), error) &&
        !std::filesystem::is_directory(folder.root(), error)) {
        std::cerr << "mervadin-cli: the working folder " << folder.root().string()
                  << " is a file, not a folder\n";
        return cli::kBadInput;
    }
    if (app.got_subcommand("init"))
        return cli::Init(folder, io);
    if (auto* config = app.get_subcommand("config"); config->parsed()) {
        if (config->got_subcommand("get"))
            return cli::ConfigGet(folder, o.key, false, io);
        if (config->got_subcommand("get-int"))
            return cli::ConfigGet(folder, o.key, true, io);
        if (config->got_subcommand("set"))
            return cli::ConfigSet(folder, o.key, o.value, io);
        return cli::ConfigDefaults(folder, io);
    }
    if (auto* stats = app.get_subcommand("stats"); stats->parsed()) {
        if (stats->count("--from"))
            o.stats.from = o.from;
        if (stats->count("--to"))
            o.stats.to = o.to;
        return cli::Stats(folder, o.stats, io);
    }
    if (app.got_subcommand("export-records"))
        return cli::ExportRecordsCommand(folder, o.list, o.text,
                                         o.noBom ? ByteOrderMark::Leave : ByteOrderMark::Write, io);
    if (auto* encoding = app.get_subcommand("encoding"); encoding->parsed())
        return cli::EncodingCommand(
            encoding->count("NAME") ? std::optional(o.encodingName) : std::nullopt, io);
    if (app.got_subcommand("decode-cdr"))
        return cli::DecodeCdr(folder, o.text, io);
    if (app.got_subcommand("rebuild-kinds"))
        return cli::RebuildKinds(folder, io);
    if (app.got_subcommand("import-numbers"))
        return cli::ImportNumbers(folder, o.text,
                                  o.formatName == "txt"    ? cli::SourceFormat::Text
                                  : o.formatName == "xlsx" ? cli::SourceFormat::Workbook
                                                           : cli::SourceFormat::ByName,
                                  io);
    if (app.got_subcommand("clear-numbers"))
        return cli::ClearNumbers(folder, io);
    if (app.got_subcommand("show-numbers"))
        return cli::ShowNumbers(folder, io);
    if (app.got_subcommand("pack-numbers"))
        return cli::PackNumbers(folder, io);
    if (auto* block = app.get_subcommand("settings-block"); block->parsed())
        return cli::SettingsBlockCommand(
            folder, block->count("--at") ? std::optional(o.at) : std::nullopt, io);
    if (app.got_subcommand("status") || app.got_subcommand("list-devices") ||
        app.got_subcommand("write-settings") || app.got_subcommand("read-cdr") ||
        app.got_subcommand("write-numbers") || app.got_subcommand("write-voice") ||
        app.got_subcommand("monitor")) {
        const auto selection = DeviceSelection::Parse(o.device);
        if (!selection) {
            std::cerr << "mervadin-cli: unknown device \"" << o.device
                      << "\" (hid, hid:PATH, sim, unix:PATH)\n";
            return cli::kBadInput;
        }
        if (const auto problem = selection->Problem()) {
            std::cerr << "mervadin-cli: " << *problem << '\n';
            return cli::kBadInput;
        }
        cli::DeviceOptions device{*selection, std::nullopt, o.timeout};
        if (app.count("--trace")) {
            if (!std::ofstream(o.trace, std::ios::app)) {
                std::cerr << "mervadin-cli: " << o.trace
                          << ": cannot open the trace file for appending\n";
                return cli::kBadInput;
            }
            device.trace = o.trace;
        }
        if (app.got_subcommand("write-settings"))
            return cli::WriteSettings(folder, device, io);
        if (app.got_subcommand("read-cdr"))
            return cli::ReadCdr(folder, device, io);
        if (app.got_subcommand("write-numbers"))
            return cli::WriteNumbers(folder, device, io);
        if (app.got_subcommand("write-voice"))
            return cli::WriteVoice(o.text, device, io);
        if (app.got_subcommand("monitor"))
            return cli::Monitor(folder, device, o.frames, io);
        return app.got_subcommand("status") ? cli::Status(device, io) : cli::ListDevices(io);
    }
    if (app.got_subcommand("frame"))
        return cli::Frame(o.text, io);
    if (app.got_subcommand("verify"))
        return cli::Verify(io);
    return cli::ChangePasswordCommand(folder, o.oldPassword, o.newPassword, o.confirmation, io);
}

int Run(int argc, char** argv) {
    QCoreApplication qt(argc, argv); // the event loop the device link runs on
    CLI::App app{"Mervadin command-line tool", "mervadin-cli"};
    Options o;
    app.set_version_flag("--version", MERVADIN_VERSION);
    app.require_subcommand(1);
    app.add_option("--workdir", o.workdir,
                   "working folder (default: MERVADIN_WORKDIR or ~/ORVI-T300-En)")
        ->check(NotEmpty("the working folder"));

    app.add_option("--device", o.device, "hid (default), hid:PATH, sim or unix:PATH");
    app.add_flag_callback(
        "--simulator", [&o] { o.device = "sim"; }, "short for --device sim");
    app.add_option("--trace", o.trace, "append every frame sent and received to FILE");
    app.add_option("--timeout", o.timeout,
                   "end a command's wait on the device after SECONDS (stop frames sent, exit 1)")
        ->check(CLI::Range(1U, 31536000U));
    app.add_option("--encoding", o.encoding,
                   "encoding of the data files' text, e.g. GB18030 (default: MERVADIN_ENCODING, "
                   "the remembered choice, else UTF-8)")
        ->check(OneLine());

    app.add_subcommand("status", "print whether a device is present (exit 0) or not (exit 1)");
    app.add_subcommand("list-devices", "list the matching USB HID devices");
    app.add_subcommand("settings-block", "print the settings block built from Config.txt")
        ->add_option("--at", o.at, "date and time to stamp, as \"YYYY-MM-DD HH:MM:SS\"")
        ->check(OneLine());
    app.add_subcommand("write-settings", "write the settings block into the device");
    app.add_subcommand("read-cdr", "read the call records into ReadFile.txt and the lists");
    app.add_subcommand("write-numbers", "write LoadNumber.txt into the device");
    app.add_subcommand("pack-numbers", "print the number blocks packed from LoadNumber.txt");
    app.add_subcommand("write-voice", "load a voice prompt file and write it into the device")
        ->add_option("FILE", o.text, "the voice prompt, a .bin file of at most 32 MiB")
        ->required();
    app.add_subcommand("decode-cdr", "decode a file of 512-byte blocks as a read would")
        ->add_option("FILE", o.text, "the blocks, as the read's block table holds them")
        ->required();
    app.add_subcommand("rebuild-kinds", "refill the five per-kind call record files");
    auto* stats = app.add_subcommand("stats", "print call statistics of CallOutList.txt and "
                                              "CallInList.txt");
    stats->add_option("--from", o.from, "first day counted, YYYY-MM-DD");
    stats->add_option("--to", o.to, "last day counted, YYYY-MM-DD");
    stats->add_option("--by", o.stats.by, "a row per day or per group")
        ->check(CLI::IsMember({"day", "group"}));
    stats->add_flag("--csv", o.stats.csv, "print CSV instead of a table");
    auto* exportRecords =
        app.add_subcommand("export-records", "save a call list as a CSV file or an .xlsx workbook");
    exportRecords->add_option("LIST", o.list, "out or in")
        ->required()
        ->check(CLI::IsMember({"out", "in"}));
    exportRecords->add_option("FILE", o.text, "FILE.csv or FILE.xlsx")->required();
    exportRecords->add_flag("--no-bom", o.noBom,
                            "start a CSV file without UTF-8's byte-order mark (for scripts)");
    auto* import = app.add_subcommand("import-numbers",
                                      "replace LoadNumber.txt from a text file or a workbook");
    import->add_option("FILE", o.text, "a text file (one record a line) or an .xlsx workbook")
        ->required();
    import->add_option("--format", o.formatName, "txt or xlsx (default: by the file name's ending)")
        ->check(CLI::IsMember({"txt", "xlsx"}));
    app.add_subcommand("clear-numbers", "empty LoadNumber.txt");
    app.add_subcommand("show-numbers", "print LoadNumber.txt as the number list window shows it");
    app.add_subcommand("monitor", "watch the device; commands on standard input: start, stop, "
                                  "forward, sms, spk N, mic N, off")
        ->add_option("--frames", o.frames, "end after this many intact status frames")
        ->check(CLI::Range(1U, UINT_MAX));
    app.add_subcommand("init", "create the working folder and its missing data files");
    app.add_subcommand("encoding", "print the text encoding remembered for the user (as the "
                                   "window's popup menu chose it), or remember NAME")
        ->add_option("NAME", o.encodingName, "e.g. UTF-8, GB18030 or windows-1252")
        ->check(OneLine());
    AddConfigCommands(*app.add_subcommand("config", "read and write Config.txt"), o);
    app.add_subcommand("frame", "fill the checksum of a frame template and print the frame")
        ->add_option("TEXT", o.text, "a template holding velorn< and checksum:000000;>end")
        ->required();
    app.add_subcommand("verify", "check the checksum of a frame read from standard input");
    auto* password = app.add_subcommand("password", "change the login password");
    password->require_subcommand(1);
    auto* change = password->add_subcommand("change", "as the ChangePassword window does");
    change->add_option("OLD", o.oldPassword)->required();
    change->add_option("NEW", o.newPassword)->required();
    change->add_option("CONFIRM", o.confirmation)->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return cli::kBadInput;
    }
    FolderLock::SetWaitNotice([](const std::filesystem::path& folder) {
        std::cerr << "mervadin-cli: " << FolderLock::WaitText(folder) << '\n';
    });
    if (!TextCodec::ChooseForRun(o.encoding)) {
        std::cerr << "mervadin-cli: unknown encoding \"" << o.encoding << "\"\n";
        return cli::kBadInput;
    }
    return Dispatch(app, o);
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
