#include "viewer/core/SnippetFailure.h"

#include "xml/DisplayText.h"

#include <QCoreApplication>

namespace talpora {

namespace {

QString translated(const char* source)
{
    return QCoreApplication::translate("SnippetFailure", source);
}

} // namespace

QString describe(const SnippetFailure& failure)
{
    switch (failure.kind) {
    case SnippetFailureKind::None:
        return {};
    case SnippetFailureKind::NoSuchNode:
        return translated(QT_TRANSLATE_NOOP("SnippetFailure", "there is no node at position %1"))
            .arg(failure.position);
    case SnippetFailureKind::RootNamesNoArea:
        //: %1 is the root element as the tree shows it, such as <tabs xmlns="x">
        return translated(QT_TRANSLATE_NOOP("SnippetFailure",
                                            "cannot build a snippet: the root element %1 is not "
                                            "a customUI area (qat, tabs, contextualTabs, "
                                            "backstage, contextMenus)"))
            .arg(displayLine(failure.rootText));
    case SnippetFailureKind::NameTooLong:
        return translated(QT_TRANSLATE_NOOP("SnippetFailure",
                                            "cannot build a snippet: the name or idMso of the "
                                            "node on level %1 is longer than %2 characters"))
            .arg(QString::number(failure.level), QString::number(maximumDisplayLength));
    case SnippetFailureKind::TooLarge:
        return translated(QT_TRANSLATE_NOOP("SnippetFailure",
                                            "cannot build a snippet: the node is on level %1, "
                                            "and the snippet would be larger than 16 MiB"))
            .arg(failure.level);
    }
    return {};
}

} // namespace talpora
