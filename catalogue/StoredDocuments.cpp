#include "catalogue/StoredDocuments.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace talpora::catalogue {

StoredDocument storedDocument(int identifier)
{
    // The documents are compiled into the program under ":/catalogue/<identifier>".
    QFile resource(u":/catalogue/%1"_s.arg(identifier));
    if (!resource.open(QIODevice::ReadOnly))
        return {};
    return {resource.readAll(), true};
}

} // namespace talpora::catalogue
