#include "app/remark_window.h"

#include "qtcore/translation.h"
#include "ui/colours.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QVBoxLayout>

// The text is a resource of this library; a static library's resources are
// registered by hand (outside any namespace).
static void RegisterRemarkText() {
    Q_INIT_RESOURCE(remark);
}

namespace mervadin {

RemarkWindow::RemarkWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("remark");
    setWindowTitle(tr("remark"));
    PaintBackground(this, colour::kSkyBlue);

    auto* text = new QPlainTextEdit(this);
    text->setObjectName("Remark");
    auto* layout = new QVBoxLayout(this); // the box follows the sizeable window
    layout->setContentsMargins(8, 8, 13, 7);
    layout->addWidget(text);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    PaintTextArea(text, colour::kSilver);
    RegisterRemarkText();
    // The introduction reads in the language of the windows: the Chinese
    // text as written, in English its translation.
    QFile resource(Translation::InUse() == "zh_CN" ? ":/remark.txt" : ":/remark_en.txt");
    if (resource.open(QIODevice::ReadOnly)) {
        QString lines = QString::fromUtf8(resource.readAll());
        if (lines.endsWith('\n'))
            lines.chop(1); // the file's last line break opens no line of its own
        text->setPlainText(lines);
    }
    SizeOnScreen(*this, ClientSize(892, 516));
    MoveOnScreen(*this, {212, 65});
}

} // namespace mervadin
