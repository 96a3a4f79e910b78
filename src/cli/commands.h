#pragma once
// The commands of mervadin-cli. Each returns the process exit status:
// 0 success, 1 the operation failed, 2 bad usage or bad input.

#include "files/file_error.h"
#include "files/work_folder.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace mervadin::cli {

enum Exit { kSuccess = 0, kFailure = 1, kBadInput = 2 };

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// Runs a command body, turning file errors into a message: status 2 for a
// file that cannot be read, 1 for the others.
template <typename Body>
int Guarded(Streams io, Body body) {
    try {
        return body();
    } catch (const FileReadError& e) {
        io.err << "mervadin-cli: " << e.what() << '\n';
        return kBadInput;
    } catch (const FileError& e) {
        io.err << "mervadin-cli: " << e.what() << '\n';
        return kFailure;
    }
}

// Makes the working folder and its missing data files (existing files are
// never touched), as the window does at start, before a command stores into
// them; false, with the reason said, when that cannot be done.
bool PrepareFolder(const WorkFolder& folder, Streams io);

// Bytes as lines of 16 upper-case hex bytes.
void PrintHexLines(std::ostream& out, std::span<const std::uint8_t> bytes);

// Rows of cells as a table, each column as wide as its widest cell (the
// first to the left, the others to the right), or as CSV lines ended by
// CR LF, each cell quoted where it must be.
using Row = std::vector<std::string>;
void PrintTable(std::ostream& out, const std::vector<Row>& rows);
void PrintCsv(std::ostream& out, const std::vector<Row>& rows);

int Init(const WorkFolder& folder, Streams io);
int ConfigGet(const WorkFolder& folder, const std::string& key, bool asInteger, Streams io);
int ConfigSet(const WorkFolder& folder, const std::string& key, const std::string& value,
              Streams io);
int ConfigDefaults(const WorkFolder& folder, Streams io);
int Frame(const std::string& frameTemplate, Streams io);
// Prints the settings block as 32 lines of 16 upper-case hex bytes; `at` is
// "YYYY-MM-DD HH:MM:SS" or empty for now.
// Stamps `at` ("YYYY-MM-DD HH:MM:SS"), or the present time without one.
int SettingsBlockCommand(const WorkFolder& folder, const std::optional<std::string>& at,
                         Streams io);
int Verify(Streams io);
// Decodes a file of 512-byte blocks as a read leaves them, then rebuilds the lists.
int DecodeCdr(const WorkFolder& folder, const std::string& blocksFile, Streams io);
// Refills the five per-kind files from the lists and ReadFile.txt.
int RebuildKinds(const WorkFolder& folder, Streams io);
// Prints the text encoding remembered for the user (UTF-8 when none), or
// remembers `name` when given.
int EncodingCommand(const std::optional<std::string>& name, Streams io);
int ChangePasswordCommand(const WorkFolder& folder, const std::string& oldPassword,
                          const std::string& newPassword, const std::string& confirmation,
                          Streams io);

} // namespace mervadin::cli
