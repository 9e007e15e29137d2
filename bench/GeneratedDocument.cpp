#include "GeneratedDocument.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <memory>

namespace talpora::bench {

namespace {

constexpr std::size_t groupsPerTab = 20;
constexpr std::size_t buttonsPerGroup = 50;
constexpr std::size_t flushSize = 1 << 20;

// Collects lines and passes them on in large pieces.
class LineWriter
{
public:
    explicit LineWriter(const std::function<void(std::string_view)>& sink) : m_sink(sink)
    {
        m_pending.reserve(flushSize + 4096);
    }
    ~LineWriter() { flush(); }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    LineWriter& operator<<(std::string_view text)
    {
        m_pending += text;
        return *this;
    }
    LineWriter& operator<<(std::size_t number)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        m_pending.append(digits, end);
        return *this;
    }
    void endLine()
    {
        m_pending += "\r\n";
        if (m_pending.size() >= flushSize)
            flush();
    }

private:
    void flush()
    {
        if (!m_pending.empty())
            m_sink(m_pending);
        m_pending.clear();
    }

    const std::function<void(std::string_view)>& m_sink;
    std::string m_pending;
};

} // namespace

GeneratedDocument::GeneratedDocument(std::size_t elementCount, std::string_view labelWord,
                                     std::string_view labelTail)
    : m_elementCount(std::max<std::size_t>(elementCount, 4)), m_labelWord(labelWord),
      m_labelTail(labelTail)
{}

void GeneratedDocument::write(const std::function<void(std::string_view)>& sink) const
{
    const std::size_t total = m_elementCount;

    LineWriter out(sink);
    out << "<tabs>";
    out.endLine();
    std::size_t count = 1;
    std::size_t tabNumber = 0;
    std::size_t groupNumber = 0;
    std::size_t buttonNumber = 0;
    // A full group or tab is closed only while enough elements remain to open
    // the next one with at least one button in it, so the final button always
    // lands in the last group.
    while (count < total) {
        out << "\t<tab idMso=\"Tab" << ++tabNumber << "\">";
        out.endLine();
        ++count;
        for (std::size_t group = 0; count < total; ++group) {
            if (group == groupsPerTab && total - count >= 3)
                break;
            out << "\t\t<group idMso=\"Group" << ++groupNumber << "\">";
            out.endLine();
            ++count;
            for (std::size_t button = 0; count < total; ++button) {
                if (button == buttonsPerGroup && total - count >= 2)
                    break;
                if (count + 1 == total) {
                    out << "\t\t\t<button idMso=\"" << finalIdMso << "\" label=\"Last"
                        << m_labelTail << "\"/>";
                } else {
                    ++buttonNumber;
                    out << "\t\t\t<button idMso=\"Button" << buttonNumber << "\" label=\""
                        << m_labelWord << " " << buttonNumber << m_labelTail << "\"/>";
                }
                out.endLine();
                ++count;
            }
            out << "\t\t</group>";
            out.endLine();
        }
        out << "\t</tab>";
        out.endLine();
    }
    out << "</tabs>";
    out.endLine();
}

std::string GeneratedDocument::text() const
{
    std::string text;
    write([&text](std::string_view piece) { text += piece; });
    return text;
}

bool GeneratedDocument::saveAs(const std::filesystem::path& path) const
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"),
                                                               &std::fclose);
    if (!file)
        return false;
    bool complete = true;
    write([&](std::string_view piece) {
        complete =
            complete && std::fwrite(piece.data(), 1, piece.size(), file.get()) == piece.size();
    });
    return complete && std::fflush(file.get()) == 0;
}

} // namespace talpora::bench
