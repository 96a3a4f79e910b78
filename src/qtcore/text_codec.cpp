#include "qtcore/text_codec.h"

#include "qtcore/encoding_choice.h"

#include <QStringDecoder>
#include <QStringEncoder>

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdlib>
#include <vector>

namespace mervadin {

namespace {

// Every encoding chosen in this run, the one in use last.
struct ChosenCodecs {
    std::vector<std::unique_ptr<TextCodec>> all;
    TextCodec::Source source = TextCodec::Source::Default;
};

ChosenCodecs& Codecs() {
    static ChosenCodecs codecs = [] {
        ChosenCodecs made;
        made.all.push_back(TextCodec::Named("UTF-8"));
        return made;
    }();
    return codecs;
}

class FollowingCodec : public TextEncoding {
public:
    std::string Name() const override { return TextCodec::Chosen().Name(); }
    std::size_t Fit(std::string_view bytes, std::size_t limit) const override {
        return TextCodec::Chosen().Fit(bytes, limit);
    }
    std::optional<std::string> FromUnicode(std::string_view utf8) const override {
        return TextCodec::Chosen().FromUnicode(utf8);
    }
    std::string ToUtf8(std::string_view bytes) const override {
        return TextCodec::Chosen().ToUtf8(bytes);
    }
};

QByteArrayView View(std::string_view bytes) {
    return {bytes.data(), static_cast<qsizetype>(bytes.size())};
}

bool Known(const std::string& name) {
    return !name.empty() && QStringDecoder(name.c_str()).isValid() &&
           QStringEncoder(name.c_str()).isValid();
}

// Whether an encoding keeps every ASCII character the data files are made
// of (TAB, the line ends and the printable ones) as its one byte, and
// begins every other character with a byte of 0x80 or more, as the files'
// byte rules (keys, separators, line ends, searches) need. Control
// characters some code pages map elsewhere do not matter.
bool KeepsAscii(const std::string& name) {
    QByteArray ascii("\t\n\r");
    for (char c = 0x20; c < 0x7F; ++c)
        ascii += c;
    QStringDecoder decoder(name.c_str(), QStringDecoder::Flag::Stateless);
    const QString text = decoder(ascii);
    if (decoder.hasError() || text != QString::fromLatin1(ascii))
        return false;
    QStringEncoder encoder(name.c_str(), QStringEncoder::Flag::Stateless);
    if (encoder(text) != ascii || encoder.hasError())
        return false;
    // Characters of several scripts; those the encoding has must not begin
    // with an ASCII byte (an escape sequence, a shift character).
    for (const char* sample : {"\u00E9", "\u0416", "\u4E2D", "\uD55C", "\u30A2", "\u20AC"}) {
        QStringEncoder one(name.c_str(), QStringEncoder::Flag::Stateless);
        const QByteArray bytes = one(QString::fromUtf8(sample));
        if (!one.hasError() && !bytes.isEmpty() && static_cast<unsigned char>(bytes[0]) < 0x80)
            return false;
    }
    return true;
}

} // namespace

std::string TextCodec::Refusal(const std::string& name) {
    if (!Known(name))
        return "unknown encoding \"" + name + "\"";
    if (!KeepsAscii(name))
        return "\"" + name +
               "\" cannot be the encoding of the data files: it is not an 8-bit superset of "
               "ASCII (their keys, separators and line ends are single ASCII bytes)";
    return {};
}

std::unique_ptr<TextCodec> TextCodec::Named(const std::string& name) {
    if (!Refusal(name).empty())
        return nullptr;
    return std::unique_ptr<TextCodec>(new TextCodec(name));
}

const TextCodec& TextCodec::Chosen() {
    return *Codecs().all.back();
}

TextCodec::Source TextCodec::ChosenFrom() {
    return Codecs().source;
}

void TextCodec::Choose(std::unique_ptr<TextCodec> codec, Source source) {
    if (!codec)
        return;
    Codecs().all.push_back(std::move(codec));
    Codecs().source = source;
}

const TextEncoding& TextCodec::Following() {
    static const FollowingCodec following;
    return following;
}

bool TextCodec::ChooseForRun(std::string& name) {
    Source source = Source::Option;
    if (name.empty()) {
        const char* variable = std::getenv("MERVADIN_ENCODING");
        auto remembered = variable && *variable ? std::nullopt : EncodingChoice::Remembered();
        if (remembered && !Named(*remembered))
            remembered.reset(); // a name this system no longer knows: the default
        source = variable && *variable ? Source::Environment
                 : remembered          ? Source::Remembered
                                       : Source::Default;
        name = variable && *variable ? variable : remembered.value_or(SystemDefault());
    }
    auto codec = Named(name);
    if (!codec)
        return false;
    Choose(std::move(codec), source);
    return true;
}

QString TextCodec::Decode(std::string_view bytes) const {
    QStringDecoder decoder(name_.c_str(), QStringDecoder::Flag::Stateless);
    return decoder(View(bytes));
}

std::string TextCodec::Encode(const QString& text) const {
    QStringEncoder encoder(name_.c_str(), QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder(text);
    return bytes.toStdString();
}

std::optional<std::string> TextCodec::FromUnicode(std::string_view utf8) const {
    QStringEncoder encoder(name_.c_str(), QStringEncoder::Flag::Stateless);
    const QByteArray bytes =
        encoder(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    if (encoder.hasError())
        return std::nullopt;
    return bytes.toStdString();
}

std::string TextCodec::ToUtf8(std::string_view bytes) const {
    return Decode(bytes).toStdString();
}

QString TextCodec::Truncate(const QString& text, std::size_t limit) const {
    std::size_t used = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        // A surrogate pair is one character.
        const qsizetype width = text[end].isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
        const std::size_t size = EncodedSize(text.mid(end, width));
        if (used + size > limit)
            break;
        used += size;
        end += width;
    }
    return text.left(end);
}

std::size_t TextCodec::Fit(std::string_view bytes, std::size_t limit) const {
    if (bytes.size() <= limit)
        return bytes.size();
    const QString text = Decode(bytes);
    if (Encode(text) != bytes)
        return limit; // not valid text in this encoding: cut the bytes as they are
    return EncodedSize(Truncate(text, limit));
}

std::string TextCodec::OfCodePage(unsigned codePage) {
    switch (codePage) {
    case 936:
        return "GBK";
    case 54936:
        return "GB18030";
    case 950:
        return "Big5";
    case 932:
        return "Shift_JIS";
    case 949:
        return "EUC-KR";
    case 1251:
        return "windows-1251";
    case 1252:
        return "windows-1252";
    default:
        return "UTF-8";
    }
}

std::string TextCodec::SystemDefault() {
#ifdef _WIN32
    const std::string name = OfCodePage(GetACP());
    return Named(name) ? name : "UTF-8";
#else
    return "UTF-8";
#endif
}

} // namespace mervadin
