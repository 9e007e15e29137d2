#include "checker/CustomUiChecker.h"

#include "checker/AcceptComment.h"
#include "xml/Utf8View.h"

#include <QScopeGuard>
#include <algorithm>

namespace talpora::checker {

CustomUiChecker::CustomUiChecker(IdentifierRules& rules, CheckReport& report, QString part)
    : m_rules(rules), m_sink(report, std::move(part)), m_schema(m_sink),
      m_officeRules(rules, m_sink)
{
    m_rules.enterPart();
    m_sink.setDecision(
        [this](Finding& finding, const std::string& identifier) { decide(finding, identifier); });
}

bool CustomUiChecker::text(const XmlText& text)
{
    m_schema.text(text);
    m_sink.flush();
    return true;
}

bool CustomUiChecker::comment(const XmlText& comment)
{
    const std::optional<std::vector<std::string>> accepted = acceptedByComment(comment.text);
    if (!accepted)
        return true;
    if (m_rootStarted) {
        m_sink.add(Severity::Warning, {comment.line, comment.column},
                   FindingKind::AcceptCommentAfterRoot);
        m_sink.flush();
        return true;
    }
    m_rules.acceptInPart(*accepted);
    return true;
}

bool CustomUiChecker::endElement()
{
    m_schema.endElement();
    m_officeRules.endElement();
    m_sink.flush();
    m_sink.leaveElement();
    return true;
}

bool CustomUiChecker::startElement(const XmlElementStart& element)
{
    m_sink.enterElement(PartFindings::tagStart(element));
    const auto inPlaceOrder = qScopeGuard([&] { m_sink.flush(); });
    m_rootStarted = true;
    const std::string_view namespaceUri = element.namespaceUri;
    m_schema.startElement(element, namespaceUri);
    const schema::Schema* partSchema = m_schema.partSchema();
    m_officeRules.startElement(element, partSchema && namespaceUri == partSchema->namespaceUri);

    const std::string_view localName = localNameOf(element.name);
    const XmlAttribute* id = nullptr;
    const XmlAttribute* idMso = nullptr;
    for (const XmlAttribute& attribute : element.attributes) {
        if (attribute.name == "id")
            id = &attribute;
        else if (attribute.name == "idMso")
            idMso = &attribute;
        if (attribute.name == "idMso" || attribute.name == "insertAfterMso" ||
            attribute.name == "insertBeforeMso")
            checkIdentifier(element, localName, attribute);
        else if (attribute.name == "id")
            checkId(element, attribute);
    }
    if (id && idMso) {
        // Point at whichever of the two comes second: that is where the clash is.
        add(Severity::Error, m_sink.nameOf(element, *std::max(id, idMso)),
            FindingKind::IdBesideIdMso, {fromUtf8View(element.name)});
    }
    return true;
}

void CustomUiChecker::checkIdentifier(const XmlElementStart& element, std::string_view localName,
                                      const XmlAttribute& attribute)
{
    if (!m_rules.isKnown(attribute.value)) {
        // What the schema says of the value is said with the identifier: once.
        const std::optional<Finding> fault = m_sink.takeValueFault(attribute);
        // Past the part's limit the finding is only counted: no "did you mean".
        if (!m_sink.wouldShow()) {
            m_sink.addHidden(Severity::Error);
            return;
        }
        std::vector<FindingHint> hints = *m_rules.unknown(attribute.value);
        if (fault && fault->kind == FindingKind::ValueNotName)
            IdentifierRules::addNotAName(hints);
        const TextPosition place = m_sink.valueOf(element, attribute);
        MessageArguments arguments{fromUtf8View(attribute.name), fromUtf8View(attribute.value)};
        // An id of the part is what was meant, with the attribute for one's
        // own elements; an id further on is known only at the part's end.
        std::string identifier(attribute.value);
        if (m_ids.contains(identifier)) {
            Finding finding{{},
                            place.line,
                            place.column,
                            Severity::Error,
                            FindingKind::UnknownIdentifier,
                            std::move(arguments),
                            {},
                            {},
                            {}};
            decide(finding, identifier);
            m_sink.add(Severity::Error, place, finding.kind, std::move(finding.arguments));
            return;
        }
        m_sink.addUndecided(Severity::Error, place, FindingKind::UnknownIdentifier,
                            std::move(arguments), std::move(hints), std::move(identifier));
        return;
    }
    if (attribute.name != "idMso")
        return;
    if (const std::optional<FindingKind> why = m_rules.wrongKind(attribute.value, localName))
        add(Severity::Warning, m_sink.valueOf(element, attribute), *why,
            {fromUtf8View(attribute.value)});
}

void CustomUiChecker::decide(Finding& finding, const std::string& identifier) const
{
    const auto own = m_ids.find(identifier);
    if (own == m_ids.end())
        return;
    // idMso, insertAfterMso and insertBeforeMso: id, insertAfter and insertBefore.
    QString attribute = std::get<QString>(finding.arguments.at(0));
    const QString replacement = attribute.chopped(3);
    finding.kind = FindingKind::OwnIdAsIdentifier;
    finding.arguments = {std::move(attribute), finding.arguments.at(1), own->second.line,
                         own->second.column, replacement};
    finding.hints.clear();
}

void CustomUiChecker::checkId(const XmlElementStart& element, const XmlAttribute& attribute)
{
    std::string value(attribute.value);
    const auto first = m_ids.find(value);
    if (first == m_ids.end()) {
        m_ids.emplace(std::move(value), m_sink.valueOf(element, attribute));
        return;
    }
    if (!m_sink.wouldShow()) {
        m_sink.addHidden(Severity::Error);
        return;
    }
    add(Severity::Error, m_sink.valueOf(element, attribute), FindingKind::IdUsedTwice,
        {fromUtf8View(attribute.value), first->second.line, first->second.column});
}

void CustomUiChecker::add(Severity severity, TextPosition position, FindingKind kind,
                          MessageArguments arguments)
{
    m_sink.add(severity, position, kind, std::move(arguments));
}

} // namespace talpora::checker
