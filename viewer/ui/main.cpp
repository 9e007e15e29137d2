#include "viewer/core/ProgramVersion.h"
#include "viewer/core/StartupArguments.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/InterfaceTranslation.h"
#include "viewer/ui/StartMainWindow.h"
#include "xml/NativeFileNames.h"

#include <QApplication>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void setApplicationNames()
{
    QCoreApplication::setApplicationName(u"Talpora"_s);
    QCoreApplication::setApplicationVersion(talpora::programVersion());
}

int finish(const talpora::StartupRequest& request)
{
    const QByteArray text = request.message.toLocal8Bit();
    std::FILE* stream = *request.exitStatus == 0 ? stdout : stderr;
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stream);
    // "Talpora --help > /dev/full" must not claim success.
    if (std::fflush(stream) != 0 || std::ferror(stream)) {
        std::fputs("Talpora: write error\n", stderr);
        return *request.exitStatus == 0 ? 1 : *request.exitStatus;
    }
    return *request.exitStatus;
}

} // namespace

int main(int argc, char* argv[])
{
    // The arguments are checked before anything connects to a display, so
    // --help, --version and a wrong call answer in a terminal without one,
    // in English, before the translation is installed. File names arrive as
    // the system holds them.
    talpora::StartupRequest request;
    {
        const QCoreApplication core(argc, argv);
        setApplicationNames();
        request = talpora::parseStartupArguments(QStringList{QCoreApplication::applicationName()} +
                                                 talpora::commandLineArguments(argc, argv));
        if (request.exitStatus)
            return finish(request);
    }

    QApplication application(argc, argv);
    setApplicationNames();
    talpora::installInterfaceLanguage(talpora::systemInterfaceLanguage());
    // Wayland compositors find the window's icon and name through the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(TALPORA_APP_ID));
    talpora::Form1* window = talpora::startMainWindow(request.fileToOpen);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return QApplication::exec();
}
