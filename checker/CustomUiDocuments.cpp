#include "checker/CustomUiDocuments.h"

#include "checker/CustomUiPackage.h"
#include "checker/PackageRecognition.h"

namespace talpora::checker {

namespace {

PackageError loadFailed(const QString& part, const LoadError& error)
{
    return {PackageErrorKind::LoadFailed, part, {}, error};
}

} // namespace

PackageError readCustomUiDocuments(const QString& path, XmlEventHandler& handler,
                                   const std::function<void(const QString& part)>& enterPart)
{
    if (!isPackageFile(path)) {
        enterPart({});
        if (const LoadError error = readXmlFile(path, handler))
            return loadFailed({}, error);
        return {};
    }
    const OpenedCustomUiPackage opened = CustomUiPackage::openFile(path);
    if (opened.error)
        return opened.error;
    CustomUiPackage& package = *opened.package;
    if (!package.errors().empty())
        return package.errors().front();
    for (const CustomUiPartEntry& entry : package.parts()) {
        const PartBytes part = package.read(entry);
        if (part.error)
            return part.error;
        enterPart(entry.name);
        if (const LoadError error = readXmlBytes(part.bytes, handler))
            return loadFailed(entry.name, error);
    }
    return {};
}

} // namespace talpora::checker
