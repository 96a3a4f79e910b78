#include "support/workbook.h"

#include "files/path_text.h"

#include <stdexcept>

#include <zip.h>

namespace mervadin::test {

void WriteZip(const std::filesystem::path& path, const Parts& parts) {
    int error = 0;
    zip_t* archive = zip_open(Utf8Of(path).c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        throw std::runtime_error("cannot create " + path.string());
    for (const auto& [name, content] : parts) {
        zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
        if (!source || zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE) < 0)
            throw std::runtime_error("cannot add " + name);
    }
    if (zip_close(archive) != 0)
        throw std::runtime_error("cannot write " + path.string());
}

Parts WorkbookParts(const Workbook& workbook) {
    const std::string ns = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const std::string rns = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    std::string book = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><workbook xmlns=\"" + ns +
                       "\" xmlns:r=\"" + rns + "\"><bookViews><workbookView activeTab=\"" +
                       std::to_string(workbook.activeTab) + "\"/></bookViews><sheets>";
    std::string rels = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
                       "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    Parts parts;
    const std::string prefix = workbook.absoluteTargets ? "/xl/" : "";
    for (std::size_t i = 0; i < workbook.sheets.size(); ++i) {
        // Ids deliberately not in sheet order: sheets are found by id, not by number.
        const std::string id = "rId" + std::to_string(workbook.sheets.size() + 2 - i);
        const std::string name = "worksheets/sheet" + std::to_string(i + 1) + ".xml";
        book += "<sheet name=\"S" + std::to_string(i + 1) + "\" sheetId=\"" +
                std::to_string(i + 1) + "\" r:id=\"" + id + "\"/>";
        rels += "<Relationship Id=\"" + id + "\" Type=\"" + rns + "/worksheet\" Target=\"" +
                prefix + name + "\"/>";
        parts.push_back({"xl/" + name, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet "
                                       "xmlns=\"" +
                                           ns + "\"><sheetData>" + workbook.sheets[i] +
                                           "</sheetData></worksheet>"});
    }
    book += "</sheets></workbook>";
    if (!workbook.sharedStrings.empty()) {
        rels += "<Relationship Id=\"rId1\" Type=\"" + rns + "/sharedStrings\" Target=\"" + prefix +
                "sharedStrings.xml\"/>";
        std::string strings =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><sst xmlns=\"" + ns + "\">";
        for (const auto& text : workbook.sharedStrings)
            strings += "<si>" + text + "</si>";
        parts.push_back({"xl/sharedStrings.xml", strings + "</sst>"});
    }
    rels += "</Relationships>";
    parts.push_back({"xl/workbook.xml", book});
    parts.push_back({"xl/_rels/workbook.xml.rels", rels});
    std::string types =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types "
        "xmlns=\"http://schemas.openxmlformats.org/"
        "package/2006/content-types\"><Default Extension=\"rels\" ContentType=\"application/"
        "vnd.openxmlformats-package.relationships+xml\"/><Default Extension=\"xml\" "
        "ContentType=\"application/xml\"/><Override PartName=\"/xl/workbook.xml\" "
        "ContentType=\"application/"
        "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>";
    for (std::size_t i = 0; i < workbook.sheets.size(); ++i)
        types += "<Override PartName=\"/xl/worksheets/sheet" + std::to_string(i + 1) +
                 ".xml\" ContentType=\"application/vnd.openxmlformats-officedocument."
                 "spreadsheetml.worksheet+xml\"/>";
    if (!workbook.sharedStrings.empty())
        types += "<Override PartName=\"/xl/sharedStrings.xml\" ContentType=\"application/"
                 "vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/>";
    parts.push_back({"[Content_Types].xml", types + "</Types>"});
    parts.push_back(
        {"_rels/.rels", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"http://"
                        "schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
                        "Id=\"rId1\" Type=\"" +
                            rns +
                            "/officeDocument\" Target=\"xl/workbook.xml\"/>"
                            "</Relationships>"});
    return parts;
}

void WriteWorkbook(const std::filesystem::path& path, const Workbook& workbook) {
    WriteZip(path, WorkbookParts(workbook));
}

std::string InlineRow(int row, const std::string& b, const std::string& c, const std::string& d) {
    std::string xml = "<row r=\"" + std::to_string(row) + "\">";
    const char* columns[] = {"B", "C", "D"};
    const std::string* texts[] = {&b, &c, &d};
    for (int i = 0; i < 3; ++i)
        if (!texts[i]->empty())
            xml += std::string("<c r=\"") + columns[i] + std::to_string(row) +
                   "\" t=\"inlineStr\"><is><t>" + *texts[i] + "</t></is></c>";
    return xml + "</row>";
}

} // namespace mervadin::test
