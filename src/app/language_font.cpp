#include "app/language_font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace mervadin {

namespace {

bool WritesChinese(const QString& family) {
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese);
}

// The systems' own fonts for Chinese first, then any that writes it.
QString ChineseFamily() {
    const QStringList installed = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    for (const char* preferred : {"Microsoft YaHei UI", "Microsoft YaHei", "SimSun",
                                  "Noto Sans CJK SC", "WenQuanYi Micro Hei", "Source Han Sans SC"})
        if (installed.contains(preferred))
            return preferred;
    for (const QString& family : installed)
        if (!QFontDatabase::isFixedPitch(family))
            return family;
    return installed.value(0);
}

} // namespace

void UseFontForLanguage(const std::string& language) {
    if (language != "zh_CN")
        return;
    QFont font = QApplication::font();
    if (WritesChinese(QFontInfo(font).family()))
        return;
    const QString family = ChineseFamily();
    if (family.isEmpty())
        return; // nothing better than the letters borrowed
    font.setFamilies({family});
    QApplication::setFont(font);
}

} // namespace mervadin
