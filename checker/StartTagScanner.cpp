#include "checker/StartTagScanner.h"

namespace talpora::checker {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

StartTagScanner::StartTagScanner(std::string_view markup, TextPosition tagStart)
    : m_text(markup), m_position(tagStart), m_done(markup.empty() || markup.front() != '<')
{
    if (m_done)
        return;
    advance();
    takeName(); // the element name
}

void StartTagScanner::advance()
{
    const char c = m_text[m_index++];
    // A CR followed by LF is one line break, made by the LF.
    const bool lineBreak = c == '\n' || (c == '\r' && (atEnd() || peek() != '\n'));
    if (lineBreak) {
        ++m_position.line;
        m_position.column = 1;
    } else if (c != '\r' && (static_cast<unsigned char>(c) & 0xC0) != 0x80) {
        // UTF-8 continuation bytes belong to the character already counted.
        ++m_position.column;
    }
}

void StartTagScanner::skipBlanks()
{
    while (!atEnd() && isBlank(peek()))
        advance();
}

// Advances past the characters that cannot end a name.
std::string_view StartTagScanner::takeName()
{
    const std::size_t start = m_index;
    while (!atEnd() && !isBlank(peek()) && peek() != '=' && peek() != '>' && peek() != '/')
        advance();
    return m_text.substr(start, m_index - start);
}

bool StartTagScanner::next(AttributePlace& place)
{
    if (m_done)
        return false;
    m_done = true; // until an attribute is read whole
    skipBlanks();
    if (atEnd() || peek() == '>' || peek() == '/')
        return false;
    const TextPosition namePosition = m_position;
    const std::string_view name = takeName();
    skipBlanks();
    if (atEnd() || peek() != '=')
        return false;
    advance();
    skipBlanks();
    if (atEnd() || (peek() != '"' && peek() != '\''))
        return false;
    const char quote = peek();
    advance();
    place = {name, namePosition, m_position};
    while (!atEnd() && peek() != quote)
        advance();
    if (atEnd())
        return true;
    advance();
    m_done = false;
    return true;
}

} // namespace talpora::checker
