#pragma once

// Programs a test starts: servers and hosts that run beside it, and short commands run to their
// end. Every wait has a deadline, and a program is stopped by its own process id.

#include <chrono>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace quindle::test
{
/** Variables added to, or replacing those of, the test's own environment. */
using Environment = std::vector<std::pair<std::string, std::string>>;

struct CommandResult
{
    int exitCode = -1;   // -1 when it did not end by itself in time
    std::string output;  // standard output
    std::string errors;  // standard error
};

/** A program running beside the test, found on PATH. Its standard output and error go to a file
    (or nowhere) and its standard input reads nothing. It receives SIGTERM when the test process
    ends without stopping it, and is stopped when destroyed. */
class ChildProcess
{
public:
    /** Starts the command line. Throws std::runtime_error when the program cannot be run. */
    explicit ChildProcess (const std::vector<std::string>& commandLine, const Environment& = {},
                           const std::string& outputPath = {});
    ~ChildProcess();

    ChildProcess (const ChildProcess&) = delete;
    ChildProcess& operator= (const ChildProcess&) = delete;

    pid_t id() const noexcept { return pid; }

    /** False once the program has ended. */
    bool isRunning();

    /** The exit code of a program that has ended by exit(), or -1. */
    int exitCode() const noexcept;

    /** Waits until the program ends by itself; false when it still runs after `timeout`. */
    bool waitForExit (std::chrono::milliseconds timeout);

    /** Sends SIGTERM and waits for the program to end. One that outlives `timeout` is killed
        (SIGKILL) and false is returned. */
    bool stop (std::chrono::milliseconds timeout = std::chrono::seconds (10));

private:
    struct Descriptors
    {
        int output = -1, errors = -1;   // -1: nowhere
    };

    // The descriptors become the program's standard output and error and are closed here.
    ChildProcess (const std::vector<std::string>& commandLine, const Environment&, Descriptors);
    friend CommandResult runCommand (const std::vector<std::string>&, const Environment&, std::chrono::milliseconds);

    pid_t pid = -1;
    bool ended = false;
    int status = 0;
};

/** Runs a command line to its end. A command still running after `timeout` is stopped. Throws
    std::runtime_error when the program cannot be run. */
CommandResult runCommand (const std::vector<std::string>& commandLine, const Environment& = {},
                          std::chrono::milliseconds timeout = std::chrono::seconds (10));
} // namespace quindle::test
