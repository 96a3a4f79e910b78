#pragma once
// How the 8-bit text of the data files and of the device's text fields is
// read as characters. The tool keeps such text as bytes; an encoding is
// needed only where characters matter: to show them, and to cut a text to a
// byte limit without splitting a character.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mervadin {

class TextEncoding {
public:
    virtual ~TextEncoding() = default;
    virtual std::string Name() const = 0;
    // The length of the longest prefix of `bytes` that has at most `limit`
    // bytes and does not end inside a character. Bytes that are not valid in
    // the encoding count as one character each.
    virtual std::size_t Fit(std::string_view bytes, std::size_t limit) const = 0;
    // Unicode text, given as UTF-8, in this encoding; nothing when one of its
    // characters has no code here.
    virtual std::optional<std::string> FromUnicode(std::string_view utf8) const = 0;
    // The text of `bytes` as UTF-8; bytes not valid in the encoding become
    // U+FFFD.
    virtual std::string ToUtf8(std::string_view bytes) const = 0;
};

// UTF-8, the default encoding.
const TextEncoding& Utf8Encoding();

// Whether `bytes` are well-formed UTF-8 throughout.
bool IsValidUtf8(std::string_view bytes);

// UTF-16 text (without its byte-order mark) as UTF-8; nothing when it is
// not well-formed (an odd length, a lone surrogate).
enum class ByteOrder { LittleEndian, BigEndian };
std::optional<std::string> Utf16ToUtf8(std::string_view bytes, ByteOrder order);

// The prefix that Fit allows.
std::string CutText(std::string_view bytes, std::size_t limit, const TextEncoding& encoding);

} // namespace mervadin
