#pragma once
// Prompts for tests: records every message box and answers questions from
// a queue of prepared answers.

#include "access/password_file.h"
#include "app/prompts.h"

#include <deque>
#include <vector>

namespace mervadin::test {

class RecordingPrompts : public Prompts {
public:
    void Inform(const std::string& caption, const std::string& text) override {
        shown.push_back({caption, text});
    }
    bool Ask(const std::string& caption, const std::string& text) override {
        shown.push_back({caption, text});
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Notice> shown;
    std::deque<bool> answers;
};

} // namespace mervadin::test
