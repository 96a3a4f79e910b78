#include "numbers/xlsx_reader.h"

#include <QXmlStreamReader>
#include <zip.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

namespace mervadin {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

// One part of the archive, inflated chunk by chunk up to the size limit.
class PartStream {
public:
    PartStream(zip_t* archive, const std::string& name, const std::string& file) : file_(file) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat(archive, name.c_str(), 0, &stat) != 0)
            throw XlsxError(file_ + ": not a workbook: the part " + name + " is missing");
        if ((stat.valid & ZIP_STAT_SIZE) && stat.size > XlsxReader::kMaxPartSize)
            throw TooLarge(name);
        part_ = zip_fopen(archive, name.c_str(), 0);
        if (!part_)
            throw XlsxError(file_ + ": damaged workbook: cannot read " + name + " (" +
                            zip_strerror(archive) + ")");
        name_ = name;
    }
    ~PartStream() {
        if (part_)
            zip_fclose(part_);
    }
    PartStream(const PartStream&) = delete;
    PartStream& operator=(const PartStream&) = delete;

    // The next chunk; empty at the end.
    QByteArray Next() {
        QByteArray chunk(kChunk, Qt::Uninitialized);
        const zip_int64_t got = zip_fread(part_, chunk.data(), kChunk);
        if (got < 0)
            throw XlsxError(file_ + ": damaged workbook: " + name_ + " (" +
                            zip_file_strerror(part_) + ")");
        total_ += static_cast<std::uint64_t>(got);
        if (total_ > XlsxReader::kMaxPartSize)
            throw TooLarge(name_);
        chunk.resize(got);
        return chunk;
    }

private:
    XlsxError TooLarge(const std::string& name) const {
        return XlsxError(file_ + ": refused: the part " + name +
                         " holds more than 64 MiB (a damaged or hostile workbook)");
    }

    std::string file_, name_;
    zip_file_t* part_ = nullptr;
    std::uint64_t total_ = 0;
};

// Feeds a QXmlStreamReader from a part: a token is read once its bytes have come.
class XmlPart {
public:
    XmlPart(zip_t* archive, const std::string& name, const std::string& file)
        : stream_(archive, name, file), name_(name), file_(file) {}

    // The next token; EndDocument at the end.
    QXmlStreamReader::TokenType Next() {
        for (;;) {
            const auto token = xml_.readNext();
            if (token != QXmlStreamReader::Invalid)
                return token;
            if (xml_.error() != QXmlStreamReader::PrematureEndOfDocumentError || ended_)
                throw XlsxError(file_ + ": damaged workbook: " + name_ + ": " +
                                xml_.errorString().toStdString());
            const QByteArray chunk = stream_.Next();
            if (chunk.isEmpty()) {
                ended_ = true;
                xml_.addData(QByteArray()); // lets the reader report the truncation
            } else {
                xml_.addData(chunk);
            }
        }
    }
    QXmlStreamReader& Xml() { return xml_; }
    QStringView Name() const { return xml_.name(); }
    QStringView Attribute(QStringView local) const {
        for (const auto& attribute : xml_.attributes())
            if (attribute.name() == local)
                return attribute.value();
        return {};
    }

private:
    PartStream stream_;
    QXmlStreamReader xml_;
    std::string name_, file_;
    bool ended_ = false;
};

// "B12" gives column 2; 0 when there are no letters.
unsigned ColumnOf(QStringView reference) {
    unsigned column = 0;
    for (QChar c : reference) {
        if (c >= u'A' && c <= u'Z')
            column = column * 26 + static_cast<unsigned>(c.unicode() - u'A' + 1);
        else if (c >= u'a' && c <= u'z')
            column = column * 26 + static_cast<unsigned>(c.unicode() - u'a' + 1);
        else
            break;
        if (column > 16384)
            return 0;
    }
    return column;
}

std::uint32_t RowOf(QStringView reference, std::uint32_t otherwise) {
    bool ok = false;
    const unsigned value = reference.toUInt(&ok);
    return ok && value > 0 ? value : otherwise;
}

} // namespace

