// The main window's commands on the number list: its window and count,
// emptying it, the outcome of a calling round over it and the numbers
// never to call.

#include "app/app_texts.h"
#include "app/main_window.h"
#include "files/file_read.h"
#include "monitor/monitor_panel.h"
#include "numbers/number_list.h"
#include "numbers/number_list_window.h"
#include "numbers/number_texts.h"
#include "qtcore/translation.h"
#include "round/block_list.h"
#include "round/block_list_window.h"
#include "round/outcome_window.h"
#include "ui/file_work.h"
#include "ui/widgets.h"

namespace mervadin {

bool MainWindow::OpenOutcome(QWidget* over) {
    bool replaced = false;
    {
        OutcomeWindow window(folder_, prompts_, over ? over : this);
        connect(&window, &OutcomeWindow::WorkingListReplaced, this,
                [&replaced] { replaced = true; });
        RunToolWindow(window);
    }
    if (replaced)
        LoadNumberCount();
    return replaced;
}

void MainWindow::OpenBlockList(QWidget* over) {
    BlockListWindow window(folder_.File(file::kBlockList), prompts_, over ? over : this);
    RunToolWindow(window);
}

int MainWindow::NumberCount() const {
    return panel_->NumberCount();
}

void MainWindow::OpenNumberList() {
    {
        NumberListWindow window(
            folder_, prompts_, this,
            {.blocked = BlockListSource(folder_.File(file::kBlockList)),
             .openBlockList = [this](QWidget* over) { OpenBlockList(over); },
             .openOutcome = [this](QWidget* over) { return OpenOutcome(over); }});
        RunToolWindow(window);
    }
    LoadNumberCount();
}

void MainWindow::ClearNumbers() {
    const int count = NumberCount();
    if (count > 0 &&
        !prompts_.Confirm(texts::app::kClearNumbersCommand,
                          UiMarked(texts::app::kClearNumbersQuestion).arg(count).toStdString()))
        return;
    if (!RunFileWork(prompts_, [this] { StoreNumberList(folder_.File(file::kLoadNumber), {}); }))
        return;
    prompts_.Inform(texts::numbers::kNumbersClearedCaption, texts::numbers::kNumbersCleared);
    LoadNumberCount();
}

void MainWindow::LoadNumberCount() {
    const auto count = RunFileWork(
        prompts_, [this] { return CountLines(ReadFileBytes(folder_.File(file::kLoadNumber))); });
    panel_->SetNumberCount(static_cast<int>(count.value_or(0)));
}

} // namespace mervadin
