#pragma once
// File work run for a window: a FileError it throws becomes the tool's own
// message, naming the path and the cause in the windows' language, and the
// window goes on.

#include "common/common_texts.h"
#include "common/prompts.h"
#include "files/file_error.h"
#include "qtcore/translation.h"

#include <optional>
#include <string>
#include <type_traits>

namespace mervadin {

// The message of `error` in the windows' language.
inline std::string FileErrorText(const FileError& error) {
    return error.Message(UiMarkedString);
}

// Shows `error` in a message box headed `caption`.
inline void ShowFileError(Prompts& prompts, const FileError& error,
                          const std::string& caption = texts::common::kErrorCaption) {
    prompts.Inform(caption, FileErrorText(error));
}

// Runs `work`. A FileError it throws is shown, headed `caption`; any other
// exception passes on to the caller. Work without a result gives true when
// it ran through and false when it failed; work with one gives its result,
// or nothing when it failed.
template <typename Work>
auto RunFileWork(Prompts& prompts, Work&& work,
                 const std::string& caption = texts::common::kErrorCaption) {
    using Result = std::invoke_result_t<Work&>;
    if constexpr (std::is_void_v<Result>) {
        try {
            work();
            return true;
        } catch (const FileError& error) {
            ShowFileError(prompts, error, caption);
            return false;
        }
    } else {
        try {
            return std::optional<Result>(work());
        } catch (const FileError& error) {
            ShowFileError(prompts, error, caption);
            return std::optional<Result>();
        }
    }
}

} // namespace mervadin
