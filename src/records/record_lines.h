#pragma once
// The rules by which the call lists read a record's line: which list a line
// of the dump goes to, which old lines carry a remark over a read, and where
// a line's remark is written.

#include <cstddef>
#include <string>
#include <string_view>

namespace mervadin {

enum class CallKind { Out, In, Neither };

// "Type[0]" or "Type[1]" anywhere in the line makes a call out, else
// "Type[2]" or "Type[3]" a call in.
CallKind KindOf(std::string_view line);

// The number of a line that carries a remark, both fields read by the field
// rule; empty when the line has no remark or no number.
std::string_view RemarkedNumber(std::string_view line);

// Where a line's remark starts: after its last "],\tRemark[". A remark never
// holds "]", so that is the line's own field even when a name the device
// sent holds "Remark[". In a line edited by hand without that separator:
// after the first "Remark[" as the field rule finds it. npos when there is
// none.
std::size_t RemarkStart(const std::string& line);

} // namespace mervadin
