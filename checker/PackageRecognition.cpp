#include "checker/PackageRecognition.h"

#include <QFile>
#include <QFileInfo>
#include <array>

namespace talpora::checker {

namespace {

using catalogue::Application;

struct ExtensionApplication
{
    const char* extension;
    Application application;
};

constexpr std::array<ExtensionApplication, 16> packageExtensions = {{
    {"xlsx", Application::Excel},
    {"xlsm", Application::Excel},
    {"xltx", Application::Excel},
    {"xltm", Application::Excel},
    {"xlam", Application::Excel},
    {"docx", Application::Word},
    {"docm", Application::Word},
    {"dotx", Application::Word},
    {"dotm", Application::Word},
    {"pptx", Application::PowerPoint},
    {"pptm", Application::PowerPoint},
    {"potx", Application::PowerPoint},
    {"potm", Application::PowerPoint},
    {"ppsx", Application::PowerPoint},
    {"ppsm", Application::PowerPoint},
    {"ppam", Application::PowerPoint},
}};

bool startsLikeZip(QByteArrayView start)
{
    return start.startsWith("PK\x03\x04");
}

} // namespace

QStringList packageFileExtensions()
{
    QStringList extensions;
    for (const ExtensionApplication& entry : packageExtensions)
        extensions.append(QLatin1StringView(entry.extension));
    return extensions;
}

std::optional<Application> applicationOfExtension(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (const ExtensionApplication& entry : packageExtensions) {
        if (suffix == QLatin1StringView(entry.extension))
            return entry.application;
    }
    return std::nullopt;
}

bool isPackage(QByteArrayView start, const QString& fileName)
{
    return applicationOfExtension(fileName) || startsLikeZip(start);
}

bool isPackageFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    if (applicationOfExtension(path))
        return true;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && startsLikeZip(file.read(4));
}

} // namespace talpora::checker
