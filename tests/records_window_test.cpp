#include "app/app_names.h"
#include "app/main_window.h"
#include "link/tick_clock.h"
#include "qtcore/text_codec.h"
#include "records/call_grid_model.h"
#include "records/call_list_grid.h"
#include "records/call_record.h"
#include "records/display_window.h"
#include "records/read_window.h"
#include "records/record_names.h"
#include "sim/sim_device.h"
#include "support/call_lines.h"
#include "support/modal.h"
#include "support/recording_prompts.h"
#include "support/simulated_setup.h"
#include "support/temp_folder.h"
#include "support/widgets.h"
#include "ui/colours.h"
#include "ui/qt_prompts.h"
#include "ui/ui_names.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace mervadin {
namespace {

class RecordsWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(folder.Prepare(), std::nullopt); }

    test::TempFolder temp;
    WorkFolder folder{temp.path()};
    test::RecordingPrompts prompts;
};

// Types `remark` into the remark cell of `row` and commits it with Enter.
void TypeRemark(QTableView& grid, int row, const QString& remark) {
    const QModelIndex cell = grid.model()->index(row, 6);
    grid.setCurrentIndex(cell);
    grid.edit(cell);
    auto* editor = grid.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, remark);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits in a queued call
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(RecordsWindowTest, GridsShowTheirFilesAndWriteRemarks) {
    Lines out;
    for (int i = 0; i < 120005; ++i) // more than the grid's 100000 rows
        out.push_back(test::CallLine({.group = std::to_string(i),
                                      .number = std::to_string(1000 + i),
                                      .type = i % 2 ? "1" : "0"}));
    WriteLines(folder.File("CallOutList.txt"), out);
    WriteLines(folder.File("CallInList.txt"), {test::CallLine({.number = "1001", .type = "3"})});
    MainWindow window(folder, prompts);
    window.show();
    auto* grid = window.findChild<QTableView*>(names::grids::kCallOut);
    auto* model = grid->model();
    // Loaded, the grid shows its last lines: scrolled to put row
    // (lines - 10), counted from 1, at the top, as far as its rows allow.
    // Where a taller font leaves room for fewer rows, the last line shows.
    const int rows = (grid->viewport()->height() + grid->rowHeight(0) - 1) / grid->rowHeight(0);
    EXPECT_LE(grid->rowAt(0), 120005 - std::min(11, rows));
    EXPECT_GE(grid->rowAt(0), 120005 - 11 - grid->viewport()->height() / 18);
    EXPECT_TRUE(grid->viewport()->rect().contains(grid->visualRect(model->index(120004, 0))));
    EXPECT_EQ(model->rowCount(), 120005);
    EXPECT_EQ(model->index(120004, 1).data().toString(), "121004");
    EXPECT_EQ(model->index(0, 2).data().toString(), "CallOutSuccessed");
    EXPECT_EQ(model->index(1, 2).data().toString(), "CallOutFailed");
    EXPECT_EQ(model->index(0, 4).data().toString(), "2026/1/1 1:2:3");
    EXPECT_EQ(window.findChild<QTableView*>(names::grids::kCallIn)
                  ->model()
                  ->index(0, 2)
                  .data()
                  .toString(),
              "CallInMissed");
    EXPECT_FALSE(model->flags(model->index(0, 3)) & Qt::ItemIsEditable);

    // A remark typed into column 6 and committed with Enter reaches the file.
    TypeRemark(*grid, 2, "call back; later]");
    const Lines stored = ReadLines(folder.File("CallOutList.txt"));
    EXPECT_TRUE(stored[2].ends_with("Remark[call back, later)];"));
    EXPECT_EQ(model->index(2, 6).data().toString(), "call back, later)");

    // Rows past the grid's usual 100000 take remarks on their own line.
    EXPECT_TRUE(model->setData(model->index(110000, 6), "far", Qt::EditRole));
    const Lines farStored = ReadLines(folder.File("CallOutList.txt"));
    EXPECT_TRUE(farStored[110000].ends_with("Remark[far];")) << farStored[110000];
    EXPECT_EQ(farStored[110001], out[110001]);
    EXPECT_EQ(model->index(110000, 1).data().toString(), "111000");
    EXPECT_EQ(model->index(110001, 1).data().toString(), "111001");

    // Another writer's list: the rows follow once a row is read from it.
    WriteLines(folder.File("CallOutList.txt"),
               {test::CallLine({.number = "5"}), test::CallLine({.number = "6"})});
    model->index(50000, 1).data();
    QCoreApplication::processEvents();
    EXPECT_EQ(model->rowCount(), 100000);
    EXPECT_EQ(model->index(1, 1).data().toString(), "6");
    EXPECT_EQ(model->index(2, 1).data().toString(), "");

    // A reload with fewer lines leaves no stale rows; a remark beyond writes nothing.
    WriteLines(folder.File("CallOutList.txt"), {test::CallLine({.group = "7", .number = "1007"})});
    window.Grid(RecordFiles::List::CallOut)->Load();
    EXPECT_EQ(model->rowCount(), 100000);
    EXPECT_EQ(model->index(1, 1).data().toString(), "");
    EXPECT_FALSE(model->setData(model->index(5, 6), "x", Qt::EditRole));
    EXPECT_EQ(ReadLines(folder.File("CallOutList.txt")),
              Lines{test::CallLine({.group = "7", .number = "1007"})});

    // A million lines and more: the row numbers show whole.
    std::string million;
    for (int i = 0; i < 1000001; ++i)
        million += "\r\n";
    test::Spit(folder.File("CallOutList.txt"), million);
    window.Grid(RecordFiles::List::CallOut)->Load();
    EXPECT_EQ(model->index(1000000, 0).data().toString(), "1000001");
    EXPECT_GE(grid->columnWidth(0),
              grid->fontMetrics().horizontalAdvance("1000001") +
                  2 * grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8);
}