class XlsxReader::Impl {
public:
    Impl(const std::filesystem::path& file, unsigned first, unsigned last)
        : file_(file.string()), first_(first), last_(last) {
        OpenArchive(file);
        const auto [sheet, sharedStrings] = FindParts();
        if (!sharedStrings.empty())
            ReadSharedStrings(sharedStrings);
        sheet_ = std::make_unique<XmlPart>(archive_, sheet, file_);
    }
    ~Impl() {
        sheet_.reset();
        if (archive_)
            zip_discard(archive_);
    }

    std::optional<SheetRow> NextRow();

private:
    struct Cell {
        unsigned column = 0;
        QString type, value, inlineText;
    };

    void OpenArchive(const std::filesystem::path& file);
    std::pair<std::string, std::string> FindParts();
    std::map<QString, QString> ReadRelationships();
    void ReadSharedStrings(const std::string& part);
    void ReadCell(SheetRow& row);
    std::string CellText(const Cell& cell, std::uint32_t row) const;

    std::string file_;
    unsigned first_, last_;
    zip_t* archive_ = nullptr;
    std::vector<std::string> shared_;
    std::unique_ptr<XmlPart> sheet_;
    std::uint32_t lastRow_ = 0;
    bool done_ = false;
};

void XlsxReader::Impl::OpenArchive(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        throw XlsxError(file_ + ": " +
                        (std::filesystem::exists(file, error) ? "not a file" : "no such file"));
    int code = 0;
    archive_ = zip_open(file.c_str(), ZIP_RDONLY, &code);
    if (archive_)
        return;
    if (code == ZIP_ER_NOZIP || code == ZIP_ER_INCONS)
        throw XlsxError(file_ + ": not a workbook (not a zip archive)");
    zip_error_t reason;
    zip_error_init_with_code(&reason, code);
    const std::string text = zip_error_strerror(&reason);
    zip_error_fini(&reason);
    throw XlsxError(file_ + ": cannot open the workbook: " + text);
}

std::map<QString, QString> XlsxReader::Impl::ReadRelationships() {
    std::map<QString, QString> targets; // by id; the shared strings under "sharedStrings"
    XmlPart rels(archive_, "xl/_rels/workbook.xml.rels", file_);
    while (rels.Next() != QXmlStreamReader::EndDocument) {
        if (!rels.Xml().isStartElement() || rels.Name() != u"Relationship")
            continue;
        QString target = rels.Attribute(u"Target").toString();
        target = target.startsWith('/') ? target.mid(1) : "xl/" + target;
        if (rels.Attribute(u"Type").endsWith(u"/sharedStrings"))
            targets[QStringLiteral(" sharedStrings")] = target;
        targets[rels.Attribute(u"Id").toString()] = target;
    }
    return targets;
}

std::pair<std::string, std::string> XlsxReader::Impl::FindParts() {
    int active = -1;
    std::vector<QString> sheetIds;
    XmlPart workbook(archive_, "xl/workbook.xml", file_);
    while (workbook.Next() != QXmlStreamReader::EndDocument) {
        if (!workbook.Xml().isStartElement())
            continue;
        if (workbook.Name() == u"workbookView" && active < 0) // the first view counts
            active = static_cast<int>(workbook.Attribute(u"activeTab").toUInt()); // 0 if absent
        if (workbook.Name() == u"sheet")
            sheetIds.push_back(workbook.Attribute(u"id").toString());
    }
    if (sheetIds.empty())
        throw XlsxError(file_ + ": not a workbook: it has no sheet");
    const auto index = static_cast<std::size_t>(std::max(active, 0));
    if (index >= sheetIds.size())
        throw XlsxError(file_ + ": damaged workbook: the active sheet " +
                        std::to_string(index + 1) + " does not exist");
    const auto targets = ReadRelationships();
    const auto sheet = targets.find(sheetIds[index]);
    if (sheet == targets.end())
        throw XlsxError(file_ + ": damaged workbook: the active sheet has no part");
    const auto shared = targets.find(QStringLiteral(" sharedStrings"));
    return {sheet->second.toStdString(),
            shared == targets.end() ? std::string() : shared->second.toStdString()};
}

