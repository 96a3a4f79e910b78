#include "numbers/xlsx_reader.h"

#include "files/file_read.h"
#include "files/path_text.h"
#include "numbers/xml_part.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <deque>
#include <map>

namespace mervadin {

using xlsx::Attribute;
using xlsx::XmlHandler;
using xlsx::XmlPart;

namespace {

std::uint32_t Whole(std::string_view text, std::uint32_t otherwise) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : otherwise;
}

// "B12" gives column 2; 0 when there are no letters.
unsigned ColumnOf(std::string_view reference) {
    unsigned column = 0;
    for (char c : reference) {
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper < 'A' || upper > 'Z')
            break;
        column = column * 26 + static_cast<unsigned>(upper - 'A' + 1);
        if (column > 16384)
            return 0;
    }
    return column;
}

// workbook.xml: the active tab and the sheets' relationship ids.
struct WorkbookHandler : XmlHandler {
    void Start(std::string_view name, const char** attributes) override {
        if (name == "workbookView" && active < 0) // the first view counts
            active = static_cast<int>(Whole(Attribute(attributes, "activeTab"), 0));
        else if (name == "sheet")
            sheetIds.emplace_back(Attribute(attributes, "id"));
    }
    void End(std::string_view) override {}
    void Text(std::string_view) override {}

    int active = -1;
    std::vector<std::string> sheetIds;
};

// workbook.xml.rels: the parts by relationship id, and the shared strings.
struct RelationshipHandler : XmlHandler {
    void Start(std::string_view name, const char** attributes) override {
        if (name != "Relationship")
            return;
        const std::string_view target = Attribute(attributes, "Target");
        std::string part =
            target.starts_with('/') ? std::string(target.substr(1)) : "xl/" + std::string(target);
        if (Attribute(attributes, "Type").ends_with("/sharedStrings"))
            sharedStrings = part;
        targets[std::string(Attribute(attributes, "Id"))] = std::move(part);
    }
    void End(std::string_view) override {}
    void Text(std::string_view) override {}

    std::map<std::string, std::string> targets;
    std::string sharedStrings;
};

// sharedStrings.xml: each <si>'s <t> texts joined, reading aids (<rPh>) left out.
struct SharedStringHandler : XmlHandler {
    explicit SharedStringHandler(std::string workbook) : file(std::move(workbook)) {}

    void Start(std::string_view name, const char**) override {
        if (name == "si")
            text.clear();
        else if (name == "rPh")
            ++phonetic;
        else if (name == "t")
            inText = phonetic == 0;
    }
    void End(std::string_view name) override {
        if (name == "si") {
            kept += XlsxReader::kSharedStringCost + text.size();
            if (kept > XlsxReader::kMaxSharedStringBytes)
                return Fail(file + ": refused: its shared strings hold more than 64 MiB");
            strings.push_back(text);
        } else if (name == "rPh")
            --phonetic;
        else if (name == "t")
            inText = false;
    }
    void Text(std::string_view part) override {
        if (!inText)
            return;
        if (text.size() + part.size() > XlsxReader::kMaxCellBytes)
            return Fail(file + ": refused: a shared string holds more than 4 KiB");
        text += part;
    }

    std::string file;
    std::uint64_t kept = 0;
    std::vector<std::string> strings;
    std::string text;
    int phonetic = 0;
    bool inText = false;
};

} // namespace

// The sheet: rows are collected as the parser meets them; a chunk of the
// part gives a few hundred at most.
class XlsxReader::Impl : public XmlHandler {
public:
    Impl(const std::filesystem::path& file, unsigned first, unsigned last)
        : file_(Utf8Of(file)), first_(first), last_(last) {
        OpenArchive(file);
        const auto [sheet, sharedStrings] = FindParts();
        if (!sharedStrings.empty()) {
            SharedStringHandler strings(file_);
            XmlPart(archive_.get(), sharedStrings, file_, strings).FeedAll();
            shared_ = std::move(strings.strings);
        }
        sheet_ = std::make_unique<XmlPart>(archive_.get(), sheet, file_, *this);
    }
    ~Impl() override { sheet_.reset(); } // the sheet's stream before its archive

    std::optional<SheetRow> NextRow() {
        while (rows_.empty() && sheet_->Feed()) {
        }
        if (rows_.empty())
            return std::nullopt;
        SheetRow row = std::move(rows_.front());
        rows_.pop_front();
        return row;
    }

    void Start(std::string_view name, const char** attributes) override;
    void End(std::string_view name) override;
    void Text(std::string_view text) override {
        if (!target_)
            return;
        if (target_->size() + text.size() > kMaxCellBytes)
            return Fail(file_ + ": refused: cell " + ColumnName(column_) +
                        std::to_string(row_.number) + " holds more than 4 KiB");
        target_->append(text);
    }

private:
    void OpenArchive(const std::filesystem::path& file);
    std::pair<std::string, std::string> FindParts();
    std::optional<std::string> CellText() const;

    std::string file_;
    unsigned first_, last_;
    // Closed however the reader ends, a constructor that throws included.
    struct Discard {
        void operator()(zip_t* archive) const { zip_discard(archive); }
    };
    std::unique_ptr<zip_t, Discard> archive_;
    std::vector<std::string> shared_;
    std::unique_ptr<XmlPart> sheet_;
    std::deque<SheetRow> rows_;
    // The row and cell being read.
    bool inRow_ = false;
    SheetRow row_;
    std::uint32_t lastRow_ = 0;
    unsigned column_ = 0, lastColumn_ = 0;
    std::string type_, value_, inline_;
    std::string* target_ = nullptr;
    int phonetic_ = 0;
};

