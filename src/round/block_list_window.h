#pragma once
// "Numbers never to call…": the block list BlockList.txt of the working
// folder, one number a line. A number typed is added, numbers selected are
// removed, the numbers of a text file are imported; every change goes to
// the file at once (under the folder's lock) and the window shows what the
// file then holds.

#include "common/prompts.h"

#include <QDialog>

#include <filesystem>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;

namespace mervadin {

class BlockListWindow : public QDialog {
    Q_OBJECT
public:
    // The block list `file` (the working folder's BlockList.txt).
    BlockListWindow(std::filesystem::path file, Prompts& prompts, QWidget* parent = nullptr);

    void AddTyped();
    void RemoveSelected();
    void Import();
    // Reads the file again.
    void Load();

private:
    template <typename Change>
    void Apply(Change change);
    void Tell(const char* doneFormat, const std::vector<std::string>& done,
              const char* unchangedFormat, const std::vector<std::string>& unchanged);

    std::filesystem::path file_;
    Prompts& prompts_;
    QListWidget* numbers_ = nullptr;
    QLineEdit* number_ = nullptr;
    QLabel* count_ = nullptr;
};

} // namespace mervadin
