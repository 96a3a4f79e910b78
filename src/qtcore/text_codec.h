#pragma once
// The one class through which text from the data files and the device is
// shown and typed text goes back to bytes, in the encoding the operator
// chose (UTF-8 on Linux, the PC's code page on Windows, unless --encoding or
// MERVADIN_ENCODING name another, such as GB18030 for files made on a
// Chinese Windows). Bytes that are not valid in
// the encoding show as replacement marks; they are never written back unless
// the operator edits that very text, which is the caller's part: keep the
// bytes, compare what is shown.

#include "common/text_encoding.h"

#include <QString>

#include <memory>
#include <string>
#include <string_view>

namespace mervadin {

class TextCodec : public TextEncoding {
public:
    // Nothing when the name is not an encoding this system knows, or is one
    // that cannot be the encoding of the data files (Refusal says why).
    static std::unique_ptr<TextCodec> Named(const std::string& name);
    // Why `name` cannot be chosen: unknown, or not an 8-bit superset of ASCII
    // (UTF-16, UTF-32, ISO-2022-JP, UTF-7: the files' keys, separators and
    // line ends are single ASCII bytes); empty when it can.
    static std::string Refusal(const std::string& name);

    // Where the encoding in use came from.
    enum class Source { Option, Environment, Remembered, Default, Window };

    // The encoding chosen for this run; UTF-8 until Choose is called. It is
    // chosen at start-up and may be chosen again in the main window; an
    // encoding once chosen stays alive, so a reference taken to it stays
    // valid, though only Following() follows a new choice.
    static const TextCodec& Chosen();
    static Source ChosenFrom();
    static void Choose(std::unique_ptr<TextCodec> codec, Source source = Source::Window);
    // Whatever encoding is chosen at the time of each call.
    static const TextEncoding& Following();
    // Chooses by the --encoding option's value, or when that is empty by
    // MERVADIN_ENCODING, then the choice remembered for the user, else the
    // system's (SystemDefault). False, choosing nothing, when the name is
    // refused; `name` then holds it for the error message (Refusal).
    static bool ChooseForRun(std::string& name);

    // What a data file's bytes are taken for when nothing chose: on Windows
    // the PC's own code page for 8-bit text (GBK on a Chinese Windows, so a
    // folder carried over from one reads right at once), elsewhere UTF-8.
    static std::string SystemDefault();
    // The encoding of a Windows code page by the name Qt knows it; UTF-8
    // for one this tool does not offer.
    static std::string OfCodePage(unsigned codePage);

    std::string Name() const override { return name_; }
    std::size_t Fit(std::string_view bytes, std::size_t limit) const override;
    std::optional<std::string> FromUnicode(std::string_view utf8) const override;
    std::string ToUtf8(std::string_view bytes) const override;

    QString Decode(std::string_view bytes) const;
    // Characters the encoding cannot hold become its substitute character.
    std::string Encode(const QString& text) const;
    std::size_t EncodedSize(const QString& text) const { return Encode(text).size(); }
    // The longest prefix of `text` whose bytes fit in `limit`.
    QString Truncate(const QString& text, std::size_t limit) const;

private:
    explicit TextCodec(std::string name) : name_(std::move(name)) {}

    std::string name_;
};

} // namespace mervadin
