#pragma once

#include "TestFiles.h"
#include "catalogue/CatalogueEntries.h"
#include "catalogue/StoredDocuments.h"
#include "viewer/ui/NodeTreeView.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <functional>

namespace talpora::test {

// The name the main window puts in front of " - " in its caption.
inline QString executableName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

// Every index of a one-column tree model in pre-order (parents before children).
inline QModelIndexList allIndexes(const QAbstractItemModel& model)
{
    QModelIndexList result;
    std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& parent) {
        for (int row = 0; row < model.rowCount(parent); ++row) {
            const QModelIndex index = model.index(row, 0, parent);
            result.append(index);
            walk(index);
        }
    };
    walk({});
    return result;
}

// The first index in pre-order whose `role` holds `value`.
inline QModelIndex findIndex(const QAbstractItemModel& model, int role, const QVariant& value)
{
    for (const QModelIndex& index : allIndexes(model)) {
        if (index.data(role) == value)
            return index;
    }
    return {};
}

// The number of elements of an XML text, counted by Qt's own reader; -1 when
// the reader finds an error.
inline int countElements(const QByteArray& xml)
{
    QXmlStreamReader reader(xml);
    int count = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement)
            ++count;
    }
    return reader.hasError() ? -1 : count;
}

// The elements of the catalogue document of an entry, counted independently
// of the program's loader: byte-order mark and NUL padding stripped here.
inline int catalogueElementCount(int index)
{
    QByteArray bytes = catalogue::storedDocument(index + 101).bytes;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    while (bytes.endsWith('\0'))
        bytes.chop(1);
    return countElements(bytes);
}

// An XML text as one line per element: indentation by depth, the name and
// the attributes in document order. Line breaks, indentation and empty-element
// syntax of the text do not show; an error does.
inline QString xmlOutline(const QString& xml)
{
    QXmlStreamReader reader(xml);
    QStringList lines;
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            QString line = QString(depth * 2, QLatin1Char(' ')) + reader.qualifiedName().toString();
            for (const QXmlStreamNamespaceDeclaration& ns : reader.namespaceDeclarations())
                line += QStringLiteral(" xmlns=%1").arg(ns.namespaceUri());
            for (const QXmlStreamAttribute& attribute : reader.attributes())
                line += QStringLiteral(" %1=%2").arg(attribute.qualifiedName(), attribute.value());
            lines.append(line);
            ++depth;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        } else if (token == QXmlStreamReader::Characters && !reader.isWhitespace()) {
            lines.append(QStringLiteral("text: ") + reader.text().toString());
        }
    }
    if (reader.hasError())
        lines.append(QStringLiteral("error: ") + reader.errorString());
    return lines.join(QLatin1Char('\n'));
}

// A document nested `depth` elements deep, one element per level.
inline QByteArray nestedDocument(int depth)
{
    return QByteArray("<n>").repeated(depth) + QByteArray("</n>").repeated(depth);
}

// Opens the ancestors of `index`, scrolls to it and clicks the middle of its text.
inline void clickNode(NodeTreeView* view, const QModelIndex& index)
{
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        view->expand(parent);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// Clicks the middle of a catalogue entry, as the user picks it.
inline void clickEntry(QListWidget* list, int row)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

} // namespace talpora::test