TEST_F(RecordsWindowTest, TheFilterBarNarrowsTheRowsAndRemarksLandOnTheirLines) {
    Lines out;
    for (int i = 0; i < 30; ++i)
        out.push_back(test::CallLine({.group = std::to_string(i % 3),
                                      .number = std::to_string(1000 + i),
                                      .type = i % 2 ? "1" : "0",
                                      .date = "2026/1/" + std::to_string(i + 1) + " 8:0:0"}));
    WriteLines(folder.File("CallOutList.txt"), out);
    MainWindow window(folder, prompts);
    window.show();
    auto* bar = test::Child<QWidget>(window, names::grids::kCallOutFilter);
    auto* grid = test::Child<QTableView>(window, names::grids::kCallOut);
    QAbstractItemModel* model = grid->model();
    const auto field = [&](const char* name) { return test::Child<QLineEdit>(*bar, name); };
    const auto count = [&] {
        return test::Child<QLabel>(*bar, names::grids::kFilterCount)->text();
    };
    EXPECT_EQ(count(), "30 of 30");
    EXPECT_EQ(model->rowCount(), 100000);
    // Each grid offers its own list's kinds.
    const auto kinds = [](QWidget& filterBar) {
        auto* box = test::Child<QComboBox>(filterBar, names::grids::kFilterType);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    };
    EXPECT_EQ(kinds(*bar),
              (QStringList{"All types", "CallOutSuccessed", "CallOutFailed", "CallOutManual"}));
    EXPECT_EQ(kinds(*test::Child<QWidget>(window, names::grids::kCallInFilter)),
              (QStringList{"All types", "CallInAnswer", "CallInMissed"}));
    // A call stored live counts at once, though the grid's usual rows held
    // its row already.
    const Lines before = ReadLines(folder.File("CallOutList.txt"));
    const auto storeLive = [&](const test::Call& call) {
        std::string list = test::Slurp(folder.File("CallOutList.txt"));
        test::Spit(folder.File("CallOutList.txt"), list + test::ListLine(call));
        window.Grid(RecordFiles::List::CallOut)->ShowStoredLine();
    };
    storeLive({.group = "1", .number = "1030", .type = "0", .date = "2026/2/1 9:0:0"});
    EXPECT_EQ(count(), "31 of 31");
    EXPECT_EQ(model->rowCount(), 100000);
    WriteLines(folder.File("CallOutList.txt"), before);
    window.Grid(RecordFiles::List::CallOut)->Load();
    EXPECT_EQ(count(), "30 of 30");

    // Typing narrows the rows on its own after a pause.
    QTest::keyClicks(field(names::grids::kFilterNumber), "100");
    ASSERT_TRUE(QTest::qWaitFor([&] { return count() == "10 of 30"; }, 5000))
        << count().toStdString();
    EXPECT_EQ(model->rowCount(), 10);
    // The type box at once; the rows keep the numbers of their lines.
    test::Child<QComboBox>(*bar, names::grids::kFilterType)->setCurrentText("CallOutFailed");
    EXPECT_EQ(count(), "5 of 30");
    EXPECT_EQ(model->index(0, 0).data().toString(), "2");
    EXPECT_EQ(model->index(1, 1).data().toString(), "1003");

    // A remark typed into a filtered row lands on that row's line alone.
    TypeRemark(*grid, 1, "ring back");
    Lines expected = out;
    expected[3] = test::CallLine({.group = "0",
                                  .number = "1003",
                                  .type = "1",
                                  .date = "2026/1/4 8:0:0",
                                  .remark = "ring back"});
    EXPECT_EQ(ReadLines(folder.File("CallOutList.txt")), expected);
    EXPECT_EQ(model->index(1, 6).data().toString(), "ring back");
    EXPECT_EQ(count(), "5 of 30");

    // Group and days; a day that is no day is marked and left out.
    const auto apply = [&](const char* name, const QString& text) {
        field(name)->setText(text);
        QTest::keyClick(field(name), Qt::Key_Return);
    };
    apply(names::grids::kFilterGroup, "1");
    EXPECT_EQ(count(), "2 of 30"); // lines 2 and 8
    apply(names::grids::kFilterFrom, "2026/1/5");
    EXPECT_EQ(count(), "1 of 30");
    EXPECT_EQ(model->index(0, 0).data().toString(), "8");
    apply(names::grids::kFilterTo, "2026-13-40");
    // Beside the fields, how to write a day, the count behind it.
    auto* counted = test::Child<QLabel>(*bar, names::grids::kFilterCount);
    EXPECT_EQ(count(), "Day as 2026-12-08");
    EXPECT_EQ(counted->toolTip(), "1 of 30");
    // Whole once the bar is laid out again (as before it is next painted).
    EXPECT_TRUE(QTest::qWaitFor([&] { return counted->width() >= counted->sizeHint().width(); }));
    EXPECT_FALSE(field(names::grids::kFilterTo)->toolTip().isEmpty());
    apply(names::grids::kFilterTo, "2026-2-1");
    EXPECT_EQ(count(), "1 of 30");
    EXPECT_TRUE(counted->toolTip().isEmpty());

    // A call stored live that passes the filter joins the rows.
    storeLive({.group = "1", .number = "1009", .type = "1", .date = "2026/2/1 9:0:0"});
    EXPECT_EQ(count(), "2 of 31");
    EXPECT_EQ(model->index(1, 0).data().toString(), "31");

    // Emptied fields show every line in the grid's usual rows again.
    for (const char* name : {names::grids::kFilterNumber, names::grids::kFilterGroup,
                             names::grids::kFilterFrom, names::grids::kFilterTo})
        apply(name, "");
    test::Child<QComboBox>(*bar, names::grids::kFilterType)->setCurrentIndex(0);
    EXPECT_EQ(count(), "31 of 31");
    EXPECT_EQ(model->rowCount(), 100000);
    EXPECT_EQ(model->index(3, 6).data().toString(), "ring back");
}