void XlsxReader::Impl::OpenArchive(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        throw XlsxError(file_ + ": " +
                        (std::filesystem::exists(file, error) ? "not a file" : AbsentText(file)));
    int code = 0;
    // libzip takes a UTF-8 name on every system (wide on Windows inside).
    archive_.reset(zip_open(Utf8Of(file).c_str(), ZIP_RDONLY, &code));
    if (archive_)
        return;
    if (code == ZIP_ER_NOZIP || code == ZIP_ER_INCONS)
        throw XlsxError(file_ + ": not a workbook (not a zip archive)");
    if (code == ZIP_ER_OPEN || code == ZIP_ER_READ)
        throw XlsxError(file_ + ": cannot be read: " + std::strerror(errno));
    zip_error_t reason;
    zip_error_init_with_code(&reason, code);
    const std::string text = zip_error_strerror(&reason);
    zip_error_fini(&reason);
    throw XlsxError(file_ + ": cannot open the workbook: " + text);
}

std::pair<std::string, std::string> XlsxReader::Impl::FindParts() {
    WorkbookHandler workbook;
    XmlPart(archive_.get(), "xl/workbook.xml", file_, workbook).FeedAll();
    if (workbook.sheetIds.empty())
        throw XlsxError(file_ + ": not a workbook: it has no sheet");
    const auto index = static_cast<std::size_t>(std::max(workbook.active, 0));
    if (index >= workbook.sheetIds.size())
        throw XlsxError(file_ + ": damaged workbook: the active sheet " +
                        std::to_string(index + 1) + " does not exist");
    RelationshipHandler relationships;
    XmlPart(archive_.get(), "xl/_rels/workbook.xml.rels", file_, relationships).FeedAll();
    const auto sheet = relationships.targets.find(workbook.sheetIds[index]);
    if (sheet == relationships.targets.end())
        throw XlsxError(file_ + ": damaged workbook: the active sheet has no part");
    return {sheet->second, relationships.sharedStrings};
}

void XlsxReader::Impl::Start(std::string_view name, const char** attributes) {
    if (name == "row") {
        inRow_ = true;
        row_.number = Whole(Attribute(attributes, "r"), lastRow_ + 1);
        lastRow_ = row_.number;
        row_.cells.assign(last_ - first_ + 1, std::string());
        lastColumn_ = 0;
    } else if (!inRow_) {
        return;
    } else if (name == "c") {
        const unsigned column = ColumnOf(Attribute(attributes, "r"));
        column_ = lastColumn_ = column ? column : lastColumn_ + 1;
        type_ = Attribute(attributes, "t");
        value_.clear();
        inline_.clear();
    } else if (name == "v") {
        target_ = &value_;
    } else if (name == "t" && phonetic_ == 0) {
        target_ = &inline_;
    } else if (name == "rPh") {
        ++phonetic_;
    }
}

void XlsxReader::Impl::End(std::string_view name) {
    if (!inRow_)
        return;
    if (name == "v" || name == "t") {
        target_ = nullptr;
    } else if (name == "rPh") {
        --phonetic_;
    } else if (name == "c") {
        if (column_ >= first_ && column_ <= last_) {
            auto text = CellText();
            if (!text)
                return Fail(file_ + ": damaged workbook: cell " + ColumnName(column_) +
                            std::to_string(row_.number) + " names a missing shared string");
            row_.cells[column_ - first_] = std::move(*text);
        }
    } else if (name == "row") {
        inRow_ = false;
        rows_.push_back(std::move(row_));
        row_ = {};
    }
}

std::optional<std::string> XlsxReader::Impl::CellText() const {
    if (type_ == "s") {
        const std::uint32_t index = Whole(value_, UINT32_MAX);
        if (index >= shared_.size())
            return std::nullopt;
        return shared_[index];
    }
    if (type_ == "inlineStr")
        return inline_;
    if (type_ == "b")
        return value_ == "1" ? "True" : "False";
    if (type_.empty() || type_ == "n")
        return NumberText(value_);
    return value_; // "str", "e", "d": the text as stored
}

XlsxReader::XlsxReader(const std::filesystem::path& file, unsigned firstColumn, unsigned lastColumn)
    : impl_(std::make_unique<Impl>(file, firstColumn, lastColumn)) {}

XlsxReader::~XlsxReader() = default;

std::optional<SheetRow> XlsxReader::NextRow() {
    return impl_->NextRow();
}

std::string XlsxReader::NumberText(const std::string& value) {
    const char* begin = value.data();
    const char* end = begin + value.size();
    if (value.empty())
        return value;
    const char* digits = begin + (*begin == '-' ? 1 : 0);
    if (digits != end && std::all_of(digits, end, [](char c) { return c >= '0' && c <= '9'; }))
        return value; // a whole number as written: every digit kept
    double number = 0;
    const auto [stop, error] = std::from_chars(begin, end, number);
    if (error != std::errc() || stop != end || !std::isfinite(number))
        return value;
    if (number == std::floor(number) && std::fabs(number) < 1e15)
        return std::to_string(static_cast<long long>(number));
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, number);
    return std::string(text, written.ptr);
}

std::string XlsxReader::ColumnName(unsigned column) {
    std::string name;
    for (; column > 0; column = (column - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (column - 1) % 26));
    return name;
}

} // namespace mervadin
