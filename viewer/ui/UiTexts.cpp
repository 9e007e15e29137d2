#include "viewer/ui/UiTexts.h"

#include "checker/PackageRecognition.h"
#include "xml/VisibleControls.h"

#include <QCoreApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace talpora::texts {

namespace {

QString translated(const char* source)
{
    return QCoreApplication::translate("UiTexts", source);
}

} // namespace

QString programTitle()
{
    return u"Talpora"_s;
}

QString openFileFilter()
{
    QStringList packages;
    for (const QString& extension : checker::packageFileExtensions())
        packages.append(u"*."_s + extension);
    const QString packagePatterns = packages.join(u' ');
    return QStringList{
        //: %1 lists the patterns of the files
        translated(QT_TRANSLATE_NOOP("UiTexts", "customUI files and Office documents (%1)"))
            .arg(u"*.xml "_s + packagePatterns),
        translated(QT_TRANSLATE_NOOP("UiTexts", "XML files (*.xml)")),
        //: %1 lists the patterns of the files
        translated(QT_TRANSLATE_NOOP("UiTexts", "Office documents, templates and add-ins (%1)"))
            .arg(packagePatterns)}
        .join(u";;"_s);
}

QString packagePartPrompt(const QString& packageName)
{
    //: %1 is the package's file
    return translated(QT_TRANSLATE_NOOP("UiTexts",
                                        "“%1” holds several customUI parts. Which one should "
                                        "Talpora show?"))
        .arg(packageName);
}

QString packagePartItem(const QString& partName, checker::CustomUiPartType type)
{
    const char* reader = nullptr;
    switch (type) {
    case checker::CustomUiPartType::Ribbon2007:
        reader = QT_TRANSLATE_NOOP("UiTexts", "the Ribbon of Office 2007");
        break;
    case checker::CustomUiPartType::Ribbon2010:
        reader = QT_TRANSLATE_NOOP("UiTexts", "the Ribbon of Office 2010 and later");
        break;
    case checker::CustomUiPartType::QuickAccessToolbar:
        reader = QT_TRANSLATE_NOOP("UiTexts", "the Quick Access Toolbar");
        break;
    }
    //: %1 is the part's name, %2 what it customises
    return translated(QT_TRANSLATE_NOOP("UiTexts", "%1 (%2)"))
        .arg(escapedControls(partName), translated(reader));
}

QString findingCount(int errors, int warnings)
{
    //: Joins the count of errors and the count of warnings
    return translated(QT_TRANSLATE_NOOP("UiTexts", "%1, %2"))
        .arg(QCoreApplication::translate("UiTexts", "%n error(s)", nullptr, errors),
             QCoreApplication::translate("UiTexts", "%n warning(s)", nullptr, warnings));
}

QString findPrompt()
{
    return translated(
        QT_TRANSLATE_NOOP("UiTexts", "Enter a keyword to search for; F3 finds the next match."));
}

QString manual()
{
    return translated(QT_TRANSLATE_NOOP("UiTexts",
                                        "Click an item in the list on the left to load it, or "
                                        "choose File > Open to load a local XML file."));
}

QString aboutTitle()
{
    return translated(QT_TRANSLATE_NOOP("UiTexts", "About Talpora"));
}

QString aboutText(const QString& productName)
{
    return QStringList{
        translated(QT_TRANSLATE_NOOP("UiTexts", "Talpora: browse the Office 2013 Ribbon control "
                                                "identifiers (idMso) and build customUI snippets")),
        translated(QT_TRANSLATE_NOOP("UiTexts",
                                     "talpora-cli knows the control identifiers of Access, Excel, "
                                     "PowerPoint, Word, Outlook, OneNote, Project, Publisher, "
                                     "Visio, InfoPath and SharePoint Designer in Office 2013, "
                                     "2016, 2019 and Microsoft 365")),
        translated(QT_TRANSLATE_NOOP("UiTexts",
                                     "The identifiers come from the control lists Microsoft "
                                     "publishes (MIT licence); built with Qt 6, XML read by "
                                     "Expat")),
        translated(QT_TRANSLATE_NOOP("UiTexts", "Please report problems and suggestions to the "
                                                "project's issue tracker")),
        QString(),
        translated(QT_TRANSLATE_NOOP("UiTexts", "Product name: %1")).arg(productName),
        translated(QT_TRANSLATE_NOOP("UiTexts", "Updated: 6 January 2018")),
    }
        .join(QLatin1Char('\n'));
}

QString loadFailure(const QString& documentName, const QString& reason)
{
    //: %1 is the file or catalogue entry, %2 why it cannot be loaded
    return translated(QT_TRANSLATE_NOOP("UiTexts", "Cannot load “%1”:\n%2"))
        .arg(documentName, reason);
}

QString catalogueListName()
{
    return translated(QT_TRANSLATE_NOOP("UiTexts", "Control identifier documents"));
}

QString documentTreeName()
{
    return translated(QT_TRANSLATE_NOOP("UiTexts", "Document structure"));
}

} // namespace talpora::texts