TEST_F(RecordsWindowTest, ARemarkCellEnteredAndLeftWithoutTypingWritesNothing) {
    const std::string gb = "Group[1],\tName[\xB2\xE2],\tNumber[1],\tType[0],\tDate[],\tDuration[],"
                           "\tRemark[\xB2\xE2\xCA\xD4];";
    WriteLines(folder.File("CallOutList.txt"),
               {gb, test::CallLine({.group = "2", .number = "1002"})});
    MainWindow window(folder, prompts);
    window.show();
    auto* grid = window.findChild<QTableView*>(names::grids::kCallOut);
    const QModelIndex cell = grid->model()->index(0, 6);
    grid->setCurrentIndex(cell);
    grid->edit(cell);
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Tab); // leaves the cell, committing what it shows
    QCoreApplication::processEvents();
    EXPECT_EQ(ReadLines(folder.File("CallOutList.txt")),
              (Lines{gb, test::CallLine({.group = "2", .number = "1002"})}));

    // Read as GB18030 the same bytes show as the characters they are.
    TextCodec::Choose(TextCodec::Named("GB18030"));
    window.Grid(RecordFiles::List::CallOut)->Load();
    EXPECT_EQ(cell.model()->index(0, 6).data().toString(),
              QString::fromUtf8("\xE6\xB5\x8B\xE8\xAF\x95"));
    // A remark typed then goes to the file in GB18030, cut to its 126 bytes
    // at a whole character: "a" and 62 two-byte characters, 125 bytes.
    QString remark = "a";
    for (int i = 0; i < 70; ++i)
        remark += QString::fromUtf8("\xE6\xB5\x8B");
    EXPECT_TRUE(grid->model()->setData(grid->model()->index(1, 6), remark, Qt::EditRole));
    std::string cut = "a";
    for (int i = 0; i < 62; ++i)
        cut += "\xB2\xE2";
    EXPECT_EQ(FieldValue(ReadLines(folder.File("CallOutList.txt"))[1], "Remark["), cut);
    TextCodec::Choose(TextCodec::Named("UTF-8"));
}

