#include "common/prompts.h"

namespace mervadin {

namespace {

// ".txt" for "Text Files(*.txt)|*.txt;;CSV (*.csv)", and for "".
std::string FirstEnding(const std::string& filter) {
    const std::string first = filter.substr(0, filter.find(";;"));
    const auto star = first.find("*.");
    if (star == std::string::npos)
        return ".txt";
    const auto end = first.find_first_of(") ;|", star);
    return first.substr(star + 1, end == std::string::npos ? end : end - star - 1);
}

} // namespace

std::optional<std::filesystem::path> ChooseSaveFile(Prompts& prompts,
                                                    const std::filesystem::path& folder,
                                                    const std::string& filter,
                                                    const ShownText& replaceCaption,
                                                    const ShownText& replaceText) {
    for (;;) {
        auto chosen = prompts.SaveFileName(folder, filter);
        if (!chosen)
            return std::nullopt;
        if (!chosen->has_extension() && chosen->has_filename())
            *chosen += FirstEnding(filter);
        std::error_code error;
        if (!std::filesystem::exists(*chosen, error) ||
            prompts.Ask(replaceCaption, replaceText) == Prompts::Answer::Yes)
            return chosen;
    }
}

} // namespace mervadin
