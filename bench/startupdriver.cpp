// Starts each program in turn, alternating, and measures the time from exec to its first frame
// reaching the X server, then its peak and steady resident memory, then runs COMMAND (through
// sh -c, with the program's process id added as its last argument) against it, such as a storm
// of key events, and measures its memory again.
//
//   startupdriver RUNS COMMAND NAME=PROGRAM...
//
// The child takes the monotonic clock just before exec and writes it into a pipe; the program's
// bench build writes the clock into the same pipe once its first frame has reached the server
// (see firstpaintsignal.h), with the CPU time it has used. Prints one tab-separated line per
// program: name, median, minimum and maximum start-up in milliseconds, median CPU time to the
// first paint in milliseconds, median peak and steady RSS in KiB after start-up, and the same
// two after COMMAND.
#include "monotonicclock.h"
#include "processidle.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run
{
    double startupMs = 0;
    double cpuMs = 0;
    long peakKib = 0;
    long steadyKib = 0;
    long peakAfterKib = 0;
    long steadyAfterKib = 0;
};

struct Program
{
    std::string name;
    std::string path;
    std::vector<Run> runs;
};

[[noreturn]] void fail(const std::string& what)
{
    throw std::runtime_error(what);
}

struct FirstPaint
{
    double wallMs = 0;
    double cpuMs = 0;
};

// Reads "exec NS" and "paint NS CPU-NS" from the pipe, waiting at most 30 s in all.
FirstPaint readFirstPaint(int fd, const std::string& name)
{
    long long execAt = 0;
    long long paintAt = 0;
    long long cpuUsed = 0;
    std::string buffer;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (paintAt == 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd entry {fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&entry, 1, static_cast<int>(left.count())) <= 0)
            fail(name + ": no first paint within 30 s");
        char chunk[256];
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got <= 0)
            fail(name + ": ended before its first paint");
        buffer.append(chunk, static_cast<std::size_t>(got));
        std::size_t end;
        while ((end = buffer.find('\n')) != std::string::npos) {
            std::istringstream line(buffer.substr(0, end));
            buffer.erase(0, end + 1);
            std::string tag;
            long long at = 0;
            line >> tag >> at;
            if (tag == "exec") {
                execAt = at;
            } else if (tag == "paint") {
                paintAt = at;
                line >> cpuUsed;
            }
        }
    }
    if (execAt == 0)
        fail(name + ": painted without an exec time");
    return {static_cast<double>(paintAt - execAt) / 1e6, static_cast<double>(cpuUsed) / 1e6};
}

long statusKib(pid_t pid, const std::string& field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::atol(line.c_str() + field.size() + 1);
    }
    fail("no " + field + " for process " + std::to_string(pid));
}

// Steady means no CPU time spent for 300 ms; a program that never settles is read after 3 s.
void waitUntilSteady(pid_t pid)
{
    using namespace std::chrono_literals;
    keystorm::waitUntilIdle(pid, 300ms, 3s);
}

void runCommand(const std::string& command)
{
    const pid_t pid = fork();
    if (pid < 0)
        fail("fork: " + std::string(std::strerror(errno)));
    if (pid == 0) {
        // Its report is of no use here.
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail("failed: " + command);
}

Run runOnce(const Program& program, const std::string& command)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        fail("pipe: " + std::string(std::strerror(errno)));
    const pid_t pid = fork();
    if (pid < 0)
        fail("fork: " + std::string(std::strerror(errno)));
    if (pid == 0) {
        // The write end must survive exec; the read end must not.
        const int writeEnd = dup(fds[1]);
        setenv("ZODDLE_FIRST_PAINT_FD", std::to_string(writeEnd).c_str(), 1);
        const std::string line = "exec " + std::to_string(bench::monotonicNanoseconds()) + "\n";
        if (write(writeEnd, line.data(), line.size()) < 0)
            _exit(126);
        execl(program.path.c_str(), program.path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    Run run;
    try {
        const FirstPaint firstPaint = readFirstPaint(fds[0], program.name);
        run.startupMs = firstPaint.wallMs;
        run.cpuMs = firstPaint.cpuMs;
        waitUntilSteady(pid);
        run.peakKib = statusKib(pid, "VmHWM");
        run.steadyKib = statusKib(pid, "VmRSS");
        runCommand(command + " " + std::to_string(pid));
        waitUntilSteady(pid);
        run.peakAfterKib = statusKib(pid, "VmHWM");
        run.steadyAfterKib = statusKib(pid, "VmRSS");
    } catch (...) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        close(fds[0]);
        throw;
    }
    close(fds[0]);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return run;
}

template <typename T> T median(const std::vector<Run>& runs, T Run::*field)
{
    std::vector<T> values;
    for (const Run& run : runs)
        values.push_back(run.*field);
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1)
        return values[middle];
    return (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::cerr << "usage: startupdriver RUNS COMMAND NAME=PROGRAM...\n";
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string command = argv[2];
    std::vector<Program> programs;
    for (int index = 3; index < argc; ++index) {
        const std::string argument = argv[index];
        const std::size_t equals = argument.find('=');
        if (equals == std::string::npos) {
            std::cerr << "not NAME=PROGRAM: " << argument << '\n';
            return 2;
        }
        programs.push_back({argument.substr(0, equals), argument.substr(equals + 1), {}});
    }
    try {
        // Alternating spreads the machine's drifts evenly over the programs.
        for (int round = 0; round < runs; ++round) {
            for (Program& program : programs) {
                program.runs.push_back(runOnce(program, command));
            }
        }
    } catch (const std::exception& error) {
        std::cerr << "startupdriver: " << error.what() << '\n';
        return 1;
    }
    for (const Program& program : programs) {
        const auto [fastest, slowest]
            = std::minmax_element(program.runs.begin(), program.runs.end(),
                [](const Run& a, const Run& b) { return a.startupMs < b.startupMs; });
        std::printf("%s\t%.1f\t%.1f\t%.1f\t%.1f\t%ld\t%ld\t%ld\t%ld\n", program.name.c_str(),
            median(program.runs, &Run::startupMs), fastest->startupMs, slowest->startupMs,
            median(program.runs, &Run::cpuMs), median(program.runs, &Run::peakKib),
            median(program.runs, &Run::steadyKib), median(program.runs, &Run::peakAfterKib),
            median(program.runs, &Run::steadyAfterKib));
    }
    return 0;
}
