#pragma once

#include "XmlDocument.h"

#include <QString>

namespace talpora {

// Parses the catalogue document stored under `identifier`. Its byte-order mark
// and the NUL padding after it never reach the parser.
LoadResult loadStoredDocument(int identifier);

// Parses an XML file of any size in the encoding its byte-order mark or
// declaration names. Errors read as "file not found", "permission denied",
// "not XML (...)" or "line L, column C: <parser message>".
LoadResult loadXmlFile(const QString& path);

} // namespace talpora
