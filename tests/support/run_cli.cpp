#include "support/run_cli.h"

#include "support/temp_folder.h"

#include <cstdlib>
#include <sys/wait.h>

namespace mervadin::test {

namespace {

CliRun RunCommand(const std::string& command, const std::string& input, int limitSeconds) {
    TempFolder streams;
    Spit(streams / "in", input);
    const std::string line = "timeout -s KILL " + std::to_string(limitSeconds) + " " + command +
                             " <'" + (streams / "in").string() + "' >'" +
                             (streams / "out").string() + "' 2>'" + (streams / "err").string() +
                             "'";
    const int raw = std::system(line.c_str());
    CliRun run;
    if (WIFEXITED(raw))
        run.status = WEXITSTATUS(raw);
    run.out = Slurp(streams / "out");
    run.err = Slurp(streams / "err");
    return run;
}

} // namespace

CliRun RunCli(const std::string& arguments, const std::string& input, int limitSeconds,
              const std::string& wrapper) {
    return RunCommand(wrapper + MERVADIN_CLI_PATH + " " + arguments, input, limitSeconds);
}

CliRun RunScript(const std::string& script, int limitSeconds) {
    TempFolder folder;
    Spit(folder / "script", "CLI='" + std::string(MERVADIN_CLI_PATH) + "'\n" + script + "\n");
    return RunCommand("sh '" + (folder / "script").string() + "'", "", limitSeconds);
}

} // namespace mervadin::test
