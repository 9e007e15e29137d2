#pragma once

#include <cstddef>
#include <string_view>

namespace talpora::checker {

struct TextPosition
{
    long long line;
    long long column; // in characters
};

// Where an attribute sits inside a start tag as written ("<button id="a"
// idMso="B"/>"). Line breaks inside the tag (LF, CR LF or CR) start a new
// line; columns count characters, not bytes.
struct AttributePlace
{
    std::string_view name;      // as written
    TextPosition namePosition;  // the first character of the attribute's name
    TextPosition valuePosition; // the first character of its value, after the quote
};

// Reads the attributes of a start tag in the order written, given where the
// tag's "<" is, one at a time: a tag is walked once, however many of its
// attributes are asked about, and no further than the last one asked for.
class StartTagScanner
{
public:
    StartTagScanner() = default;
    StartTagScanner(std::string_view markup, TextPosition tagStart);

    // False at the end of the tag, or at the first thing that is not an
    // attribute: a damaged tag yields the attributes before it.
    bool next(AttributePlace& place);

private:
    char peek() const { return m_text[m_index]; }
    bool atEnd() const { return m_index >= m_text.size(); }
    void advance();
    void skipBlanks();
    std::string_view takeName();

    std::string_view m_text;
    TextPosition m_position{0, 0};
    std::size_t m_index = 0;
    bool m_done = true;
};

} // namespace talpora::checker