TEST_F(RecordsWindowTest, SaveAsOffersSpreadsheetTypesAndKeepsTheTextCopy) {
    WriteLines(folder.File("CallOutList.txt"),
               {test::CallLine({.number = "1001"}),
                test::CallLine({.group = "2", .number = "1002", .type = "1"})});
    const std::string listBytes = test::Slurp(folder.File("CallOutList.txt"));
    MainWindow window(folder, prompts);
    prompts.files = {temp / "copy.txt", temp / "calls.csv", temp / "calls.xlsx"};
    for (int i = 0; i < 3; ++i)
        test::Action(window, names::main::kCallOutMenu, "Callout CDR Save as ")->trigger();
    EXPECT_EQ(prompts.dialogs.front().second,
              "Text Files(*.txt)|*.txt;;Excel workbook (*.xlsx);;CSV (*.csv)");
    EXPECT_EQ(test::Slurp(temp / "copy.txt"), listBytes);
    EXPECT_EQ(test::Slurp(temp / "calls.csv"),
              "\xEF\xBB\xBFGroup,Name,Number,Type,Date,Duration,Remark\r\n"
              "1,n,1001,CallOutSuccessed,2026/1/1 1:2:3,0:0:5,\r\n"
              "2,n,1002,CallOutFailed,2026/1/1 1:2:3,0:0:5,\r\n");
    EXPECT_EQ(test::Slurp(temp / "calls.xlsx").substr(0, 2), "PK");
    EXPECT_EQ(prompts.shown.size(), 3u);

    // A remark longer than a remark keeps (a list edited by hand) is cut on
    // export, and the save says so once, after its own box; a name a
    // spreadsheet would run is written as text.
    WriteLines(folder.File("CallOutList.txt"),
               {test::CallLine({.name = "=1+1", .remark = std::string(130, 'r')}),
                test::CallLine({.remark = std::string(140, 's')})});
    window.Grid(RecordFiles::List::CallOut)->Load();
    prompts.shown.clear();
    prompts.files = {temp / "cut.csv"};
    test::Action(window, names::main::kCallOutMenu, "Callout CDR Save as ")->trigger();
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[1].text,
              "2 remarks longer than 126 bytes were cut at 126 (the first on line 1)");
    EXPECT_NE(test::Slurp(temp / "cut.csv").find(",\"'=1+1\",100,"), std::string::npos);
}

