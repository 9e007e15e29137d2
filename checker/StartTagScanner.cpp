#include "checker/StartTagScanner.h"

namespace talpora::checker {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Walks the markup byte by byte and keeps the text position of the next byte.
class Cursor
{
public:
    Cursor(std::string_view text, TextPosition start) : m_text(text), m_position(start) {}

    bool atEnd() const { return m_index >= m_text.size(); }
    char peek() const { return m_text[m_index]; }
    TextPosition position() const { return m_position; }

    void advance()
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

    void skipBlanks()
    {
        while (!atEnd() && isBlank(peek()))
            advance();
    }

    // Advances past the characters that cannot end a name.
    std::string_view takeName()
    {
        const std::size_t start = m_index;
        while (!atEnd() && !isBlank(peek()) && peek() != '=' && peek() != '>' && peek() != '/')
            advance();
        return m_text.substr(start, m_index - start);
    }

private:
    std::string_view m_text;
    TextPosition m_position;
    std::size_t m_index = 0;
};

} // namespace

std::optional<AttributePlace> findAttribute(std::string_view markup, TextPosition tagStart,
                                            std::string_view attributeName)
{
    Cursor cursor(markup, tagStart);
    if (cursor.atEnd() || cursor.peek() != '<')
        return std::nullopt;
    cursor.advance();
    cursor.takeName(); // the element name
    while (true) {
        cursor.skipBlanks();
        if (cursor.atEnd() || cursor.peek() == '>' || cursor.peek() == '/')
            return std::nullopt;
        const TextPosition namePosition = cursor.position();
        const std::string_view name = cursor.takeName();
        cursor.skipBlanks();
        if (cursor.atEnd() || cursor.peek() != '=')
            return std::nullopt;
        cursor.advance();
        cursor.skipBlanks();
        if (cursor.atEnd() || (cursor.peek() != '"' && cursor.peek() != '\''))
            return std::nullopt;
        const char quote = cursor.peek();
        cursor.advance();
        const TextPosition valuePosition = cursor.position();
        if (name == attributeName)
            return AttributePlace{namePosition, valuePosition};
        while (!cursor.atEnd() && cursor.peek() != quote)
            cursor.advance();
        if (cursor.atEnd())
            return std::nullopt;
        cursor.advance();
    }
}

} // namespace talpora::checker
