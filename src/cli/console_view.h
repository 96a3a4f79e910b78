#pragma once
// An operation's window on the command line: each progress memo line on
// standard output as the window would hold it, followed by a line feed;
// error memo lines on standard error; message boxes as "[CAPTION] text";
// a progress bar on standard error only when that is a terminal.

#include "cli/console_prompts.h"
#include "cli/stop_signals.h"
#include "operation/operation_view.h"

#include <iostream>

namespace mervadin::cli {

class ConsoleView : public OperationView {
public:
    ConsoleView(std::ostream& out, std::ostream& err, bool drawProgress)
        : out_(out), err_(err), prompts_(out), drawProgress_(drawProgress) {}

    void ClearMemo() override {}
    void AppendMemo(const ShownText& line) override { out_ << line.Text() << '\n' << std::flush; }
    void AppendErrorMemo(const ShownText& line) override { err_ << line.Text() << '\n'; }
    void ClearErrorMemo() override {}
    void SetProgress(int percent, const std::string& /*label*/) override {
        if (!drawProgress_)
            return;
        const int filled = percent * 40 / 100;
        err_ << '\r' << '[' << std::string(filled, '#') << std::string(40 - filled, ' ') << "] "
             << percent << '%' << (percent >= 100 ? "\n" : "") << std::flush;
    }
    void Inform(const ShownText& caption, const ShownText& text) override {
        prompts_.Inform(caption, text);
        out_.flush();
    }
    // From here on SIGINT, SIGTERM and --timeout no longer stop the work.
    void Committing() override {
        committed_ = true;
        StopSignals::Commit();
    }
    bool Committed() const { return committed_; }

private:
    std::ostream& out_;
    std::ostream& err_;
    ConsolePrompts prompts_;
    bool drawProgress_;
    bool committed_ = false;
};

} // namespace mervadin::cli
