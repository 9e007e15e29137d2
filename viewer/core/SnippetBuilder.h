#pragma once

#include "viewer/core/SnippetFailure.h"

#include <QString>
#include <QStringList>

namespace talpora {

// The namespace of the customUI 2009/07 schema.
inline constexpr char16_t customUiNamespace[] =
    u"http://schemas.microsoft.com/office/2009/07/customui";

// A customUI snippet as display text, or why none can be made.
struct SnippetResult
{
    QString text;
    SnippetFailure failure;

    explicit operator bool() const { return !failure; }
};

// The longest snippet text built, in characters; a deeper or longer chain is
// refused rather than written.
inline constexpr qint64 maximumSnippetLength = qint64(16) * 1024 * 1024;

// False when a node this many levels below the root is too deep for any
// snippet to fit; lets a caller refuse before it collects the tags.
bool snippetDepthFits(qsizetype levelsBelowRoot);
// The failure BuildSnippet gives for a node that deep, without its tags.
SnippetResult refuseTooDeepSnippet(qsizetype levelsBelowRoot, const QString& rootText);

// Builds the customUI document that leads from the customUI root down to a
// clicked node. `tagsClickedFirst` holds the tags ("name|idMso", split at the
// first "|") of the clicked node and its ancestors below the root, clicked
// node first (empty when the root itself was clicked). `namespacesClickedFirst`
// gives, in the same order, the namespace of each prefixed name (empty for a
// name without a prefix): an element declares its prefix where the snippet
// does not yet bind it to that namespace, so that the snippet is
// namespace-well-formed and means what the document meant. `rootText` is the root node's text,
// which picks the area ("<qat>", "<tabs>", "<contextualTabs>", "<backstage>",
// "<contextMenus>", compared without regard to case). One element per line,
// one TAB per level, childless elements as "<x/>", no declaration, no
// trailing line break. A text longer than maximumSnippetLength is refused.
SnippetResult BuildSnippet(const QStringList& tagsClickedFirst, const QString& rootText,
                           const QStringList& namespacesClickedFirst = {});

} // namespace talpora
