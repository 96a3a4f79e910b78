#pragma once
// Prompts for tests: records every message box and answers questions from
// a queue of prepared answers.

#include "access/password_file.h"
#include "common/prompts.h"

#include <deque>
#include <vector>

namespace mervadin::test {

class RecordingPrompts : public Prompts {
public:
    void Inform(const ShownText& caption, const ShownText& text) override {
        shown.push_back({caption.Text(), text.Text()});
    }
    Answer Ask(const ShownText& caption, const ShownText& text) override {
        shown.push_back({caption.Text(), text.Text()});
        return Next(answers, Answer::Cancel);
    }
    std::optional<std::filesystem::path> SaveFileName(const std::filesystem::path& folder,
                                                      const std::string& filter) override {
        dialogs.push_back({folder, filter});
        return Next(files, std::optional<std::filesystem::path>());
    }

    std::optional<std::filesystem::path> OpenFileName(
        const std::filesystem::path& folder, const std::vector<std::string>& filters) override {
        openDialogs.push_back({folder, filters});
        return Next(openFiles, std::optional<std::filesystem::path>());
    }

    std::vector<Notice> shown;
    std::deque<Answer> answers;
    std::deque<std::optional<std::filesystem::path>> files; // the dialog's answers
    std::vector<std::pair<std::filesystem::path, std::string>> dialogs;
    std::deque<std::optional<std::filesystem::path>> openFiles; // the open dialog's answers
    std::vector<std::pair<std::filesystem::path, std::vector<std::string>>> openDialogs;

private:
    template <typename T>
    static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty())
            return otherwise;
        T next = queue.front();
        queue.pop_front();
        return next;
    }
};

} // namespace mervadin::test
