#pragma once

#include <optional>
#include <string_view>

namespace talpora::checker {

struct TextPosition
{
    long long line;
    long long column; // in characters
};

// Where an attribute sits inside a start tag as written ("<button id="a"
// idMso="B"/>"), given where the tag's "<" is. Line breaks inside the tag
// (LF, CR LF or CR) start a new line; columns count characters, not bytes.
struct AttributePlace
{
    TextPosition name;  // the first character of the attribute's name
    TextPosition value; // the first character of its value, after the quote
};

// nullopt when the tag has no attribute named exactly `attributeName`.
std::optional<AttributePlace> findAttribute(std::string_view markup, TextPosition tagStart,
                                            std::string_view attributeName);

} // namespace talpora::checker
