#pragma once
// The call record display window: the five per-kind files side by side,
// each savable to a file of the operator's choice. Nothing typed here
// reaches the tool's own files.

#include "common/prompts.h"
#include "files/text_lines.h"
#include "files/work_folder.h"

#include <QDialog>

#include <vector>

class QHBoxLayout;
class QPlainTextEdit;

namespace mervadin {

class DisplayWindow : public QDialog {
    Q_OBJECT
public:
    DisplayWindow(WorkFolder folder, Prompts& prompts, QWidget* parent = nullptr);

    // Saves box `index` (0-4, left to right).
    void SaveBox(std::size_t index);

private:
    struct Box {
        QPlainTextEdit* memo;
        Lines loaded;
        std::string confirmation;
    };

    void AddBox(const char* caption, const char* memo, const char* button, std::string_view file,
                const char* confirmation);

    WorkFolder folder_;
    Prompts& prompts_;
    QWidget* area_ = nullptr;       // where the boxes are
    QHBoxLayout* boxRow_ = nullptr; // side by side
    std::vector<Box> boxes_;
};

} // namespace mervadin
