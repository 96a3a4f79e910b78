#pragma once
// The window that changes the login password in Password.txt.

#include "common/prompts.h"

#include <QDialog>

#include <filesystem>

class QLineEdit;

namespace mervadin {

class ChangePasswordWindow : public QDialog {
    Q_OBJECT
public:
    ChangePasswordWindow(std::filesystem::path passwordFile, Prompts& prompts,
                         QWidget* parent = nullptr);

    void Apply();

private:
    QLineEdit* AddPasswordBox(const char* name, const QString& label, int top);

    std::filesystem::path passwordFile_;
    Prompts& prompts_;
    QLineEdit* old_ = nullptr;
    QLineEdit* new_ = nullptr;
    QLineEdit* confirm_ = nullptr;
};

} // namespace mervadin
