#include "viewer/core/StartupArguments.h"

#include "viewer/core/ProgramVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

// The options QGuiApplication and QApplication take for themselves. They are
// known here, hidden from the help, so that the arguments can be checked
// before anything connects to a display.
void addQtOptions(QCommandLineParser& parser)
{
    const auto add = [&parser](QStringList names, const QString& valueName) {
        for (const QString& name : names) {
            QCommandLineOption option(name, {}, valueName);
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    };
    add({u"platform"_s, u"platformpluginpath"_s, u"platformtheme"_s, u"plugin"_s,
         u"qwindowgeometry"_s, u"geometry"_s, u"qwindowtitle"_s, u"title"_s, u"qwindowicon"_s,
         u"icon"_s, u"style"_s, u"stylesheet"_s, u"session"_s, u"display"_s, u"name"_s,
         u"qmljsdebugger"_s, u"fontengine"_s, u"dialogs"_s},
        u"value"_s);
    add({u"reverse"_s, u"widgetcount"_s, u"nograb"_s, u"dograb"_s, u"sync"_s}, {});
}

} // namespace

StartupRequest parseStartupArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    // "-platform offscreen" as Qt spells its own options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        u"Browse the Office 2013 control identifiers (idMso) and build customUI snippets."_s);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version({u"V"_s, u"v"_s, u"version"_s},
                                     u"Displays version information."_s);
    parser.addOption(version);
    parser.addPositionalArgument(u"file"_s, u"An XML file to open at start."_s, u"[file]"_s);
    addQtOptions(parser);

    const QString program = QCoreApplication::applicationName();
    const auto wrongCall = [&program](const QString& reason) {
        return StartupRequest{
            2, u"%1: %2\nTry '%1 --help' for more information.\n"_s.arg(program, reason), {}};
    };
    if (!parser.parse(arguments))
        return wrongCall(parser.errorText());
    if (parser.isSet(help) || parser.isSet(u"help-all"_s))
        return {0, parser.helpText(), {}};
    if (parser.isSet(version))
        return {0, programVersionText(program), {}};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return wrongCall(u"Only one file can be opened at start."_s);
    return {std::nullopt, {}, files.value(0)};
}

} // namespace talpora
