#pragma once

#include <QString>
#include <string_view>

namespace talpora {

// Text that the parser or the node table hands out as UTF-8, as a QString.
inline QString fromUtf8View(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace talpora
