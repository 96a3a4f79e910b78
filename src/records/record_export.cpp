#include "records/record_export.h"

#include "files/file_batch.h"
#include "files/file_read.h"
#include "records/call_record.h"
#include "records/record_files.h"
#include "records/record_lines.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include <xlsxwriter.h>

namespace mervadin {

namespace {

constexpr std::array<std::string_view, 7> kColumns = {"Group", "Name",     "Number", "Type",
                                                      "Date",  "Duration", "Remark"};
constexpr std::size_t kRemarkColumn = 6;

struct Fields {
    CallLineFields values;
};

// A line's fields as the export writes them: each at its place, the remark
// cut at the 126 bytes a remark keeps (at a whole character), which
// `report` counts.
Fields FieldsOf(std::string_view line, std::size_t lineNumber, const TextEncoding& encoding,
                ExportReport& report) {
    Fields fields{FieldViews(line)};
    const std::string_view remark = WholeRemark(line);
    if (remark.size() > RecordFiles::kMaxRemarkBytes) {
        fields.values[kRemarkColumn] =
            remark.substr(0, encoding.Fit(remark, RecordFiles::kMaxRemarkBytes));
        if (report.remarksCut++ == 0)
            report.firstCutLine = lineNumber;
    }
    return fields;
}

std::string TypeText(std::string_view type) {
    const std::string_view name = TypeName(type);
    return std::string(name.empty() ? type : name);
}

bool IsWholeNumber(std::string_view text) {
    return !text.empty() && text.size() <= 15 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// How many columns a UTF-8 text takes in a spreadsheet's cell: East Asian
// wide characters take two.
std::size_t DisplayWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = lead < 0x80 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        const bool wide =
            (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
            (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
            (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
            (code >= 0xFFE0 && code <= 0xFFE6) || code >= 0x20000;
        width += wide ? 2 : 1;
        i += length;
    }
    return width;
}

// What a date-time cell ("yyyy-mm-dd hh:mm:ss") and a talking time take.
constexpr std::size_t kDateTimeWidth = 19;
constexpr std::size_t kDurationWidth = 9;
// Columns are at least this wide and at most that, whatever they hold.
constexpr double kNarrowest = 8, kWidest = 60;

// One workbook being written, closed (or dropped) whatever happens.
class WorkbookWriter {
public:
    WorkbookWriter(const std::filesystem::path& file, const TextEncoding& encoding,
                   const ExportOptions& options)
        : encoding_(encoding), file_(file), options_(options) {
        lxw_workbook_options lxwOptions{};
        lxwOptions.constant_memory = LXW_TRUE; // rows go to disk as they are written
        // libxlsxwriter takes a UTF-8 name on every system.
        workbook_ = workbook_new_opt(Utf8Of(file).c_str(), &lxwOptions);
        if (!workbook_)
            throw FileError(file, "cannot write the workbook");
        bold_ = workbook_add_format(workbook_);
        format_set_bold(bold_);
        dateTime_ = workbook_add_format(workbook_);
        format_set_num_format(dateTime_, "yyyy-mm-dd hh:mm:ss");
        time_ = workbook_add_format(workbook_);
        format_set_num_format(time_, "[h]:mm:ss");
        NewSheet();
    }
    ~WorkbookWriter() {
        if (workbook_)
            workbook_close(workbook_);
    }
    WorkbookWriter(const WorkbookWriter&) = delete;
    WorkbookWriter& operator=(const WorkbookWriter&) = delete;

    void Row(std::string_view line, std::size_t lineNumber) {
        if (row_ == options_.rowsPerSheet) {
            FinishSheet();
            NewSheet();
        }
        ++row_;
        const Fields fields = FieldsOf(line, lineNumber, encoding_, report_);
        const auto& v = fields.values;
        if (IsWholeNumber(v[0])) {
            worksheet_write_number(sheet_, row_, 0, std::stod(std::string(v[0])), nullptr);
            Fit(0, v[0].size());
        } else {
            Text(0, v[0]);
        }
        Text(1, v[1]);
        Text(2, v[2]);
        Text(3, TypeText(v[3]));
        if (const auto date = ParseCallDate(v[4])) {
            const auto& [day, time] = *date;
            const auto seconds = static_cast<int>(time.count());
            lxw_datetime cell{static_cast<int>(day.year()),
                              static_cast<int>(unsigned(day.month())),
                              static_cast<int>(unsigned(day.day())),
                              seconds / 3600,
                              seconds / 60 % 60,
                              static_cast<double>(seconds % 60)};
            worksheet_write_datetime(sheet_, row_, 4, &cell, dateTime_);
            Fit(4, kDateTimeWidth);
        } else {
            Text(4, v[4]);
        }
        if (const auto duration = ParseDuration(v[5])) {
            worksheet_write_number(sheet_, row_, 5, *duration / 86400.0, time_);
            Fit(5, kDurationWidth);
        } else {
            Text(5, v[5]);
        }
        Text(6, v[6]);
    }

    const ExportReport& Report() const { return report_; }

    // Finishes the file; false when it could not be written.
    bool Close() {
        FinishSheet();
        const lxw_error error = workbook_close(std::exchange(workbook_, nullptr));
        return error == LXW_NO_ERROR;
    }

private:
    // The next sheet, "NAME" first, then "NAME (2)" and on, with the header.
    void NewSheet() {
        ++sheets_;
        const std::string name =
            sheets_ == 1 ? options_.sheet : options_.sheet + " (" + std::to_string(sheets_) + ")";
        sheet_ = workbook_add_worksheet(workbook_, name.c_str());
        if (!sheet_)
            throw FileError(file_, "cannot add the worksheet \"" + name + "\"");
        row_ = 0;
        for (std::size_t column = 0; column < kColumns.size(); ++column) {
            worksheet_write_string(sheet_, 0, Column(column), std::string(kColumns[column]).c_str(),
                                   bold_);
            widths_[column] = kColumns[column].size();
        }
        worksheet_freeze_panes(sheet_, 1, 0);
    }
    void FinishSheet() {
        worksheet_autofilter(sheet_, 0, 0, row_, static_cast<lxw_col_t>(kColumns.size() - 1));
        // Each column as wide as what it holds (and its filter button), so
        // that a date shows whole rather than as "#####".
        for (std::size_t column = 0; column < kColumns.size(); ++column)
            worksheet_set_column(
                sheet_, Column(column), Column(column),
                std::clamp(static_cast<double>(widths_[column]) + 3, kNarrowest, kWidest), nullptr);
    }

    static lxw_col_t Column(std::size_t column) { return static_cast<lxw_col_t>(column); }
    void Text(lxw_col_t column, std::string_view bytes) {
        if (bytes.empty())
            return;
        text_ = encoding_.ToUtf8(bytes);
        worksheet_write_string(sheet_, row_, column, text_.c_str(), nullptr);
        Fit(column, DisplayWidth(text_));
    }
    void Fit(std::size_t column, std::size_t width) {
        widths_[column] = std::max(widths_[column], width);
    }

    const TextEncoding& encoding_;
    std::filesystem::path file_;
    const ExportOptions& options_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format *bold_ = nullptr, *dateTime_ = nullptr, *time_ = nullptr;
    int sheets_ = 0;
    lxw_row_t row_ = 0;
    std::string text_;
    std::array<std::size_t, kColumns.size()> widths_{};
    ExportReport report_;
};

} // namespace

std::string ExportReport::Text(const Translate& translate) const {
    if (remarksCut == 0)
        return {};
    const char* format =
        remarksCut == 1
            ? UI_TEXT("1 remark longer than 126 bytes was cut at 126 (on line %2)")
            : UI_TEXT("%1 remarks longer than 126 bytes were cut at 126 (the first on line %2)");
    return FillIn(translate(format), {std::to_string(remarksCut), std::to_string(firstCutLine)});
}

ExportFormat ExportFormatOf(const std::filesystem::path& file) {
    std::string ending = file.extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending == ".csv")
        return ExportFormat::Csv;
    if (ending == ".xlsx")
        return ExportFormat::Workbook;
    return ExportFormat::Text;
}

namespace {

// The CSV rows of a list, handed to `out` a piece at a time.
template <typename Out>
ExportReport WriteCsv(std::string_view listText, const TextEncoding& encoding, Out out) {
    constexpr std::size_t kPiece = std::size_t{64} << 10;
    std::string piece;
    piece.reserve(kPiece + 1024);
    for (std::size_t column = 0; column < kColumns.size(); ++column)
        piece.append(column ? "," : "").append(kColumns[column]);
    piece += "\r\n";
    ExportReport report;
    std::size_t lineNumber = 0;
    ForEachLine(listText, [&](std::string_view line) {
        ++lineNumber;
        if (line.empty())
            return true; // a blank line holds no call: no row
        const Fields fields = FieldsOf(line, lineNumber, encoding, report);
        for (std::size_t column = 0; column < kColumns.size(); ++column) {
            if (column)
                piece += ',';
            const std::string_view value = fields.values[column];
            AppendCsvCell(piece, column == 3 ? TypeText(value) : encoding.ToUtf8(value));
        }
        piece += "\r\n";
        if (piece.size() >= kPiece) {
            out(std::string_view(piece));
            piece.clear();
        }
        return true;
    });
    out(std::string_view(piece));
    return report;
}

// Removes what killed exports of this tool left beside the file the export
// replaces (and only that).
void CleanFolderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder = ReplacedFile(file).parent_path();
    RemoveLeftoverTemporaries(folder.empty() ? std::filesystem::path(".") : folder);
}

} // namespace

std::string RecordsCsv(std::string_view listText, const TextEncoding& encoding,
                       ExportReport* report) {
    std::string out;
    out.reserve(listText.size() + 64);
    const ExportReport made =
        WriteCsv(listText, encoding, [&](std::string_view piece) { out += piece; });
    if (report)
        *report = made;
    return out;
}

ExportReport WriteRecordsWorkbook(const std::filesystem::path& file, std::string_view listText,
                                  const TextEncoding& encoding, const ExportOptions& options) {
    // The workbook library writes the batch's own temporary by its name,
    // which then goes into place the way every file is put there.
    ExportReport report;
    FileBatch batch;
    batch.StageWrittenByName(file, [&](const std::filesystem::path& temporary) {
        WorkbookWriter writer(temporary, encoding, options);
        std::size_t lineNumber = 0;
        ForEachLine(listText, [&](std::string_view line) {
            ++lineNumber;
            if (!line.empty()) // a blank line holds no call: no row
                writer.Row(line, lineNumber);
            return true;
        });
        report = writer.Report();
        if (!writer.Close())
            throw FileError(file, "cannot write the workbook");
    });
    batch.Commit();
    return report;
}

ExportReport ExportRecords(const std::filesystem::path& file, std::string_view listText,
                           const TextEncoding& encoding, const ExportOptions& options) {
    CleanFolderOf(file);
    ExportReport report;
    FileBatch batch;
    switch (ExportFormatOf(file)) {
    case ExportFormat::Csv:
        batch.StageWrittenBy(file, [&](WritableFile& to) {
            // The mark tells a spreadsheet program opened by a double-click
            // that the file is UTF-8 (Chinese names show right); scripts may
            // leave it out.
            if (options.mark == ByteOrderMark::Write)
                to.Write("\xEF\xBB\xBF");
            report = WriteCsv(listText, encoding, [&](std::string_view piece) { to.Write(piece); });
        });
        break;
    case ExportFormat::Workbook:
        return WriteRecordsWorkbook(file, listText, encoding, options);
    case ExportFormat::Text:
        batch.StageLinesOf(file, listText);
        break;
    }
    batch.Commit();
    return report;
}

} // namespace mervadin
