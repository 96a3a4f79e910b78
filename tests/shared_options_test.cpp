// The options both programs take, read by the one parser they share: what
// each names, the defaults, and the one text and status of each error. Run
// on Linux and, in the Windows build, under Wine, where the default folder
// is c:\ORVI-T300-En.

#include "files/path_text.h"
#include "files/work_folder.h"
#include "options/shared_options.h"
#include "qtcore/text_codec.h"
#include "support/scoped_environment.h"

#include <CLI/CLI.hpp>
#include <gtest/gtest.h>
#include <sstream>

namespace mervadin {
namespace {

struct Parsed {
    std::optional<int> status;
    std::string out, err;
};

Parsed Parse(SharedOptions& options, std::vector<std::string> arguments) {
    CLI::App app{"A program", "program"};
    options.AddTo(app);
    arguments.insert(arguments.begin(), "program");
    std::ostringstream out, err;
    const auto status = ParseCommandLine(app, arguments, out, err);
    return {status, out.str(), err.str()};
}

// The options as `arguments` leave them, the parse expected to go on.
SharedOptions Read(const std::vector<std::string>& arguments) {
    SharedOptions options;
    const auto parsed = Parse(options, arguments);
    EXPECT_EQ(parsed.status, std::nullopt) << parsed.err;
    return options;
}

TEST(SharedOptions, EachOptionNamesWhatItSaysAndTheDefaultsStand) {
    test::ScopedEnvironment workdir("MERVADIN_WORKDIR", std::nullopt);
    test::ScopedEnvironment language("MERVADIN_LANGUAGE", std::nullopt);
    const SharedOptions none = Read({});
    EXPECT_EQ(none.Folder().root(), WorkFolder::PlatformDefault());
    EXPECT_EQ(none.Device().value->kind, DeviceSelection::Kind::Hid);
    EXPECT_EQ(none.Device().value->path, "");
    EXPECT_EQ(none.Trace(), std::nullopt);
    EXPECT_TRUE(none.Language().value.has_value());

    // A folder's name in any script, as UTF-8.
    const std::string chinese = "\xE6\x95\xB0\xE6\x8D\xAE"; // two characters
    EXPECT_EQ(Read({"--workdir", "w/" + chinese}).Folder().root(), PathFromUtf8("w/" + chinese));
    EXPECT_EQ(Read({"--workdir=x"}).Folder().root(), PathFromUtf8("x"));
    {
        test::ScopedEnvironment chosen("MERVADIN_WORKDIR", "from-environment");
        EXPECT_EQ(Read({}).Folder().root(), PathFromUtf8("from-environment"));
        EXPECT_EQ(Read({"--workdir", "given"}).Folder().root(), PathFromUtf8("given"));
    }

    // --simulator wins over --device wherever it stands.
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"--device", "sim"},
                                               {"--simulator"},
                                               {"--device", "hid", "--simulator"},
                                               {"--simulator", "--device", "hid"}})
        EXPECT_EQ(Read(arguments).Device().value->kind, DeviceSelection::Kind::Simulator);
    const auto node = Read({"--device", "hid:/dev/hidraw3"}).Device();
    EXPECT_EQ(node.value->kind, DeviceSelection::Kind::Hid);
    EXPECT_EQ(node.value->path, "/dev/hidraw3");
    const auto socket = Read({"--device", "unix:/tmp/s"}).Device();
#ifdef _WIN32
    EXPECT_FALSE(socket.value.has_value());
    EXPECT_NE(socket.error.find("not built on Windows"), std::string::npos) << socket.error;
#else
    EXPECT_EQ(socket.value->kind, DeviceSelection::Kind::Socket);
#endif
    EXPECT_EQ(Read({"--trace", "t/" + chinese}).Trace(), PathFromUtf8("t/" + chinese));

    EXPECT_EQ(Read({"--language", "zh_CN"}).Language().value, "zh_CN");
    EXPECT_EQ(Read({"--language", "en"}).Language().value, "en");
    EXPECT_EQ(Read({"--encoding", "GB18030"}).ChooseEncoding(), std::nullopt);
    EXPECT_EQ(TextCodec::Chosen().Name(), "GB18030");
    EXPECT_EQ(Read({"--encoding", "UTF-8"}).ChooseEncoding(), std::nullopt);
}

TEST(SharedOptions, EveryErrorHasItsOneTextAndEndsWithStatusTwo) {
    test::ScopedEnvironment language("MERVADIN_LANGUAGE", std::nullopt);
    EXPECT_EQ(Read({"--device", "bogus"}).Device().error,
              "unknown device \"bogus\" (hid, hid:PATH, sim, unix:PATH)");
    EXPECT_EQ(Read({"--encoding", "bogus"}).ChooseEncoding(), "unknown encoding \"bogus\"");
    EXPECT_EQ(Read({"--language", "fr"}).Language().error, "unknown language \"fr\" (en, zh_CN)");
    {
        test::ScopedEnvironment chosen("MERVADIN_LANGUAGE", "xx");
        EXPECT_EQ(Read({}).Language().error, "unknown language \"xx\" (en, zh_CN)");
        EXPECT_EQ(Read({"--language", "en"}).Language().value, "en");
    }
    EXPECT_EQ(UnknownLanguage("de"), "unknown language \"de\" (en, zh_CN)");

    // What the parser itself refuses: said on the error stream, status 2.
    for (const auto& arguments : std::vector<std::vector<std::string>>{{"--workdir", ""},
                                                                       {"--workdir"},
                                                                       {"--encoding", "UTF\n-8"},
                                                                       {"--language", "zh\tCN"},
                                                                       {"--bogus"},
                                                                       {"extra"}}) {
        SharedOptions options;
        const auto parsed = Parse(options, arguments);
        EXPECT_EQ(parsed.status, kBadUsage) << arguments.front();
        EXPECT_FALSE(parsed.err.empty()) << arguments.front();
        EXPECT_EQ(parsed.out, "");
    }
    SharedOptions options;
    EXPECT_NE(Parse(options, {"--workdir", ""}).err.find("the working folder is empty"),
              std::string::npos);
}

TEST(SharedOptions, TheHelpNamesEveryOptionAndThisPlatformsFolder) {
    SharedOptions options;
    const auto help = Parse(options, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const char* option : {"--workdir DIR", "--device SPEC", "--simulator", "--trace FILE",
                               "--encoding NAME", "--language CODE", "en or zh_CN",
                               "MERVADIN_WORKDIR", "MERVADIN_ENCODING", "MERVADIN_LANGUAGE"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option << " in\n" << help.out;
#ifdef _WIN32
    EXPECT_NE(help.out.find("c:\\ORVI-T300-En"), std::string::npos) << help.out;
    EXPECT_EQ(help.out.find("~/ORVI-T300-En"), std::string::npos) << help.out;
    EXPECT_EQ(WorkFolder::PlatformDefault(), std::filesystem::path("c:\\ORVI-T300-En"));
#else
    EXPECT_NE(help.out.find("~/ORVI-T300-En"), std::string::npos) << help.out;
    EXPECT_EQ(help.out.find("c:\\ORVI-T300-En"), std::string::npos) << help.out;
#endif
    EXPECT_NE(WorkdirHelp().find(kDefaultFolderText), std::string::npos);
}

} // namespace
} // namespace mervadin
