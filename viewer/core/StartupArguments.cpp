#include "StartupArguments.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace talpora {

StartupRequest parseStartupArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Browse the Office 2013 control identifiers (idMso) and build customUI snippets."_s);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(u"file"_s, u"An XML file to open at start."_s, u"[file]"_s);

    const auto wrongCall = [&parser](const QString& reason) {
        return StartupRequest{2, reason + u"\n\n"_s + parser.helpText(), {}};
    };
    if (!parser.parse(arguments))
        return wrongCall(parser.errorText());
    // Qt's own options are taken by QApplication before the parser sees the
    // arguments, so --help-all has nothing more to show than --help.
    if (parser.isSet(help) || parser.isSet(u"help-all"_s))
        return {0, parser.helpText(), {}};
    if (parser.isSet(version)) {
        return {0,
                QCoreApplication::applicationName() + u' ' +
                    QCoreApplication::applicationVersion() + u'\n',
                {}};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return wrongCall(u"Only one file can be opened at start."_s);
    return {std::nullopt, {}, files.value(0)};
}

} // namespace talpora
