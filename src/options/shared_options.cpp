#include "options/shared_options.h"

#include "common/ui_text.h"
#include "files/path_text.h"
#include "options/option_checks.h"
#include "options/option_texts.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"

#include <QtGlobal>

#include <CLI/CLI.hpp>

namespace mervadin {

namespace {

// The languages offered, joined by `separator`: "en or zh_CN", "en, zh_CN".
std::string LanguageCodes(const std::string& separator, const std::string& last) {
    const auto& offered = Translation::Offered();
    std::string codes;
    for (std::size_t i = 0; i < offered.size(); ++i)
        codes += (i == 0 ? "" : i + 1 == offered.size() ? last : separator) + offered[i].code;
    return codes;
}

} // namespace

std::string UnknownLanguage(const std::string& code) {
    return FillIn(texts::options::kUnknownLanguage, {code, LanguageCodes(", ", ", ")});
}

std::string WorkdirHelp() {
    return FillIn(texts::options::kWorkdirHelp, {std::string(kDefaultFolderText)});
}

void SharedOptions::AddTo(CLI::App& app) {
    namespace text = texts::options;
    app.add_option("--workdir", workdir_, WorkdirHelp())
        ->type_name("DIR")
        ->check(NotEmpty(text::kEmptyWorkdir));
    app.add_option("--device", device_, text::kDeviceHelp)->type_name("SPEC");
    app.add_flag_callback(
        "--simulator", [this] { device_ = "sim"; }, text::kSimulatorHelp);
    app.add_option("--trace", trace_, text::kTraceHelp)->type_name("FILE");
    app.add_option("--encoding", encoding_, text::kEncodingHelp)
        ->type_name("NAME")
        ->check(OneLine());
    app.add_option("--language", language_,
                   FillIn(text::kLanguageHelp, {LanguageCodes(", ", " or ")}))
        ->type_name("CODE")
        ->check(OneLine());
}

WorkFolder SharedOptions::Folder() const {
    return WorkFolder::Resolve(workdir_.empty() ? std::nullopt
                                                : std::optional<std::string>(workdir_));
}

Checked<DeviceSelection> SharedOptions::Device() const {
    const auto selection = DeviceSelection::Parse(device_);
    if (!selection)
        return {std::nullopt, FillIn(texts::options::kUnknownDevice, {device_})};
    if (auto problem = selection->Problem())
        return {std::nullopt, *problem};
    return {selection, {}};
}

std::optional<std::filesystem::path> SharedOptions::Trace() const {
    if (!trace_)
        return std::nullopt;
    return PathFromUtf8(*trace_);
}

std::optional<std::string> SharedOptions::ChooseEncoding() const {
    std::string name = encoding_;
    if (TextCodec::ChooseForRun(name))
        return std::nullopt;
    return FillIn(texts::options::kUnknownEncoding, {name});
}

Checked<std::string> SharedOptions::Language() const {
    if (auto code = Translation::ForRun(language_))
        return {code, {}};
    // The code refused is the option's, or else the environment's.
    const std::string given =
        language_.empty() ? qEnvironmentVariable("MERVADIN_LANGUAGE").toStdString() : language_;
    return {std::nullopt, UnknownLanguage(given)};
}

std::optional<int> ParseCommandLine(CLI::App& app, const std::vector<std::string>& arguments,
                                    std::ostream& out, std::ostream& err) {
    // The parser takes the arguments last first, without the program's name.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    if (!reversed.empty())
        reversed.pop_back();
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e, out, err);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e, out, err);
    } catch (const CLI::ParseError& e) {
        app.exit(e, out, err);
        return kBadUsage;
    }
    return std::nullopt;
}

} // namespace mervadin
