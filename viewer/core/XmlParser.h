#pragma once

#include "Utf8Buffer.h"
#include "XmlDocument.h"

#include <functional>

namespace talpora {

// Parses UTF-8 text in place into an XmlDocument. Nothing is ever fetched:
// no DTD is read and only the predefined and numeric character references
// are expanded, so no entity can grow without bound.
class XmlParser
{
public:
    // `reloadText` gives the unparsed text again; it is called only when the
    // parse fails, to point at the line and column of the fault.
    static LoadResult parse(Utf8Buffer text, const std::function<Utf8Buffer()>& reloadText);
};

// 1-based line and column (in characters) of a byte offset into UTF-8 text.
struct TextPosition
{
    long long line;
    long long column;
};
TextPosition textPositionAt(const char* text, std::size_t size, std::size_t offset);

} // namespace talpora
