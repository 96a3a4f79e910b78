#include "numbers/sheet_import.h"

#include "files/path_text.h"
#include "numbers/number_list.h"

#include <algorithm>

namespace mervadin {

namespace {
constexpr unsigned kColumnB = 2, kColumnD = 4;
} // namespace

SheetImport::SheetImport(const std::filesystem::path& workbook)
    : file_(Utf8Of(workbook)), reader_(workbook, kColumnB, kColumnD) {
    staging_.reserve(kMaxNumbers);
}

// The cells of one sheet row; rows the sheet does not list are empty.
SheetImport::Fields SheetImport::CellsOf(std::uint32_t row) {
    while (!sheetEnded_ && (!pending_ || pending_->number < row)) {
        pending_ = reader_.NextRow();
        sheetEnded_ = !pending_;
    }
    if (!pending_ || pending_->number != row)
        return {};
    return {pending_->cells[0], pending_->cells[1], pending_->cells[2]};
}

bool SheetImport::ReadRow() {
    if (done_)
        return false;
    staging_.push_back(CellsOf(row_));
    if (staging_.back()[0].empty())
        return !(done_ = true);
    percent_ = static_cast<int>(std::size_t{row_} * 100 / kMaxNumbers);
    done_ = ++row_ > kLastRow;
    return !done_;
}

Lines SheetImport::Texts(const TextEncoding& encoding) const {
    Lines lines;
    for (std::size_t k = 0; k < staging_.size(); ++k) {
        if (k > 0 && staging_[k][0].empty())
            break;
        std::string line;
        for (std::size_t field = 0; field < 3; ++field) {
            // A TAB or line break in a cell would split the record: a blank.
            std::string cell = staging_[k][field];
            std::replace_if(
                cell.begin(), cell.end(),
                [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
            const auto bytes = encoding.FromUnicode(cell);
            if (!bytes)
                throw XlsxError(file_ + ": cell " + XlsxReader::ColumnName(kColumnB + field) +
                                std::to_string(kFirstRow + k) + " holds characters that " +
                                encoding.Name() + " cannot hold; nothing was imported");
            line += (field > 0 ? "\t" : "") + *bytes;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

Lines SheetImport::Result(const TextEncoding& encoding) const {
    Lines lines = Texts(encoding);
    // A list the write must refuse never replaces the one there is.
    if (const auto bad = FirstUnpackableLine(lines)) {
        const std::string cell = "B" + std::to_string(kFirstRow + *bad - 1);
        const std::string& group = staging_[*bad - 1][0];
        throw XlsxError(
            file_ + ": cell " + cell +
            (group.empty() ? std::string(" is empty") : " holds \"" + group + "\", not a number") +
            ": a group must be a number for the device; nothing was imported");
    }
    return lines;
}

} // namespace mervadin