// With a filter set, "Save as" asks whether the lines shown or the whole
// list go out, and says how many went; Cancel saves nothing.
TEST_F(RecordsWindowTest, SaveAsOfAFilteredGridAsksWhichLinesAndCountsThem) {
    Lines out;
    for (int i = 0; i < 6; ++i)
        out.push_back(
            test::CallLine({.number = std::to_string(1000 + i), .type = i % 2 ? "1" : "0"}));
    WriteLines(folder.File("CallOutList.txt"), out);
    const std::string listBytes = test::Slurp(folder.File("CallOutList.txt"));
    MainWindow window(folder, prompts);
    auto* bar = test::Child<QWidget>(window, names::grids::kCallOutFilter);
    test::Child<QComboBox>(*bar, names::grids::kFilterType)->setCurrentText("CallOutFailed");
    const auto saveAs = [&] {
        test::Action(window, names::main::kCallOutMenu, "Callout CDR Save as ")->trigger();
    };

    prompts.answers = {Prompts::Answer::Yes};
    prompts.files = {temp / "shown.txt"};
    saveAs();
    EXPECT_EQ(ReadLines(temp / "shown.txt"), (Lines{out[1], out[3], out[5]}));
    EXPECT_EQ(
        prompts.shown,
        (std::vector<Notice>{
            {"Save as", "The filter shows 3 of the 6 lines of this list. Which lines are saved?"},
            {"OK!!", "  Save OK!!\nLines saved: 3"}}));

    prompts.shown.clear();
    prompts.answers = {Prompts::Answer::No};
    prompts.files = {temp / "all.csv"};
    saveAs();
    const std::string csv = test::Slurp(temp / "all.csv");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 7); // the header and six lines
    EXPECT_EQ(prompts.shown.back(), (Notice{"OK!!", "  Save OK!!\nLines saved: 6"}));

    prompts.shown.clear();
    prompts.answers = {Prompts::Answer::Cancel};
    prompts.files = {temp / "none.txt"};
    saveAs();
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(temp / "none.txt"));

    // Without a filter the list is copied as it is, as before.
    test::Child<QComboBox>(*bar, names::grids::kFilterType)->setCurrentIndex(0);
    prompts.shown.clear();
    prompts.files = {temp / "copy.txt"};
    saveAs();
    EXPECT_EQ(test::Slurp(temp / "copy.txt"), listBytes);
    EXPECT_EQ(prompts.shown, (std::vector<Notice>{{"OK!!", "  Save OK!!"}}));
}

