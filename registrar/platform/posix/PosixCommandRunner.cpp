#include "registrar/platform/posix/PosixCommandRunner.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>
#ifdef __linux__
#include <sys/prctl.h>
#endif

extern char** environ;

namespace quillet {

namespace {

std::string lowerAscii(std::string text)
{
    std::ranges::transform(text, text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

CommandResult failure(int code)
{
    return {0, std::generic_category().message(code)};
}

bool isExecutableFile(const std::string& path)
{
    struct stat status = {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

// A pipe whose write end the child closes by starting the program, or writes the reason it
// could not into.
class ExecReport
{
public:
    ExecReport()
    {
        ok_ = pipe(fds_) == 0 && fcntl(fds_[0], F_SETFD, FD_CLOEXEC) == 0 &&
              fcntl(fds_[1], F_SETFD, FD_CLOEXEC) == 0;
    }
    ~ExecReport()
    {
        for (const int fd : fds_)
            if (fd >= 0)
                close(fd);
    }
    ExecReport(const ExecReport&) = delete;
    ExecReport& operator=(const ExecReport&) = delete;

    bool ok() const { return ok_; }
    // In the child, where only async-signal-safe calls are allowed.
    void sendFromChild(int code) { [[maybe_unused]] auto n = write(fds_[1], &code, sizeof code); }
    // In the parent: the child's errno, or 0 once the program started.
    int receive()
    {
        close(fds_[1]);
        fds_[1] = -1;
        int code = 0;
        ssize_t n = 0;
        while ((n = read(fds_[0], &code, sizeof code)) < 0 && errno == EINTR) {
        }
        return n == sizeof code ? code : 0;
    }

private:
    int fds_[2] = {-1, -1};
    bool ok_ = false;
};

[[noreturn]] void startInChild(const std::string& program, char* const argv[],
                               const std::string& folder, pid_t parent, ExecReport& report)
{
    setpgid(0, 0);
#ifdef __linux__
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The parent may have died before the line above took effect.
    if (getppid() != parent)
        _exit(127);
#else
    (void)parent;
#endif
    if (!folder.empty() && chdir(folder.c_str()) != 0) {
        report.sendFromChild(errno);
        _exit(127);
    }
    execve(program.c_str(), argv, environ);
    report.sendFromChild(errno);
    _exit(127);
}

CommandResult exitResult(int status)
{
    if (WIFSIGNALED(status))
        return {128 + WTERMSIG(status), {}};
    return {WEXITSTATUS(status), {}};
}

// Waits for the child, ending its whole process group when the limit passes.
CommandResult waitFor(pid_t pid, std::chrono::milliseconds timeLimit)
{
    const auto deadline = std::chrono::steady_clock::now() + timeLimit;
    auto pause = std::chrono::milliseconds(1);
    int status = 0;
    for (;;) {
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid)
            return exitResult(status);
        if (ended < 0 && errno != EINTR)
            return failure(errno);
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
    kill(-pid, SIGKILL);
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return {0, {}, true};
}

} // namespace

std::string findOnSearchPath(std::string_view program, std::string_view searchPath)
{
    while (!searchPath.empty()) {
        const std::size_t colon = std::min(searchPath.find(':'), searchPath.size());
        const std::string_view folder = searchPath.substr(0, colon);
        searchPath.remove_prefix(std::min(colon + 1, searchPath.size()));
        if (!folder.starts_with('/'))
            continue;
        std::string candidate(folder);
        if (!candidate.ends_with('/'))
            candidate += '/';
        candidate += program;
        if (isExecutableFile(candidate))
            return candidate;
    }
    return {};
}

PosixCommandRunner::PosixCommandRunner(std::chrono::milliseconds timeLimit) : timeLimit_(timeLimit)
{}

CommandResult PosixCommandRunner::run(const Command& command)
{
    const std::string name = lowerAscii(command.program);
    const char* searchPath = std::getenv("PATH");
    const std::string program = findOnSearchPath(name, searchPath ? searchPath : "");
    if (program.empty())
        return failure(ENOENT);

    std::vector<std::string> arguments{name};
    arguments.insert(arguments.end(), command.arguments.begin(), command.arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    ExecReport report;
    if (!report.ok())
        return failure(errno);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0)
        return failure(errno);
    if (pid == 0)
        startInChild(program, argv.data(), command.workingDirectory, parent, report);
    // Also from here, so that a limit passing before the child ran still ends its group.
    setpgid(pid, pid);
    if (const int code = report.receive(); code != 0) {
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
        return failure(code);
    }
    return waitFor(pid, timeLimit_);
}

} // namespace quillet
