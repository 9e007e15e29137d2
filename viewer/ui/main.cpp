#include "Form1.h"
#include "ProgramVersion.h"
#include "QtTranslation.h"
#include "StartMainWindow.h"
#include "StartupArguments.h"

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
    std::fflush(stream);
    return *request.exitStatus;
}

} // namespace

int main(int argc, char* argv[])
{
    // --help and --version answer before anything connects to a display, so
    // they work in a terminal without one. Qt's own options (-platform ...)
    // are unknown here; they are taken out once QApplication exists.
    {
        const QCoreApplication core(argc, argv);
        setApplicationNames();
        const talpora::StartupRequest early =
            talpora::parseStartupArguments(QCoreApplication::arguments());
        if (early.exitStatus == 0)
            return finish(early);
    }

    QApplication application(argc, argv);
    setApplicationNames();
    talpora::installQtTranslation();
    // Wayland compositors find the window's icon and name through the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(TALPORA_APP_ID));
    const talpora::StartupRequest request =
        talpora::parseStartupArguments(QCoreApplication::arguments());
    if (request.exitStatus)
        return finish(request);

    talpora::Form1* window = talpora::startMainWindow(request.fileToOpen);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return QApplication::exec();
}
