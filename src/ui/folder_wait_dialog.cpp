#include "ui/folder_wait_dialog.h"

#include "qtcore/qt_paths.h"
#include "qtcore/translation.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>

namespace mervadin {

FolderWaitDialog::FolderWaitDialog(const std::filesystem::path& folder, QWidget* parent)
    : QDialog(parent) {
    setObjectName(names::folder_wait::kDialog);
    setWindowTitle(tr("Folder in use"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* text =
        //: %1 is the working folder's path.
        new QLabel(tr("Waiting for another Mervadin working on %1").arg(TextOf(folder)), this);
    text->setObjectName(names::folder_wait::kText);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* cancel = MakeButton(this, names::folder_wait::kCancel, tr("Cancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(cancel);
    layout->addLayout(row);
    cancel->setFocus();
}

void WindowFolderWait::Wait(const std::filesystem::path& folder,
                            const std::function<bool()>& tryLock) {
    enum class End { Locked, Failed, Cancelled, TimedOut };
    End end = End::Locked;
    std::exception_ptr failure;
    QEventLoop loop;
    FolderWaitDialog dialog(folder, QApplication::activeWindow());
    QObject::connect(&dialog, &QDialog::rejected, &loop, [&] {
        end = End::Cancelled;
        loop.quit();
    });
    QElapsedTimer waited;
    waited.start();
    bool noticed = false;
    QTimer tries;
    tries.setInterval(kTryEveryMs);
    QObject::connect(&tries, &QTimer::timeout, &loop, [&] {
        try {
            if (tryLock())
                return loop.quit();
        } catch (...) { // an exception must not cross the event loop
            failure = std::current_exception();
            end = End::Failed;
            return loop.quit();
        }
        if (waited.elapsed() >= limit_.count()) {
            end = End::TimedOut;
            loop.quit();
        } else if (!noticed && waited.elapsed() >= FolderLock::kNoticeAfterMs) {
            noticed = true;
            loop.exit(1); // time for the dialog: the first loop ends, the next takes input
        }
    });
    tries.start();
    if (loop.exec(QEventLoop::ExcludeUserInputEvents) == 1) {
        dialog.open();
        loop.exec();
    }
    tries.stop();
    dialog.hide();
    if (end == End::Failed)
        std::rethrow_exception(failure);
    if (end == End::Cancelled)
        FolderLock::Cancelled(folder);
    if (end == End::TimedOut)
        FolderLock::GiveUp(folder, std::chrono::milliseconds(waited.elapsed()));
}

} // namespace mervadin
