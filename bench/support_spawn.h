#pragma once
// Benchmarks that run each measure in a process of its own: the clock, and
// a child run to its end with its time and peak resident memory.

#include <chrono>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

namespace mervadin::bench {

using Clock = std::chrono::steady_clock;

inline double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Run {
    double seconds = 0;
    double peakMb = 0;
    bool ok = false;
};

// Runs a program to its end, its standard output dropped (what it says goes
// to standard error), and takes its time and peak resident memory.
inline Run Spawn(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const auto start = Clock::now();
    pid_t pid = 0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {SecondsSince(start), static_cast<double>(usage.ru_maxrss) / 1024,
            WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

} // namespace mervadin::bench
