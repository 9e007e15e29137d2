#pragma once

#include <QString>
#include <QtGlobal>

namespace talpora {

enum class SnippetFailureKind
{
    None,
    NoSuchNode,      // position: the node asked for
    RootNamesNoArea, // rootText: the root's text, which names none of the five areas
    NameTooLong,     // level: the node whose name or idMso is too long to show
    TooLarge         // level: the node whose snippet would exceed 16 MiB
};

// Why no snippet could be built, as data; describe() words it.
struct SnippetFailure
{
    SnippetFailureKind kind = SnippetFailureKind::None;
    qint64 position = 0; // NoSuchNode
    qint64 level = 0;    // NameTooLong, TooLarge: levels below the root, the root's children 1
    QString rootText;    // RootNamesNoArea

    // True when there is a failure.
    explicit operator bool() const { return kind != SnippetFailureKind::None; }
};

// One sentence in the language of the installed translation (English where
// none is installed); a root text from the file is cut as a tree row shows it.
QString describe(const SnippetFailure& failure);

} // namespace talpora
