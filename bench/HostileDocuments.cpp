#include "HostileDocuments.h"

#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>

namespace talpora::bench {

namespace {

constexpr std::size_t count = 100'000;
constexpr std::size_t hugeValueBytes = 100'000'000;
constexpr off_t sparseBytes = off_t(2) << 30;

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

bool put(std::FILE* file, const std::string& text)
{
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
}

// hugeValueBytes of one letter, the body of the one huge token or text.
bool putFiller(std::FILE* file)
{
    const std::string block(1 << 20, 'x');
    bool ok = true;
    for (std::size_t written = 0; ok && written < hugeValueBytes; written += block.size())
        ok = put(file, block);
    return ok;
}

bool writeText(std::FILE* file, HostileShape shape)
{
    bool ok = true;
    switch (shape) {
    case HostileShape::ManyAttributes:
        ok = put(file, "<tabs>\n<tab idMso=\"TabHome\"");
        for (std::size_t i = 0; ok && i < count; ++i)
            ok = put(file, " a" + std::to_string(i) + "=\"" + std::to_string(i) + "\"");
        return ok && put(file, "/>\n</tabs>\n");
    case HostileShape::DeepNesting:
        for (std::size_t i = 0; ok && i <= count; ++i)
            ok = put(file, "<e>");
        for (std::size_t i = 0; ok && i <= count; ++i)
            ok = put(file, "</e>");
        return ok;
    case HostileShape::HugeValue:
        return put(file, "<tabs>\n<tab idMso=\"TabHome\" label=\"") && putFiller(file) &&
               put(file, "\"/>\n</tabs>\n");
    case HostileShape::HugeComment:
        return put(file, "<tabs>\n<tab idMso=\"TabHome\"/><!--") && putFiller(file) &&
               put(file, "-->\n</tabs>\n");
    case HostileShape::HugeText:
        return put(file, "<tabs>\n<tab idMso=\"TabHome\">") && putFiller(file) &&
               put(file, "</tab>\n</tabs>\n");
    case HostileShape::Binary: {
        std::mt19937_64 random(20261207);
        std::string block(1 << 20, '\0');
        for (std::size_t written = 0; ok && written < hugeValueBytes; written += block.size()) {
            for (char& c : block)
                c = static_cast<char>(random());
            ok = put(file, block);
        }
        return ok;
    }
    case HostileShape::None:
    case HostileShape::Sparse:
        break;
    }
    return false;
}

} // namespace

std::vector<HostileSubject> hostileSubjects()
{
    return {{"many_attributes", HostileShape::ManyAttributes, 2, false},
            {"deep_nesting", HostileShape::DeepNesting, count + 1, false},
            {"huge_value", HostileShape::HugeValue, 2, false},
            {"huge_comment", HostileShape::HugeComment, 2, false},
            {"huge_text", HostileShape::HugeText, 2, false},
            {"binary_100MB", HostileShape::Binary, 0, true},
            {"sparse_2GB", HostileShape::Sparse, 0, true}};
}

bool writeHostileDocument(HostileShape shape, const std::filesystem::path& path)
{
    if (shape == HostileShape::Sparse) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const bool sized = fd >= 0 && ::ftruncate(fd, sparseBytes) == 0;
        return fd >= 0 && ::close(fd) == 0 && sized;
    }
    const File file(std::fopen(path.c_str(), "wb"), &std::fclose);
    return file && writeText(file.get(), shape) && std::fflush(file.get()) == 0;
}

} // namespace talpora::bench
