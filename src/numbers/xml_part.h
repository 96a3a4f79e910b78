#pragma once
// The parts of a .xlsx workbook (a zip archive of XML parts), read as
// streams: each part is inflated chunk by chunk, never beyond 64 MiB, and
// parsed with expat (whose limits stop entity expansion attacks) as it
// comes. What the XML says goes to a handler, element by element.

#include "numbers/xlsx_reader.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include <expat.h>
#include <zip.h>

namespace mervadin::xlsx {

// What a part's XML says, element by element. Names are local names: a
// prefix ("x:c", "r:id") does not matter.
class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void Start(std::string_view name, const char** attributes) = 0;
    virtual void End(std::string_view name) = 0;
    virtual void Text(std::string_view text) = 0;

    // Stops the parse with a reason (nothing may be thrown through the parser).
    void Fail(std::string reason);

    XML_Parser parser = nullptr;
    std::string failure;
};

// The name after its prefix, if any: "x:c" and "c" are the same element.
std::string_view LocalName(const char* name);
// The value of an attribute by its local name; empty when absent.
std::string_view Attribute(const char** attributes, std::string_view local);

// One part of the archive, inflated chunk by chunk up to the size limit.
class PartStream {
public:
    static constexpr std::size_t kChunk = std::size_t{64} * 1024;

    PartStream(zip_t* archive, const std::string& name, const std::string& file);
    ~PartStream();
    PartStream(const PartStream&) = delete;
    PartStream& operator=(const PartStream&) = delete;

    // The next chunk; empty at the end.
    std::string_view Next();

private:
    XlsxError TooLarge() const;

    std::string file_, name_;
    zip_file_t* part_ = nullptr;
    std::array<char, kChunk> chunk_{};
    std::uint64_t total_ = 0;
};

// A part parsed chunk by chunk, reporting to a handler.
class XmlPart {
public:
    XmlPart(zip_t* archive, const std::string& name, const std::string& file, XmlHandler& handler);
    ~XmlPart();
    XmlPart(const XmlPart&) = delete;
    XmlPart& operator=(const XmlPart&) = delete;

    // Parses the next chunk; false once the part has ended.
    bool Feed();
    void FeedAll();

private:
    PartStream stream_;
    std::string name_, file_;
    XML_Parser parser_;
    XmlHandler* handler_ = nullptr;
    bool ended_ = false;
};

} // namespace mervadin::xlsx
