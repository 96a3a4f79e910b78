#include "qtcore/user_setting.h"

#include <QSettings>

namespace mervadin {

namespace {

QSettings UserSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Mervadin", "mervadin");
}

} // namespace

std::optional<std::string> UserSetting::Value() const {
    const QString value = UserSettings().value(key_).toString();
    if (value.isEmpty())
        return std::nullopt;
    return value.toStdString();
}

void UserSetting::Store(const std::string& value) const {
    auto settings = UserSettings();
    settings.setValue(key_, QString::fromStdString(value));
    settings.sync();
}

} // namespace mervadin
