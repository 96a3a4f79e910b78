#include "numbers/xml_part.h"

#include <new>

namespace mervadin::xlsx {

void XmlHandler::Fail(std::string reason) {
    failure = std::move(reason);
    XML_StopParser(parser, XML_FALSE);
}

std::string_view LocalName(const char* name) {
    const char* local = name;
    for (const char* c = name; *c; ++c)
        if (*c == ':')
            local = c + 1;
    return local;
}

std::string_view Attribute(const char** attributes, std::string_view local) {
    for (; attributes[0]; attributes += 2)
        if (LocalName(attributes[0]) == local)
            return attributes[1];
    return {};
}

PartStream::PartStream(zip_t* archive, const std::string& name, const std::string& file)
    : file_(file), name_(name) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive, name.c_str(), 0, &stat) != 0)
        throw XlsxError(file_ + ": not a workbook: the part " + name + " is missing");
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > XlsxReader::kMaxPartSize)
        throw TooLarge();
    part_ = zip_fopen(archive, name.c_str(), 0);
    if (!part_)
        throw XlsxError(file_ + ": damaged workbook: cannot read " + name + " (" +
                        zip_strerror(archive) + ")");
}

PartStream::~PartStream() {
    zip_fclose(part_);
}

std::string_view PartStream::Next() {
    const zip_int64_t got = zip_fread(part_, chunk_.data(), chunk_.size());
    if (got < 0)
        throw XlsxError(file_ + ": damaged workbook: " + name_ + " (" + zip_file_strerror(part_) +
                        ")");
    total_ += static_cast<std::uint64_t>(got);
    if (total_ > XlsxReader::kMaxPartSize)
        throw TooLarge();
    return {chunk_.data(), static_cast<std::size_t>(got)};
}

XlsxError PartStream::TooLarge() const {
    return XlsxError(file_ + ": refused: the part " + name_ +
                     " holds more than 64 MiB (a damaged or hostile workbook)");
}

XmlPart::XmlPart(zip_t* archive, const std::string& name, const std::string& file,
                 XmlHandler& handler)
    : stream_(archive, name, file), name_(name), file_(file), parser_(XML_ParserCreate(nullptr)) {
    if (!parser_)
        throw std::bad_alloc();
    XML_SetUserData(parser_, &handler);
    handler.parser = parser_;
    handler_ = &handler;
    XML_SetElementHandler(
        parser_,
        [](void* data, const char* element, const char** attributes) {
            static_cast<XmlHandler*>(data)->Start(LocalName(element), attributes);
        },
        [](void* data, const char* element) {
            static_cast<XmlHandler*>(data)->End(LocalName(element));
        });
    XML_SetCharacterDataHandler(parser_, [](void* data, const char* text, int length) {
        static_cast<XmlHandler*>(data)->Text({text, static_cast<std::size_t>(length)});
    });
}

XmlPart::~XmlPart() {
    XML_ParserFree(parser_);
}

bool XmlPart::Feed() {
    if (ended_)
        return false;
    const std::string_view chunk = stream_.Next();
    ended_ = chunk.empty();
    if (XML_Parse(parser_, chunk.data(), static_cast<int>(chunk.size()), ended_) !=
        XML_STATUS_ERROR)
        return !ended_;
    if (!handler_->failure.empty())
        throw XlsxError(handler_->failure);
    throw XlsxError(file_ + ": damaged workbook: " + name_ + ": " +
                    XML_ErrorString(XML_GetErrorCode(parser_)) + " at line " +
                    std::to_string(XML_GetCurrentLineNumber(parser_)));
}

void XmlPart::FeedAll() {
    while (Feed()) {
    }
}

} // namespace mervadin::xlsx
