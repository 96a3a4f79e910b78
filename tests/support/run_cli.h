#pragma once
// Runs the real mervadin-cli through the shell, for tests of the command
// line: its exit status and what it printed on each stream.

#include <string>

namespace mervadin::test {

struct CliRun {
    int status = -1; // the exit status; 128 + N when signal N ended it
    std::string out;
    std::string err;
};

// `arguments` are given to the shell as they are (quote what needs it);
// `input` goes to standard input. The run is killed after `limitSeconds`.
// `wrapper`, when given, is a command the program is started through.
CliRun RunCli(const std::string& arguments, const std::string& input = "", int limitSeconds = 60,
              const std::string& wrapper = "");

// The same for a shell script, which finds the program's path in $CLI.
CliRun RunScript(const std::string& script, int limitSeconds = 60);

} // namespace mervadin::test
