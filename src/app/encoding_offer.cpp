#include "app/encoding_offer.h"

#include "common/text_encoding.h"
#include "files/file_read.h"
#include "qtcore/encoding_choice.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "ui/qt_prompts.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace mervadin {

namespace {

// The texts of this file's free functions, in their own translation context.
constexpr const char* kTrContext = "mervadin::EncodingOffer";
QString tr(const char* text) {
    return QCoreApplication::translate(kTrContext, text);
}

// Enough text to tell, little enough to stay quick on a large list.
constexpr std::uintmax_t kBytesLookedAt = std::uintmax_t{256} * 1024;
constexpr const char* kGb18030 = "GB18030";

bool ReadsCleanlyAs(const char* encoding, const std::string& bytes) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    (void)decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

} // namespace

bool HoldsGb18030Text(const WorkFolder& folder) {
    bool notUtf8 = false;
    for (const auto name : {file::kConfig, file::kLoadNumber, file::kCallOutList, file::kCallInList,
                            file::kReadFile}) {
        std::string text;
        try {
            text = ReadFileStart(folder.File(name), kBytesLookedAt);
        } catch (const FileError&) {
            continue; // a file that cannot be read tells nothing
        }
        // Up to the last line break: a character cut at the end is no fault.
        if (text.size() == kBytesLookedAt)
            text.resize(text.rfind('\n') + 1);
        if (IsValidUtf8(text))
            continue;
        if (!ReadsCleanlyAs(kGb18030, text))
            return false;
        notUtf8 = true;
    }
    return notUtf8;
}

void OfferEncodingSwitch(const WorkFolder& folder, Prompts& prompts) {
    // Asked only where nothing chose and the default is UTF-8: a Windows PC's
    // own code page is what its files are written in.
    if (TextCodec::ChosenFrom() != TextCodec::Source::Default ||
        TextCodec::Chosen().Name() != "UTF-8" || !HoldsGb18030Text(folder))
        return;
    const bool yes = prompts.Confirm(
        tr("Text encoding").toStdString(),
        //: %1 is the working folder's path; "Text encoding" names the popup menu's entry.
        tr("The data files in %1 are not UTF-8 text but read cleanly as GB18030 (Chinese "
           "Windows). Read and write them as GB18030 from now on? (The choice can be changed in "
           "the main window's popup menu, \"Text encoding\".)")
            .arg(ToQString(Utf8Of(folder.root())))
            .toStdString());
    const std::string chosen = yes ? kGb18030 : "UTF-8";
    EncodingChoice::Remember(chosen); // asked once: either answer is kept
    if (yes)
        TextCodec::Choose(TextCodec::Named(chosen), TextCodec::Source::Remembered);
}

} // namespace mervadin
