#include "qtcore/encoding_choice.h"

#include "qtcore/text_codec.h"

#include <QSettings>

namespace mervadin {

namespace {

constexpr const char* kKey = "text/encoding";

// The user's settings of this tool (a file under ~/.config on Linux, the
// registry on Windows), named here so that no application object is needed.
QSettings UserSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Mervadin", "mervadin");
}

} // namespace

std::optional<std::string> EncodingChoice::Remembered() {
    const QString name = UserSettings().value(kKey).toString();
    if (name.isEmpty())
        return std::nullopt;
    return name.toStdString();
}

void EncodingChoice::Remember(const std::string& name) {
    auto settings = UserSettings();
    settings.setValue(kKey, QString::fromStdString(name));
    settings.sync();
}

std::vector<std::string> EncodingChoice::Offered() {
    std::vector<std::string> offered;
    for (const char* name : {"UTF-8", "GB18030", "GBK", "Big5", "Shift_JIS", "EUC-KR",
                             "windows-1252", "ISO-8859-1", "windows-1251", "KOI8-R"})
        if (TextCodec::Named(name))
            offered.emplace_back(name);
    return offered;
}

} // namespace mervadin
