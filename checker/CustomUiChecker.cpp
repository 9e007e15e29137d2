#include "checker/CustomUiChecker.h"

#include "xml/Utf8View.h"

#include <QScopeGuard>
#include <algorithm>

namespace talpora::checker {

CustomUiChecker::CustomUiChecker(IdentifierRules& rules, CheckReport& report, QString part)
    : m_rules(rules), m_report(report), m_part(part), m_sink(report, std::move(part)),
      m_schema(m_sink), m_officeRules(rules, m_sink)
{}

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
        const std::string_view second = id > idMso ? "id" : "idMso";
        const std::optional<AttributePlace> place =
            findAttribute(element.markup, {element.line, element.column}, second);
        add(Severity::Error, place ? place->name : TextPosition{element.line, element.column},
            FindingKind::IdBesideIdMso, {fromUtf8View(element.name)});
    }
    return true;
}

void CustomUiChecker::checkIdentifier(const XmlElementStart& element, std::string_view localName,
                                      const XmlAttribute& attribute)
{
    if (!m_rules.isKnown(attribute.value)) {
        // Past the part's limit the finding is only counted: no "did you mean".
        if (!m_report.wouldShow(m_part))
            add(Severity::Error, {}, FindingKind::UnknownIdentifier);
        else
            m_sink.add(Severity::Error, valuePosition(element, attribute.name),
                       FindingKind::UnknownIdentifier,
                       {fromUtf8View(attribute.name), fromUtf8View(attribute.value)},
                       *m_rules.unknown(attribute.value));
        return;
    }
    if (attribute.name != "idMso")
        return;
    if (const std::optional<FindingKind> why = m_rules.wrongKind(attribute.value, localName))
        add(Severity::Warning, valuePosition(element, attribute.name), *why,
            {fromUtf8View(attribute.value)});
}

void CustomUiChecker::checkId(const XmlElementStart& element, const XmlAttribute& attribute)
{
    std::string value(attribute.value);
    const auto first = m_ids.find(value);
    if (first == m_ids.end()) {
        m_ids.emplace(std::move(value), valuePosition(element, attribute.name));
        return;
    }
    if (!m_report.wouldShow(m_part)) {
        add(Severity::Error, {}, FindingKind::IdUsedTwice); // only counted
        return;
    }
    add(Severity::Error, valuePosition(element, attribute.name), FindingKind::IdUsedTwice,
        {fromUtf8View(attribute.value), first->second.line, first->second.column});
}

TextPosition CustomUiChecker::valuePosition(const XmlElementStart& element,
                                            std::string_view attribute) const
{
    const TextPosition tagStart{element.line, element.column};
    const std::optional<AttributePlace> place = findAttribute(element.markup, tagStart, attribute);
    return place ? place->value : tagStart;
}

void CustomUiChecker::add(Severity severity, TextPosition position, FindingKind kind,
                          MessageArguments arguments)
{
    m_sink.add(severity, position, kind, std::move(arguments));
}

} // namespace talpora::checker
