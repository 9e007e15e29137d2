#pragma once

#include <QString>

// The texts the windows show, in one place, in the language of the installed
// translation.
namespace talpora::texts {

QString programTitle();
QString openFileFilter();
QString findPrompt();
QString manual();
QString aboutTitle();
// Seven lines: four about the program, an empty one, the product name line
// and the date line.
QString aboutText(const QString& productName);
QString loadFailure(const QString& documentName, const QString& reason);
// What screen readers call the catalogue list and the document tree.
QString catalogueListName();
QString documentTreeName();

} // namespace talpora::texts
