#pragma once
// Message boxes and file dialogs as an interface, so that windows and
// operations can be answered by tests and printed by the command-line tool.
// A box's texts are ShownTexts: a window's own texts come translated
// already (tr()), the core's marked texts are translated by the windows'
// prompts, and a text made at run time is shown as it is.

#include "common/ui_text.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace mervadin {

// A message box's caption and text, as given (the command line's, the
// tests').
struct Notice {
    std::string caption;
    std::string text;
    bool operator==(const Notice&) const = default;
};

class Prompts {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompts() = default;
    // An information box with an OK button.
    virtual void Inform(const ShownText& caption, const ShownText& text) = 0;
    // A question with Yes, No and Cancel buttons.
    virtual Answer Ask(const ShownText& caption, const ShownText& text) = 0;
    // A question with Yes and No only, No the default (Enter keeps what is);
    // true on Yes. Answered as Ask unless a prompt shows it differently.
    virtual bool Confirm(const ShownText& caption, const ShownText& text) {
        return Ask(caption, text) == Answer::Yes;
    }
    // A choice among `choices` (the captions of its buttons, the first the
    // default) and Cancel: the index of the one chosen, nothing on Cancel.
    // Answered as Ask (Yes the first, No the second) unless a prompt shows
    // it differently.
    virtual std::optional<std::size_t> Choose(const ShownText& caption, const ShownText& text,
                                              const std::vector<std::string>& choices) {
        const Answer answer = Ask(caption, text);
        if (answer == Answer::Yes && !choices.empty())
            return 0;
        if (answer == Answer::No && choices.size() > 1)
            return 1;
        return std::nullopt;
    }
    // A save dialog starting in `folder` that offers the file types of
    // `filter` (separated by ";;", the first chosen); nothing when cancelled.
    virtual std::optional<std::filesystem::path> SaveFileName(const std::filesystem::path& folder,
                                                              const std::string& filter) = 0;
    // An open dialog starting in `folder` that offers `filters` (each like
    // "Text Files(*.txt)", the first chosen); nothing when cancelled.
    virtual std::optional<std::filesystem::path> OpenFileName(
        const std::filesystem::path& folder, const std::vector<std::string>& filters) = 0;
};

// Asks for a file to save to until the operator picks a new file, agrees to
// replace an existing one (Yes; No and Cancel ask for a file again) or
// cancels the dialog. A name without an ending gets the first file type's
// (".txt" when the filter names none).
std::optional<std::filesystem::path> ChooseSaveFile(Prompts& prompts,
                                                    const std::filesystem::path& folder,
                                                    const std::string& filter,
                                                    const ShownText& replaceCaption,
                                                    const ShownText& replaceText);

inline constexpr const char* kTextFilter = "Text Files(*.txt)|*.txt";
// The call lists' "Save as": the text copy first, then the spreadsheet types.
inline constexpr const char* kRecordsFilter =
    "Text Files(*.txt)|*.txt;;Excel workbook (*.xlsx);;CSV (*.csv)";

} // namespace mervadin
