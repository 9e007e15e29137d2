#include "checker/AcceptComment.h"

namespace talpora::checker {

namespace {

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ',';
}

// The next word of `text`, which loses it and the separators before it.
std::string_view nextWord(std::string_view& text)
{
    std::size_t start = 0;
    while (start < text.size() && isSeparator(text[start]))
        ++start;
    std::size_t end = start;
    while (end < text.size() && !isSeparator(text[end]))
        ++end;
    const std::string_view word = text.substr(start, end - start);
    text.remove_prefix(end);
    return word;
}

} // namespace

std::optional<std::vector<std::string>> acceptedByComment(std::string_view comment)
{
    if (nextWord(comment) != "talpora-cli:" || nextWord(comment) != "accept")
        return std::nullopt;
    std::vector<std::string> names;
    for (std::string_view name = nextWord(comment); !name.empty(); name = nextWord(comment))
        names.emplace_back(name);
    return names;
}

} // namespace talpora::checker
