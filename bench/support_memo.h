#pragma once
// When lines first show in a tool window's progress memo, taken as each one
// is appended (the memo's own signal), for benchmarks that time the steps
// of a transfer.

#include "ui/ui_names.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QWidget>

#include <string>
#include <vector>

namespace mervadin::bench {

class MemoMoments {
public:
    // Watches for `lines` (as the tool gives them, carriage returns and all).
    MemoMoments(const QWidget& window, const QElapsedTimer& timer, std::vector<std::string> lines)
        : timer_(timer), moments_(lines.size(), -1) {
        for (const auto& line : lines)
            shown_ << QString::fromStdString(line).remove('\r').section('\n', 0, 0);
        auto* memo = window.findChild<QPlainTextEdit*>(names::operation::kMemo);
        QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [this, memo] { Look(*memo); });
    }

    // When line `index` first showed, in nanoseconds of the timer; -1 when not yet.
    qint64 At(std::size_t index) const { return moments_[index]; }

private:
    // An appended line is one of the last blocks (a line given with a line
    // break leaves an empty one after it).
    void Look(const QPlainTextEdit& memo) {
        QTextBlock block = memo.document()->lastBlock();
        for (int i = 0; i < 3 && block.isValid(); ++i, block = block.previous())
            for (qsizetype line = 0; line < shown_.size(); ++line)
                if (moments_[static_cast<std::size_t>(line)] < 0 && block.text() == shown_[line])
                    moments_[static_cast<std::size_t>(line)] = timer_.nsecsElapsed();
    }

    const QElapsedTimer& timer_;
    QStringList shown_;
    std::vector<qint64> moments_;
};

} // namespace mervadin::bench