// On the screen a choice shows a button for each choice, the first the
// default, and Cancel; Escape chooses nothing.
TEST(QtPromptsChoice, EachChoiceIsAButtonOfItsOwn) {
    QtPrompts prompts;
    const std::vector<std::string> choices = {"The 3 lines shown", "All 6 lines"};
    std::optional<std::size_t> chosen;
    test::WithModal<QMessageBox>([&] { chosen = prompts.Choose("Save as", "Which?", choices); },
                                 [](QMessageBox& box) {
                                     QStringList captions;
                                     for (auto* button : box.buttons())
                                         captions << button->text();
                                     EXPECT_TRUE(captions.contains("All 6 lines"));
                                     EXPECT_EQ(box.defaultButton()->text(), "The 3 lines shown");
                                     for (auto* button : box.buttons())
                                         if (button->text() == "All 6 lines")
                                             button->click();
                                 });
    EXPECT_EQ(chosen, 1u);
    test::WithModal<QMessageBox>([&] { chosen = prompts.Choose("Save as", "Which?", choices); },
                                 [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(chosen, std::nullopt);
}

// A box is never narrower than its caption: the title bar would cut it.
TEST(QtPromptsChoice, ABoxIsAsWideAsItsCaption) {
    QtPrompts prompts;
    const std::string caption = "Clear Callout CDR List and a caption longer than its text";
    test::WithModal<QMessageBox>([&] { prompts.Inform(caption, "OK?"); },
                                 [&](QMessageBox& box) {
                                     EXPECT_GT(box.width(), box.fontMetrics().horizontalAdvance(
                                                                QString::fromStdString(caption)));
                                 });
}

TEST_F(RecordsWindowTest, SaveAsAsksAgainOnNoAndClearEmptiesTheListOnlyAfterYes) {
    WriteLines(folder.File("CallInList.txt"),
               {test::CallLine({.number = "1001", .type = "2"}),
                test::CallLine({.group = "2", .number = "1002", .type = "3"})});
    MainWindow window(folder, prompts);
    const auto existing = temp / "existing.txt";
    test::Spit(existing, "old");
    prompts.files = {existing, existing};
    prompts.answers = {Prompts::Answer::No, Prompts::Answer::Yes};
    test::Action(window, names::main::kCallInMenu, "Callin CDR Save as")->trigger();
    EXPECT_EQ(prompts.dialogs.size(), 2u);
    // The dialog starts in the documents folder (the home folder when
    // there is none), not beside the tool's own files.
    EXPECT_EQ(prompts.dialogs[0].first, DocumentsFolder());
    EXPECT_NE(prompts.dialogs[0].first, folder.root());
    EXPECT_EQ(ReadLines(existing),
              (Lines{test::CallLine({.number = "1001", .type = "2"}),
                     test::CallLine({.group = "2", .number = "1002", .type = "3"})}));
    EXPECT_EQ(prompts.shown, (std::vector<Notice>{{"Save File", "  Replace？"},
                                                  {"Save File", "  Replace？"},
                                                  {"OK!!", "    Save  OK!!"}}));

    prompts.shown.clear();
    test::Action(window, names::main::kCallOutMenu, "Callout CDR Save as ")
        ->trigger(); // cancelled dialog
    EXPECT_TRUE(prompts.shown.empty());

    // A name typed without an ending gets the first type's.
    prompts.files = {temp / "calls"};
    test::Action(window, names::main::kCallOutMenu, "Callout CDR Save as ")->trigger();
    EXPECT_TRUE(std::filesystem::exists(temp / "calls.txt"));

    // Clearing asks first, No keeping the list.
    prompts.shown.clear();
    prompts.answers = {Prompts::Answer::No, Prompts::Answer::Yes};
    test::Action(window, names::main::kCallInMenu, "Clear Callin CDR list")->trigger();
    EXPECT_EQ(prompts.shown,
              (std::vector<Notice>{{"Clear Callin CDR list", "Clear all 2 call records?"}}));
    EXPECT_EQ(ReadLines(folder.File("CallInList.txt")).size(), 2u);
    test::Action(window, names::main::kCallInMenu, "Clear Callin CDR list")->trigger();
    EXPECT_EQ(test::Slurp(folder.File("CallInList.txt")), "");
    EXPECT_EQ(window.findChild<QTableView*>(names::grids::kCallIn)
                  ->model()
                  ->index(0, 1)
                  .data()
                  .toString(),
              "");
    EXPECT_EQ(prompts.shown.back(), (Notice{"OK", "   Clear Ok  !!"}));
}

TEST_F(RecordsWindowTest, DisplayWindowShowsEachKindAndSavesWhatItShows) {
    WriteLines(folder.File("CallOutList.txt"),
               {test::CallLine({.number = "1001"}),
                test::CallLine({.group = "2", .number = "1002", .type = "1"})});
    WriteLines(folder.File("ReadFile.txt"),
               {test::CallLine({.group = "3", .number = "1003", .type = "F"})});
    RecordFiles(folder, Utf8Encoding()).RebuildKinds();
    DisplayWindow window(folder, prompts);
    EXPECT_EQ(
        window.findChild<QPlainTextEdit*>(names::display::kMemos[0])->toPlainText().toStdString(),
        test::CallLine({.number = "1001"}));
    EXPECT_EQ(window.palette().color(QPalette::Window), colour::kSkyBlue);
    EXPECT_EQ(window.findChild<QPlainTextEdit*>(names::display::kMemos[0])
                  ->palette()
                  .color(QPalette::Base),
              colour::kSilver);
    EXPECT_EQ(
        window.findChild<QPlainTextEdit*>(names::display::kMemos[2])->toPlainText().toStdString(),
        test::CallLine({.group = "3", .number = "1003", .type = "F"}));
    EXPECT_EQ(window.findChild<QPlainTextEdit*>(names::display::kMemos[3])->toPlainText(), "");

    auto* memo = window.findChild<QPlainTextEdit*>(names::display::kMemos[1]);
    memo->appendPlainText("typed");
    const auto target = temp / "failed.txt";
    prompts.files = {target};
    QTest::mouseClick(window.findChild<QPushButton*>(names::display::kSaveButtons[1]),
                      Qt::LeftButton);
    EXPECT_EQ(ReadLines(target),
              (Lines{test::CallLine({.group = "2", .number = "1002", .type = "1"}), "typed"}));
    EXPECT_EQ(prompts.shown.back(), (Notice{"OK!!", "      Save  OK!!"}));
    EXPECT_EQ(ReadLines(folder.File("CallOutFailed.txt")),
              Lines{test::CallLine({.group = "2", .number = "1002", .type = "1"})});

    prompts.files = {temp / "empty.txt"};
    window.SaveBox(3);
    EXPECT_EQ(test::Slurp(temp / "empty.txt"), "");
    EXPECT_EQ(prompts.shown.back(), (Notice{"OK!!", "    Save   OK!!"}));
}

TEST_F(RecordsWindowTest, ReadWindowReadsFromTheSimulatorIntoTheLists) {
    qputenv("MERVADIN_TICK_MS", "1");
    test::SimulatedSetup setup;
    qunsetenv("MERVADIN_TICK_MS");
    setup.Simulator()->Timing().statusIntervalMs = 0;
    setup.Link().Open();
    ReadWindow window(setup.Link(), folder, prompts);
    window.show();
    QTest::mouseClick(window.findChild<QPushButton*>(names::read::kReadButton), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return test::ShownLines(window, names::operation::kMemo).back() ==
                   "  Press [DisplayCDR] Button , display CDR ! ";
        },
        10000));
    EXPECT_EQ(ReadLines(folder.File("ReadFile.txt")).size(), 40u); // the simulator's records
    EXPECT_EQ(ReadLines(folder.File("CallOutList.txt")).size(), 20u);
    EXPECT_FALSE(
        window.findChild<TickClock*>(names::operation::kClock)->Running()); // the read is over
    EXPECT_EQ(window.palette().color(QPalette::Window), colour::kTeal);
    auto* memo = window.findChild<QWidget*>(names::operation::kMemo);
    EXPECT_EQ(memo->palette().color(QPalette::Base), colour::kSilver);
    EXPECT_TRUE(memo->font().bold());
    EXPECT_EQ(
        window.findChild<QWidget*>(names::operation::kPercent)->palette().color(QPalette::Window),
        colour::kSilver);
    // An outer size of 576 x 341, or a little more where the system's font
    // needs it.
    test::ExpectUsualSize(window.size(), {570, 313});
}

