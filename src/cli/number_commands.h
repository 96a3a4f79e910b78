#pragma once
// The number list commands of mervadin-cli, with the number list window's
// rules and texts.

#include "cli/commands.h"

#include <string>

namespace mervadin::cli {

enum class SourceFormat { ByName, Text, Workbook };

// Replaces LoadNumber.txt from a text file or a workbook (by the name's
// ".xlsx" ending unless `format` says). A workbook that cannot be read
// leaves the list as it was (exit 2).
int ImportNumbers(const WorkFolder& folder, const std::string& source, SourceFormat format,
                  Streams io);
// Empties LoadNumber.txt.
int ClearNumbers(const WorkFolder& folder, Streams io);
// Prints what the number list window shows on opening.
int ShowNumbers(const WorkFolder& folder, Streams io);
// Prints what the number list check finds in LoadNumber.txt, or in `file`
// when one is named, a line each; exit 1 when it finds anything.
int CheckNumbers(const WorkFolder& folder, const std::string& file, Streams io);
// Prints the packed number blocks of LoadNumber.txt, 16 bytes a line; a
// list that cannot be packed is refused (exit 2).
int PackNumbers(const WorkFolder& folder, Streams io);

} // namespace mervadin::cli
