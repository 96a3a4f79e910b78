#include "qtcore/translation.h"

#include "qtcore/user_setting.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <vector>

namespace mervadin {

namespace {

const UserSetting kChoice("window/language");

bool IsOffered(const std::string& code) {
    const auto& offered = Translation::Offered();
    return std::any_of(offered.begin(), offered.end(),
                       [&](const Translation::Language& l) { return code == l.code; });
}

std::string SystemLanguage() {
    return QLocale::system().name().startsWith("zh") ? "zh_CN" : "en";
}

} // namespace

QString UiMarked(const char* marked) {
    return QCoreApplication::translate(kMarkedContext, marked);
}

std::string UiMarkedString(const char* marked) {
    return UiMarked(marked).toStdString();
}

QString Shown(const ShownText& text) {
    return text.Marked() ? UiMarked(text.Text().c_str()) : QString::fromUtf8(text.Text());
}

QString UiMarkedAroundNumber(const char* marked) {
    QString whole = UiMarked(marked);
    const std::string text = marked;
    const auto first = text.find_first_of("0123456789");
    if (first == std::string::npos || whole != QString::fromStdString(text))
        return whole;
    const auto end = text.find_first_not_of("0123456789", first);
    const std::string before = text.substr(0, first);
    const std::string after = end == std::string::npos ? "" : text.substr(end);
    return UiMarked(before.c_str()) + QString::fromStdString(text.substr(first, end - first)) +
           UiMarked(after.c_str());
}

const std::vector<Translation::Language>& Translation::Offered() {
    static const std::vector<Language> offered = {{"en", "English"},
                                                  {"zh_CN", "\xE4\xB8\xAD\xE6\x96\x87"}};
    return offered;
}

std::optional<std::string> Translation::Remembered() {
    auto code = kChoice.Value();
    if (!code || !IsOffered(*code))
        return std::nullopt;
    return code;
}

void Translation::Remember(const std::string& code) {
    kChoice.Store(code);
}

std::optional<std::string> Translation::ForRun(const std::string& option) {
    std::string code = option;
    if (code.empty())
        code = qEnvironmentVariable("MERVADIN_LANGUAGE").toStdString();
    if (code.empty())
        code = Remembered().value_or(SystemLanguage());
    if (!IsOffered(code))
        return std::nullopt;
    return code;
}

namespace {

// The language of the windows is the process's, as Qt's translators are.
std::string& LanguageInUse() {
    static std::string code = "en";
    return code;
}

} // namespace

std::string Translation::InUse() {
    return LanguageInUse();
}

bool Translation::Install(const std::string& code) {
    // Kept for the whole run, as the application keeps a pointer to them.
    static QTranslator own, qt;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
    LanguageInUse() = "en";
    if (code == "en")
        return true;
    if (!own.load(QString(":/i18n/mervadin_%1.qm").arg(QString::fromStdString(code))))
        return false;
    QCoreApplication::installTranslator(&own);
    // Qt's own buttons (Yes, No, Cancel, the file dialogs) where the system
    // has their translation, or the program's folder (Windows) does.
    const QLocale locale(QString::fromStdString(code));
    for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QCoreApplication::applicationDirPath() + "/translations"})
        if (qt.load(locale, "qtbase", "_", folder)) {
            QCoreApplication::installTranslator(&qt);
            break;
        }
    LanguageInUse() = code;
    return true;
}

} // namespace mervadin
