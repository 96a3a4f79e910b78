#include "common/prompts.h"

namespace mervadin {

std::optional<std::filesystem::path> ChooseSaveFile(Prompts& prompts,
                                                    const std::filesystem::path& folder,
                                                    const std::string& filter,
                                                    const std::string& replaceCaption,
                                                    const std::string& replaceText) {
    for (;;) {
        auto chosen = prompts.SaveFileName(folder, filter);
        if (!chosen)
            return std::nullopt;
        std::error_code error;
        if (!std::filesystem::exists(*chosen, error) ||
            prompts.Ask(replaceCaption, replaceText) == Prompts::Answer::Yes)
            return chosen;
    }
}

} // namespace mervadin
