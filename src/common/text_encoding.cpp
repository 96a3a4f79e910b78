#include "common/text_encoding.h"

namespace mervadin {

namespace {

constexpr bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

class Utf8 : public TextEncoding {
public:
    std::string Name() const override { return "UTF-8"; }
    std::optional<std::string> FromUnicode(std::string_view utf8) const override {
        return std::string(utf8);
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

const TextEncoding& Utf8Encoding() {
    static const Utf8 encoding;
    return encoding;
}

std::string CutText(std::string_view bytes, std::size_t limit, const TextEncoding& encoding) {
    return std::string(bytes.substr(0, encoding.Fit(bytes, limit)));
}

} // namespace mervadin
