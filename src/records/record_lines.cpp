#include "records/record_lines.h"

#include "common/byte_search.h"
#include "records/call_record.h"

namespace mervadin {

CallKind KindOf(std::string_view line) {
    // One pass over the line's "Type[" tags: a call out wins wherever it is.
    constexpr std::string_view tag = "Type[";
    bool in = false;
    for (auto at = line.find(tag); at != std::string_view::npos; at = line.find(tag, at + 1)) {
        if (at + tag.size() + 1 >= line.size() || line[at + tag.size() + 1] != ']')
            continue;
        const char type = line[at + tag.size()];
        if (type == '0' || type == '1')
            return CallKind::Out;
        in = in || type == '2' || type == '3';
    }
    return in ? CallKind::In : CallKind::Neither;
}

std::string_view RemarkedNumber(std::string_view line) {
    return FieldView(line, "Remark[").empty() ? std::string_view() : FieldView(line, "Number[");
}

std::size_t RemarkStart(const std::string& line) {
    constexpr std::string_view field = "],\tRemark[";
    if (const std::size_t at = line.rfind(field); at != std::string::npos)
        return at + field.size();
    const auto end = ShortSearch(AsBytes(line), "Remark[");
    return end ? *end + 1 : std::string::npos;
}

} // namespace mervadin
