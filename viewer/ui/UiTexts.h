#pragma once

#include "checker/PackageRelationships.h"

#include <QString>

// The texts the windows show, in one place, in the language of the installed
// translation.
namespace talpora::texts {

QString programTitle();
// The Open dialog's filters, ";;" between them: customUI files and Office
// documents together (the first, chosen at first), XML files, Office documents.
QString openFileFilter();
QString findPrompt();
QString manual();
QString aboutTitle();
// Seven lines: four about the program, an empty one, the product name line
// and the date line.
QString aboutText(const QString& productName);
QString loadFailure(const QString& documentName, const QString& reason);
// The package part chooser: what it asks, and each part with what reads it.
QString packagePartPrompt(const QString& packageName);
QString packagePartItem(const QString& partName, checker::CustomUiPartType type);
// The status bar's count of findings: "2 errors, 1 warning".
QString findingCount(int errors, int warnings);
// What screen readers call the catalogue list and the document tree.
QString catalogueListName();
QString documentTreeName();

} // namespace talpora::texts
