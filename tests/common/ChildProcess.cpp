#include "tests/common/ChildProcess.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <sys/prctl.h>
#include <sys/wait.h>

extern char** environ;

namespace quindle::test
{
namespace
{
std::vector<std::string> environmentWith (const Environment& extra)
{
    std::vector<std::string> result;

    for (auto** entry = environ; *entry != nullptr; ++entry)
    {
        const std::string variable (*entry);
        const auto name = variable.substr (0, variable.find ('='));

        if (std::none_of (extra.begin(), extra.end(), [&name] (const auto& e) { return e.first == name; }))
            result.push_back (variable);
    }

    for (const auto& [name, value] : extra)
        result.push_back (name + "=" + value);

    return result;
}

std::vector<char*> pointersTo (std::vector<std::string>& strings)
{
    std::vector<char*> pointers;

    for (auto& s : strings)
        pointers.push_back (s.data());

    pointers.push_back (nullptr);
    return pointers;
}

int openForWriting (const std::string& path)
{
    if (path.empty())
        return -1;

    const auto file = ::open (path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);

    if (file < 0)
        throw std::runtime_error ("cannot write " + path + ": " + std::strerror (errno));

    return file;
}

using Clock = std::chrono::steady_clock;
} // namespace

ChildProcess::ChildProcess (const std::vector<std::string>& commandLine, const Environment& extra, const std::string& outputPath)
    : ChildProcess (commandLine, extra, [&outputPath]
      {
          const auto file = openForWriting (outputPath);
          return Descriptors { file, file };
      }())
{
}

ChildProcess::ChildProcess (const std::vector<std::string>& commandLine, const Environment& extra, Descriptors descriptors)
{
    auto arguments = commandLine;
    auto environment = environmentWith (extra);
    const auto argv = pointersTo (arguments);
    const auto envp = pointersTo (environment);

    // The child reports a failed exec through this pipe; a successful one closes it unwritten.
    std::array<int, 2> report {};

    if (pipe2 (report.data(), O_CLOEXEC) != 0)
        throw std::runtime_error ("cannot create a pipe");

    const auto parent = getpid();
    pid = fork();

    if (pid == 0)
    {
        prctl (PR_SET_PDEATHSIG, SIGTERM);

        if (getppid() != parent)
            _exit (127);

        const auto nowhere = ::open ("/dev/null", O_RDWR);
        dup2 (nowhere, STDIN_FILENO);
        dup2 (descriptors.output < 0 ? nowhere : descriptors.output, STDOUT_FILENO);
        dup2 (descriptors.errors < 0 ? nowhere : descriptors.errors, STDERR_FILENO);

        // It keeps none of the test's other descriptors: a server left holding the test's output
        // would keep CTest waiting for the end of it.
        close_range (3, ~0u, CLOSE_RANGE_CLOEXEC);

        execvpe (argv[0], argv.data(), envp.data());
        const auto error = errno;
        [[maybe_unused]] const auto written = write (report[1], &error, sizeof (error));
        _exit (127);
    }

    ::close (report[1]);

    if (descriptors.output >= 0)
        ::close (descriptors.output);

    if (descriptors.errors >= 0 && descriptors.errors != descriptors.output)
        ::close (descriptors.errors);

    int error = 0;
    const auto failed = pid > 0 && ::read (report[0], &error, sizeof (error)) == static_cast<ssize_t> (sizeof (error));
    ::close (report[0]);

    if (pid < 0 || failed)
    {
        if (pid > 0)
            waitpid (pid, nullptr, 0);

        ended = true;
        throw std::runtime_error ("cannot run " + commandLine.front() + ": " + std::strerror (pid < 0 ? errno : error));
    }
}

ChildProcess::~ChildProcess()
{
    stop();
}

bool ChildProcess::isRunning()
{
    if (! ended && waitpid (pid, &status, WNOHANG) == pid)
        ended = true;

    return ! ended;
}

int ChildProcess::exitCode() const noexcept
{
    return ended && WIFEXITED (status) ? WEXITSTATUS (status) : -1;
}

bool ChildProcess::waitForExit (std::chrono::milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;

    while (isRunning())
    {
        if (Clock::now() > deadline)
            return false;

        std::this_thread::sleep_for (std::chrono::milliseconds (10));
    }

    return true;
}

bool ChildProcess::stop (std::chrono::milliseconds timeout)
{
    if (! isRunning())
        return true;

    kill (pid, SIGTERM);

    if (waitForExit (timeout))
        return true;

    kill (pid, SIGKILL);
    waitpid (pid, &status, 0);
    ended = true;
    return false;
}

//==============================================================================
CommandResult runCommand (const std::vector<std::string>& commandLine, const Environment& extra, std::chrono::milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    std::array<int, 2> output {}, errors {};

    if (pipe2 (output.data(), O_CLOEXEC) != 0 || pipe2 (errors.data(), O_CLOEXEC) != 0)
        throw std::runtime_error ("cannot create a pipe");

    ChildProcess command (commandLine, extra, ChildProcess::Descriptors { output[1], errors[1] });
    CommandResult result;
    std::array<pollfd, 2> ends { { { output[0], POLLIN, 0 }, { errors[0], POLLIN, 0 } } };
    std::array<std::string*, 2> texts { &result.output, &result.errors };

    while (std::any_of (ends.begin(), ends.end(), [] (const pollfd& end) { return end.fd >= 0; }))
    {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds> (deadline - Clock::now()).count();

        if (left <= 0 || poll (ends.data(), ends.size(), static_cast<int> (left)) <= 0)
            break;

        for (size_t i = 0; i < ends.size(); ++i)
        {
            if (ends[i].fd < 0 || ends[i].revents == 0)
                continue;

            std::array<char, 4096> chunk {};
            const auto count = ::read (ends[i].fd, chunk.data(), chunk.size());

            if (count > 0)
            {
                texts[i]->append (chunk.data(), static_cast<size_t> (count));
            }
            else
            {
                ::close (ends[i].fd);
                ends[i].fd = -1;
            }
        }
    }

    for (const auto& end : ends)
        if (end.fd >= 0)
            ::close (end.fd);

    const auto left = std::max (std::chrono::duration_cast<std::chrono::milliseconds> (deadline - Clock::now()),
                                std::chrono::milliseconds (0));

    if (command.waitForExit (left))
        result.exitCode = command.exitCode();
    else
        command.stop();

    return result;
}
} // namespace quindle::test