void XlsxReader::Impl::ReadSharedStrings(const std::string& part) {
    XmlPart strings(archive_, part, file_);
    QString text;
    int phonetic = 0; // inside <rPh>: reading aids, not the text
    bool inText = false;
    for (auto token = strings.Next(); token != QXmlStreamReader::EndDocument;
         token = strings.Next()) {
        if (token == QXmlStreamReader::StartElement) {
            if (strings.Name() == u"si")
                text.clear();
            else if (strings.Name() == u"rPh")
                ++phonetic;
            else if (strings.Name() == u"t")
                inText = phonetic == 0;
        } else if (token == QXmlStreamReader::EndElement) {
            if (strings.Name() == u"si")
                shared_.push_back(text.toStdString());
            else if (strings.Name() == u"rPh")
                --phonetic;
            else if (strings.Name() == u"t")
                inText = false;
        } else if (token == QXmlStreamReader::Characters && inText) {
            text += strings.Xml().text();
        }
    }
}

std::optional<SheetRow> XlsxReader::Impl::NextRow() {
    while (!done_) {
        const auto token = sheet_->Next();
        if (token == QXmlStreamReader::EndDocument ||
            (token == QXmlStreamReader::EndElement && sheet_->Name() == u"sheetData")) {
            done_ = true;
            break;
        }
        if (token != QXmlStreamReader::StartElement || sheet_->Name() != u"row")
            continue;
        SheetRow row;
        row.number = RowOf(sheet_->Attribute(u"r"), lastRow_ + 1);
        lastRow_ = row.number;
        row.cells.assign(last_ - first_ + 1, std::string());
        ReadCell(row);
        return row;
    }
    return std::nullopt;
}

// Reads the cells of a row up to its end.
void XlsxReader::Impl::ReadCell(SheetRow& row) {
    Cell cell;
    unsigned lastColumn = 0;
    QString* target = nullptr; // the text being read: a value or an inline string
    int phonetic = 0;
    for (;;) {
        const auto token = sheet_->Next();
        if (token == QXmlStreamReader::EndDocument)
            throw XlsxError(file_ + ": damaged workbook: the sheet ends inside a row");
        const QStringView name = sheet_->Name();
        if (token == QXmlStreamReader::StartElement) {
            if (name == u"c") {
                const unsigned column = ColumnOf(sheet_->Attribute(u"r"));
                cell = Cell{column ? column : lastColumn + 1, sheet_->Attribute(u"t").toString(),
                            {}, {}};
                lastColumn = cell.column;
            } else if (name == u"v") {
                target = &cell.value;
            } else if (name == u"t" && phonetic == 0) {
                target = &cell.inlineText;
            } else if (name == u"rPh") {
                ++phonetic;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (name == u"v" || name == u"t")
                target = nullptr;
            else if (name == u"rPh")
                --phonetic;
            else if (name == u"c" && cell.column >= first_ && cell.column <= last_)
                row.cells[cell.column - first_] = CellText(cell, row.number);
            else if (name == u"row")
                return;
        } else if (token == QXmlStreamReader::Characters && target) {
            *target += sheet_->Xml().text();
        }
    }
}

std::string XlsxReader::Impl::CellText(const Cell& cell, std::uint32_t row) const {
    if (cell.type == u"s") {
        bool ok = false;
        const unsigned index = cell.value.trimmed().toUInt(&ok);
        if (!ok || index >= shared_.size())
            throw XlsxError(file_ + ": damaged workbook: cell " + ColumnName(cell.column) +
                            std::to_string(row) + " names a missing shared string");
        return shared_[index];
    }
    if (cell.type == u"inlineStr")
        return cell.inlineText.toStdString();
    if (cell.type == u"b")
        return cell.value.trimmed() == u"1" ? "True" : "False";
    if (cell.type.isEmpty() || cell.type == u"n")
        return NumberText(cell.value.trimmed().toStdString());
    return cell.value.toStdString(); // "str", "e", "d": the text as stored
}

XlsxReader::XlsxReader(const std::filesystem::path& file, unsigned firstColumn,
                       unsigned lastColumn)
    : impl_(std::make_unique<Impl>(file, firstColumn, lastColumn)) {}

XlsxReader::~XlsxReader() = default;

std::optional<SheetRow> XlsxReader::NextRow() { return impl_->NextRow(); }

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
