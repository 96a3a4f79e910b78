#include "files/file_notice.h"

namespace mervadin {

namespace {

// Set once by each program at start, before any file is written.
FileNotice::Teller& TheTeller() {
    static FileNotice::Teller teller;
    return teller;
}

} // namespace

void FileNotice::SetTeller(Teller teller) {
    TheTeller() = std::move(teller);
}

void FileNotice::Tell(const std::string& text) {
    if (TheTeller())
        TheTeller()(text);
}

} // namespace mervadin
