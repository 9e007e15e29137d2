#include "PeakMemoryProbe.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace talpora::bench {

namespace {

constexpr const char* peakPrefix = "peak_kb ";

std::string ownExecutable()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

// posix_spawn's file actions, released on every path out.
class SpawnActions
{
public:
    SpawnActions() { ::posix_spawn_file_actions_init(&m_actions); }
    ~SpawnActions() { ::posix_spawn_file_actions_destroy(&m_actions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* get() { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions;
};

// Both ends of a pipe, each closed when no longer needed.
class Pipe
{
public:
    Pipe()
    {
        if (::pipe2(m_ends, O_CLOEXEC) != 0)
            m_ends[0] = m_ends[1] = -1;
    }
    ~Pipe()
    {
        closeReadEnd();
        closeWriteEnd();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    bool isOpen() const { return m_ends[0] >= 0; }
    int readEnd() const { return m_ends[0]; }
    int writeEnd() const { return m_ends[1]; }
    void closeReadEnd() { closeEnd(0); }
    void closeWriteEnd() { closeEnd(1); }

private:
    void closeEnd(int which)
    {
        if (m_ends[which] >= 0)
            ::close(m_ends[which]);
        m_ends[which] = -1;
    }

    int m_ends[2];
};

std::string readAll(int fd)
{
    std::string text;
    char chunk[4096];
    for (;;) {
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return text;
        text.append(chunk, static_cast<std::size_t>(count));
    }
}

long long reportedPeak(const std::string& output)
{
    const std::size_t at = output.rfind(peakPrefix);
    if (at == std::string::npos)
        return 0;
    return std::atoll(output.c_str() + at + std::strlen(peakPrefix));
}

} // namespace

PeakMemory peakMemoryOfSelf(const std::vector<std::string>& arguments)
{
    const std::string executable = ownExecutable();
    if (executable.empty())
        return {0, "cannot find this program's own file"};

    std::vector<std::string> words{executable};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    Pipe output;
    if (!output.isOpen())
        return {0, std::string("cannot make a pipe: ") + std::strerror(errno)};
    SpawnActions actions;
    ::posix_spawn_file_actions_adddup2(actions.get(), output.writeEnd(), STDOUT_FILENO);
    pid_t child = 0;
    if (const int error =
            ::posix_spawn(&child, executable.c_str(), actions.get(), nullptr, argv.data(), environ))
        return {0, std::string("cannot start a child: ") + std::strerror(error)};
    output.closeWriteEnd();
    const std::string printed = readAll(output.readEnd());

    int status = 0;
    pid_t waited = 0;
    do
        waited = ::waitpid(child, &status, 0);
    while (waited < 0 && errno == EINTR);
    if (waited != child)
        return {0, std::string("lost the child: ") + std::strerror(errno)};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {0, "the child failed"};
    const long long peak = reportedPeak(printed);
    if (peak <= 0)
        return {0, "the child reported no peak"};
    return {peak, {}};
}

long long ownPeakKilobytes()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    long long kilobytes = 0;
    char line[256];
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            kilobytes = std::atoll(line + 6);
    std::fclose(status);
    return kilobytes;
}

void printPeakMemoryLine()
{
    std::printf("%s%lld\n", peakPrefix, ownPeakKilobytes());
    std::fflush(stdout);
}

} // namespace talpora::bench
