#include "app/app_texts.h"
#include "files/file_batch.h"
#include "files/file_error.h"
#include "files/file_read.h"
#include "files/path_text.h"
#include "support/recording_prompts.h"
#include "support/temp_folder.h"
#include "ui/file_work.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace mervadin {
namespace {

// An error that words its message itself, as the block list's does.
class WordedError : public FileError {
public:
    using FileError::FileError;
    std::string Message(const Translate& translate) const override {
        return Utf8Of(path()) + ": " + translate("Error") + " (worded)";
    }
};

TEST(FileWork, AFileErrorIsShownNamingThePathAndTheWorkSaysItFailed) {
    test::TempFolder temp;
    const auto missing = temp.path() / "gone" / "LoadNumber.txt";
    test::RecordingPrompts prompts;

    bool after = false;
    EXPECT_FALSE(RunFileWork(prompts, [&] {
        ReadFileBytes(missing);
        after = true;
    }));
    EXPECT_FALSE(after); // the work stops where it failed
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Error");
    EXPECT_NE(prompts.shown[0].text.find(Utf8Of(missing)), std::string::npos)
        << prompts.shown[0].text;

    // Work with a result gives nothing; the caption is the one asked for.
    const auto bytes = RunFileWork(
        prompts, [&] { return ReadFileBytes(missing); }, texts::app::kMessageCaption);
    EXPECT_FALSE(bytes.has_value());
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[1].caption, "Message");

    // An error that words its own message is shown in its words.
    EXPECT_FALSE(RunFileWork(prompts, [] { throw WordedError("/x/Block.txt", "what"); }));
    EXPECT_EQ(prompts.shown.back().text, "/x/Block.txt: Error (worded)");
}

TEST(FileWork, WorkThatRunsThroughGivesItsResultAndOtherErrorsPassOn) {
    test::TempFolder temp;
    test::RecordingPrompts prompts;
    const auto file = temp.path() / "list.txt";

    EXPECT_TRUE(RunFileWork(prompts, [&] { WriteFileAtomically(file, "123\n"); }));
    EXPECT_EQ(RunFileWork(prompts, [&] { return ReadFileBytes(file); }),
              std::optional<std::string>("123\n"));
    EXPECT_TRUE(prompts.shown.empty());

    // Only file errors are the operator's to read: a fault of the program is
    // not swallowed.
    EXPECT_THROW(RunFileWork(prompts, [] { throw std::logic_error("bug"); }), std::logic_error);
    EXPECT_THROW(RunFileWork(prompts, []() -> int { throw std::out_of_range("bug"); }),
                 std::out_of_range);
    EXPECT_TRUE(prompts.shown.empty());
}

} // namespace
} // namespace mervadin
