#include "viewer/core/SnippetBuilder.h"

#include "xml/DisplayText.h"

#include <QHash>
#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

struct SnippetElement
{
    QString name;
    QString attributeName; // empty when the element carries no attribute
    QString attributeValue;
    QString namespaceDeclaration; // ' xmlns:p="uri"', or empty
};

struct Area
{
    QStringView rootText;
    QStringView areaElement;
    QStringView startFromScratch; // empty: the area has no ribbon element
};

constexpr std::array areas = {
    Area{u"<qat>", u"qat", u"true"},
    Area{u"<tabs>", u"tabs", u"false"},
    Area{u"<contextualTabs>", u"contextualTabs", u"false"},
    Area{u"<backstage>", u"backstage", u""},
    Area{u"<contextMenus>", u"contextMenus", u""},
};

std::optional<Area> areaForRoot(const QString& rootText)
{
    for (const Area& area : areas) {
        if (rootText.compare(area.rootText, Qt::CaseInsensitive) == 0)
            return area;
    }
    return std::nullopt;
}

// Name before the first "|", idMso all after it: an element name never holds
// a "|", an idMso value may. An empty idMso means there is none.
SnippetElement elementFromTag(const QString& tag)
{
    const qsizetype bar = tag.indexOf(QLatin1Char('|'));
    SnippetElement element{bar < 0 ? tag : tag.left(bar), {}, {}, {}};
    if (bar >= 0 && bar + 1 < tag.size()) {
        element.attributeName = u"idMso"_s;
        element.attributeValue = tag.mid(bar + 1);
    }
    return element;
}

// Escapes what an attribute value in double quotes cannot hold as it is.
// Tabs and line breaks become character references so that they survive a
// re-read instead of turning into blanks.
QString escapeAttribute(const QString& value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'&':
            escaped += u"&amp;"_s;
            break;
        case u'<':
            escaped += u"&lt;"_s;
            break;
        case u'"':
            escaped += u"&quot;"_s;
            break;
        case u'\t':
            escaped += u"&#9;"_s;
            break;
        case u'\n':
            escaped += u"&#10;"_s;
            break;
        case u'\r':
            escaped += u"&#13;"_s;
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// Declares each element's prefix where the chain above does not bind it to
// the element's namespace. Every element is the only child of the one before,
// so what is bound so far is all that is in scope.
void declarePrefixes(QList<SnippetElement>& chain, qsizetype firstTagElement,
                     const QStringList& namespacesClickedFirst)
{
    QHash<QString, QString> bound;
    for (qsizetype level = firstTagElement; level < chain.size(); ++level) {
        const qsizetype tagIndex = chain.size() - 1 - level;
        SnippetElement& element = chain[level];
        const qsizetype colon = element.name.indexOf(QLatin1Char(':'));
        if (colon <= 0 || tagIndex >= namespacesClickedFirst.size())
            continue;
        const QString prefix = element.name.left(colon);
        const QString& uri = namespacesClickedFirst[tagIndex];
        if (prefix == u"xml"_s || uri.isEmpty() || bound.value(prefix) == uri)
            continue;
        bound.insert(prefix, uri);
        element.namespaceDeclaration =
            u" xmlns:"_s + prefix + u"=\""_s + escapeAttribute(uri) + u"\""_s;
    }
}

QString startTag(const SnippetElement& element)
{
    QString tag = u"<"_s + element.name + element.namespaceDeclaration;
    if (!element.attributeName.isEmpty())
        tag += u" "_s + element.attributeName + u"=\""_s + escapeAttribute(element.attributeValue) +
               u"\""_s;
    return tag;
}

// The length of the text writeChain makes from these start tags, worked out
// before anything is written: one TAB per level makes a deep chain's text
// grow with the square of its depth.
qint64 chainLength(const QList<SnippetElement>& chain, const QStringList& startTags)
{
    const qint64 levels = chain.size();
    qint64 length = levels * (levels - 1); // the TABs of the start and end tags
    for (qsizetype level = 0; level < chain.size(); ++level)
        length +=
            startTags[level].size() + chain[level].name.size() + 6; // "/>" or ">", "</", ">", "\n"
    return length;
}

// Writes a chain in which every element is the only child of the one before.
QString writeChain(const QList<SnippetElement>& chain, const QStringList& startTags)
{
    QStringList lines;
    const qsizetype last = chain.size() - 1;
    for (qsizetype level = 0; level <= last; ++level) {
        const QString indent(level, QLatin1Char('\t'));
        lines.append(indent + startTags[level] + (level == last ? u"/>"_s : u">"_s));
    }
    for (qsizetype level = last - 1; level >= 0; --level)
        lines.append(QString(level, QLatin1Char('\t')) + u"</"_s + chain[level].name + u">"_s);
    return lines.join(QLatin1Char('\n'));
}

SnippetResult missingArea(const QString& rootText)
{
    return {{}, {SnippetFailureKind::RootNamesNoArea, 0, 0, rootText}};
}

SnippetResult tooLarge(qsizetype levels)
{
    return {{}, {SnippetFailureKind::TooLarge, 0, levels, {}}};
}

} // namespace

bool snippetDepthFits(qsizetype levelsBelowRoot)
{
    // The frame adds at most three levels; the TABs alone of a chain of L
    // levels are L * (L - 1) characters.
    const qint64 levels = levelsBelowRoot + 3;
    return levelsBelowRoot < maximumSnippetLength && levels * (levels - 1) <= maximumSnippetLength;
}

SnippetResult refuseTooDeepSnippet(qsizetype levelsBelowRoot, const QString& rootText)
{
    if (!areaForRoot(rootText))
        return missingArea(rootText);
    return tooLarge(levelsBelowRoot);
}

SnippetResult BuildSnippet(const QStringList& tagsClickedFirst, const QString& rootText,
                           const QStringList& namespacesClickedFirst)
{
    if (!snippetDepthFits(tagsClickedFirst.size()))
        return refuseTooDeepSnippet(tagsClickedFirst.size(), rootText);
    const std::optional<Area> area = areaForRoot(rootText);
    if (!area)
        return missingArea(rootText);

    QList<SnippetElement> chain;
    chain.append({u"customUI"_s, u"xmlns"_s, QString::fromUtf16(customUiNamespace), {}});
    if (!area->startFromScratch.isEmpty())
        chain.append({u"ribbon"_s, u"startFromScratch"_s, area->startFromScratch.toString(), {}});
    chain.append({area->areaElement.toString(), {}, {}, {}});
    const qsizetype firstTagElement = chain.size();
    for (auto tag = tagsClickedFirst.crbegin(); tag != tagsClickedFirst.crend(); ++tag)
        chain.append(elementFromTag(*tag));
    declarePrefixes(chain, firstTagElement, namespacesClickedFirst);
    QStringList startTags;
    for (const SnippetElement& element : chain) {
        // The script window lays out a line of megabytes for minutes, and no
        // customUI name or identifier is anywhere near this long.
        if (element.name.size() + element.attributeValue.size() > maximumDisplayLength)
            return {
                {},
                {SnippetFailureKind::NameTooLong, 0, startTags.size() - firstTagElement + 1, {}}};
        startTags.append(startTag(element));
    }
    if (chainLength(chain, startTags) > maximumSnippetLength)
        return tooLarge(tagsClickedFirst.size());
    return {writeChain(chain, startTags), {}};
}

} // namespace talpora
