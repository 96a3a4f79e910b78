#pragma once
// The window that changes the login password in Password.txt.

#include "common/prompts.h"

#include <QDialog>

#include <filesystem>

class QGridLayout;
class QLineEdit;

namespace mervadin {

class ChangePasswordWindow : public QDialog {
    Q_OBJECT
public:
    ChangePasswordWindow(std::filesystem::path passwordFile, Prompts& prompts,
                         QWidget* parent = nullptr);

    void Apply();

private:
    // A masked box of four characters in row `row`, its label before it.
    QLineEdit* AddPasswordBox(const char* name, const QString& label, int row);

    std::filesystem::path passwordFile_;
    Prompts& prompts_;
    QGridLayout* grid_ = nullptr;
    QLineEdit* old_ = nullptr;
    QLineEdit* new_ = nullptr;
    QLineEdit* confirm_ = nullptr;
};

} // namespace mervadin