TEST_F(RecordsWindowTest, EscDuringAReadStopsTheDeviceBeforeTheWindowGoes) {
    test::SimulatedSetup setup;
    setup.Simulator()->Timing().statusIntervalMs = 0;
    setup.Simulator()->AddSampleRecords(16 * 300);
    setup.Link().Open();
    ReadWindow window(setup.Link(), folder, prompts);
    window.show();
    auto* read = window.findChild<QPushButton*>(names::read::kReadButton);
    auto saved = [&] {
        return test::ShownLines(window, names::operation::kMemo).count("Save OK!!!");
    };

    // The window's clocks run only while it has work: its Stop frames, its read.
    auto* clock = window.findChild<TickClock*>(names::operation::kClock);
    auto* fast = window.findChild<QTimer*>("FastTimer");
    ASSERT_TRUE(clock && fast);
    auto ticking = [&] { return clock->Running() && fast->isActive(); };
    auto resting = [&] { return !clock->Running() && !fast->isActive(); };
    EXPECT_TRUE(resting());

    // Stop with nothing running: no command starts before its frames are out.
    QTest::mouseClick(window.findChild<QPushButton*>(names::read::kStopButton), Qt::LeftButton);
    EXPECT_FALSE(read->isEnabled());
    EXPECT_TRUE(ticking());
    ASSERT_TRUE(QTest::qWaitFor([&] { return read->isEnabled(); }, 5000));
    EXPECT_EQ(test::ShownLines(window, names::operation::kMemo).back(),
              "================STOP==================");
    EXPECT_TRUE(resting());

    QTest::mouseClick(read, Qt::LeftButton);
    EXPECT_TRUE(ticking());
    ASSERT_TRUE(QTest::qWaitFor([&] { return saved() >= 2; }, 10000));
    EXPECT_TRUE(setup.Simulator()->InSession());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible()); // until the three stop frames are out
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !setup.Simulator()->InSession(); }, 2000));
    // Stopped: neither read to the end nor failed with a word.
    EXPECT_FALSE(test::ShownLines(window, names::operation::kMemo).contains("Read OK!"));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_TRUE(ReadLines(folder.File("ReadFile.txt")).empty());
}

TEST_F(RecordsWindowTest, ReadCdrNeedsADevice) {
    MainWindow window(folder, prompts);
    QTest::mouseClick(window.findChild<QPushButton*>(names::main::kReadCdrButton), Qt::LeftButton);
    EXPECT_EQ(prompts.shown, (std::vector<Notice>{{"  Error  ", "   No Connect!!  "}}));
}

} // namespace
} // namespace mervadin
