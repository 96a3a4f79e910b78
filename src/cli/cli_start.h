#pragma once

// The start of mervadin-cli around its parse: the words it did not know, and
// the Qt application its command runs in.

#include <QCoreApplication>

#include <CLI/CLI.hpp>
#include <memory>

namespace mervadin::cli {

// Tells of the first word left over by the parse, an unknown command or
// option; false when there is none.
bool UnknownWord(const CLI::App& app);

// The event loop the device link runs on; Qt's GUI for a command that
// draws, with no screen needed (Windows draws on its own platform, which
// needs no window either).
std::unique_ptr<QCoreApplication> Application(int& argc, char** argv, bool draws);

// Gives the tool and each command the notes its help prints after the
// options (command_notes.cpp). The help is the one source of the
// command-line reference: docs/cli.md and the manual page are made from it
// by scripts/cli-reference. A note for a command the tool does not have
// throws, so that the table cannot outlive a command.
void AddCommandNotes(CLI::App& app);

} // namespace mervadin::cli
