#include "PosixCommandRunner.h"

#include <algorithm>
#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <vector>

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

class FileActions
{
public:
    FileActions() { posix_spawn_file_actions_init(&actions_); }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;

    int changeDirectory(const std::string& folder)
    {
        return posix_spawn_file_actions_addchdir_np(&actions_, folder.c_str());
    }
    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

CommandResult failure(int code)
{
    return {0, std::generic_category().message(code)};
}

CommandResult waitFor(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return failure(errno);
    }
    if (WIFSIGNALED(status))
        return {128 + WTERMSIG(status), {}};
    return {WEXITSTATUS(status), {}};
}

} // namespace

CommandResult PosixCommandRunner::run(const Command& command)
{
    const std::string program = lowerAscii(command.program);
    std::vector<std::string> arguments{program};
    arguments.insert(arguments.end(), command.arguments.begin(), command.arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    FileActions actions;
    if (!command.workingDirectory.empty()) {
        if (const int code = actions.changeDirectory(command.workingDirectory); code != 0)
            return failure(code);
    }

    pid_t pid = 0;
    if (const int code =
            posix_spawnp(&pid, program.c_str(), actions.get(), nullptr, argv.data(), environ);
        code != 0)
        return failure(code);
    return waitFor(pid);
}

} // namespace quillet
