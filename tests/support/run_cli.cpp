#include "support/run_cli.h"

#include "support/temp_folder.h"

#include <cstdlib>
#include <sys/wait.h>

namespace mervadin::test {

CliRun RunCli(const std::string& arguments, const std::string& input, int limitSeconds,
              const std::string& wrapper) {
    TempFolder streams;
    Spit(streams / "in", input);
    const std::string command = "timeout -s KILL " + std::to_string(limitSeconds) + " " + wrapper +
                                MERVADIN_CLI_PATH + " " + arguments + " <'" +
                                (streams / "in").string() + "' >'" + (streams / "out").string() +
                                "' 2>'" + (streams / "err").string() + "'";
    const int raw = std::system(command.c_str());
    CliRun run;
    if (WIFEXITED(raw))
        run.status = WEXITSTATUS(raw);
    run.out = Slurp(streams / "out");
    run.err = Slurp(streams / "err");
    return run;
}

} // namespace mervadin::test
