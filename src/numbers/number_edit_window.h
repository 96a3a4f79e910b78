#pragma once
// The number list editor: LoadNumber.txt as a table whose GROUP, NAME and
// NUMBER cells are edited in place; rows added, deleted, sorted by a column
// and searched; the list checked by the number write's own rule; every
// change undone and redone; the list saved in its own format and encoding.
// While it is open the editor owns LoadNumber.txt: Save replaces the file
// only after asking when another program changed it meanwhile.

#include "common/prompts.h"
#include "files/work_folder.h"
#include "numbers/number_packing.h"

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace mervadin {

class NumberTable;
class EditTableView;

class NumberEditWindow : public QDialog {
    Q_OBJECT
public:
    // Check names the numbers `blocked` gives (read when the editor opens).
    NumberEditWindow(WorkFolder folder, Prompts& prompts, QWidget* parent = nullptr,
                     const BlockedNumbersSource& blocked = {});
    ~NumberEditWindow() override;

    NumberTable& table() { return *table_; }
    bool Save();
    void Check();
    void FindNext();
    void AddRow();
    void DeleteRows();

signals:
    // LoadNumber.txt now holds `count` lines.
    void Saved(std::size_t count);

protected:
    void reject() override;

private:
    void BuildCommands();
    void ShowTotal();
    void SelectRow(int row);

    WorkFolder folder_;
    Prompts& prompts_;
    NumberTable* table_ = nullptr;
    EditTableView* view_ = nullptr;
    QLineEdit* find_ = nullptr;
    QListWidget* findings_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* status_ = nullptr;
    BlockedNumbers blocked_;
    QString blockedError_; // why the numbers never to call could not be read
    std::string loaded_;   // the file's bytes when opened or last saved
    bool checked_ = false; // Check was asked for: its findings are kept up to date
};

} // namespace mervadin
