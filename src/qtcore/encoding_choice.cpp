#include "qtcore/encoding_choice.h"

#include "qtcore/text_codec.h"
#include "qtcore/user_setting.h"

namespace mervadin {

namespace {

const UserSetting kChoice("text/encoding");

} // namespace

std::optional<std::string> EncodingChoice::Remembered() {
    return kChoice.Value();
}

void EncodingChoice::Remember(const std::string& name) {
    kChoice.Store(name);
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
