#include "common/text_encoding.h"

namespace mervadin {

namespace {

constexpr bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at the start of `bytes`
// (no overlong forms, surrogates or values above U+10FFFF), or 0.
std::size_t ValidSequence(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || bytes.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if (!IsContinuation(byte(i)))
            return 0;
    const unsigned char second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

class Utf8 : public TextEncoding {
public:
    std::string Name() const override { return "UTF-8"; }
    std::optional<std::string> FromUnicode(std::string_view utf8) const override {
        return std::string(utf8);
    }
    std::string ToUtf8(std::string_view bytes) const override {
        std::string text;
        text.reserve(bytes.size());
        for (std::size_t at = 0; at < bytes.size();) {
            const std::size_t length = ValidSequence(bytes.substr(at));
            if (length == 0) {
                text += "\xEF\xBF\xBD";
                ++at;
            } else {
                text.append(bytes.substr(at, length));
                at += length;
            }
        }
        return text;
    }
    std::size_t Fit(std::string_view bytes, std::size_t limit) const override {
        if (bytes.size() <= limit)
            return bytes.size();
        // The first byte left out continues a character: step back to that
        // character's lead byte (at most three bytes back).
        std::size_t cut = limit;
        while (cut > 0 && limit - cut < 3 && IsContinuation(static_cast<unsigned char>(bytes[cut])))
            --cut;
        const auto lead = static_cast<unsigned char>(bytes[cut]);
        return cut < limit && lead >= 0xC0 ? cut : limit;
    }
};

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = ValidSequence(bytes.substr(at));
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

const TextEncoding& Utf8Encoding() {
    static const Utf8 encoding;
    return encoding;
}

std::string CutText(std::string_view bytes, std::size_t limit, const TextEncoding& encoding) {
    return std::string(bytes.substr(0, encoding.Fit(bytes, limit)));
}

} // namespace mervadin

namespace mervadin {

namespace {

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

std::optional<std::string> Utf16ToUtf8(std::string_view bytes, ByteOrder order) {
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    const auto unit = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<char16_t>(order == ByteOrder::BigEndian ? first << 8 | second
                                                                   : second << 8 | first);
    };
    std::string text;
    text.reserve(bytes.size() * 3 / 2);
    for (std::size_t at = 0; at < bytes.size(); at += 2) {
        const char16_t code = unit(at);
        if (code >= 0xDC00 && code <= 0xDFFF)
            return std::nullopt; // a second half without its first
        if (code < 0xD800 || code > 0xDBFF) {
            AppendUtf8(text, code);
            continue;
        }
        if (at + 2 >= bytes.size())
            return std::nullopt;
        const char16_t low = unit(at + 2);
        if (low < 0xDC00 || low > 0xDFFF)
            return std::nullopt;
        AppendUtf8(text, 0x10000 + ((char32_t{code} - 0xD800) << 10) + (low - 0xDC00));
        at += 2;
    }
    return text;
}

} // namespace mervadin
