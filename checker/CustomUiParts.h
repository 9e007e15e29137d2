#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace talpora::checker {

// One customUI document: a loose file (empty name) or a part of a package.
struct CustomUiPart
{
    QString name; // "customUI/customUI14.xml"; empty for a loose file
    QByteArray bytes;
};

struct CustomUiParts
{
    std::vector<CustomUiPart> parts;
    QString error; // why the file or a part named by the package cannot be read
};

// The customUI documents of `path`: the file itself, or, for an Office Open
// XML package (a zip archive), the parts its customUI relationships name, in
// the order of the relationships.
CustomUiParts readCustomUiParts(const QString& path);

} // namespace talpora::checker
