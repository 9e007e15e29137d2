#include "catalogue/StoredDocuments.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace talpora::catalogue {

StoredDocument storedDocument(int identifier)
{
    // The documents are compiled into the program under ":/catalogue/<identifier>".
    QFile resource(u":/catalogue/%1"_s.arg(identifier));
    if (!resource.open(QIODevice::ReadOnly))
        return {{}, u"目录中没有标识符为 %1 的文档（有效范围 101–157）"_s.arg(identifier)};
    return {resource.readAll(), {}};
}

} // namespace talpora::catalogue
