#include "CustomUiChecker.h"

#include "Utf8View.h"

#include <QScopeGuard>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace talpora::checker {

CustomUiChecker::CustomUiChecker(IdentifierRules& rules, CheckReport& report, QString part)
    : m_rules(rules), m_report(report), m_part(part), m_sink(report, std::move(part)),
      m_schema(m_sink), m_officeRules(rules, m_sink, m_bindings)
{}

bool CustomUiChecker::endElement()
{
    m_schema.endElement();
    m_officeRules.endElement();
    m_bindings.leave();
    return true;
}

bool CustomUiChecker::startElement(const XmlElementStart& element)
{
    const std::size_t findingsBefore = m_report.findings.size();
    const auto inPlaceOrder = qScopeGuard([&] { sortFindingsFrom(findingsBefore); });
    m_bindings.enter(element.attributes);
    const std::string_view namespaceUri = m_bindings.namespaceOfElement(element.name);
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
            u"<%1> has both id and idMso; a control is either your own or a built-in one"_s.arg(
                fromUtf8View(element.name)));
    }
    return true;
}

void CustomUiChecker::sortFindingsFrom(std::size_t first)
{
    // The checks of one start tag report in their own order; the reader wants the tag's.
    std::stable_sort(m_report.findings.begin() + static_cast<std::ptrdiff_t>(first),
                     m_report.findings.end(), [](const Finding& a, const Finding& b) {
                         return std::pair(a.line, a.column) < std::pair(b.line, b.column);
                     });
}

void CustomUiChecker::checkIdentifier(const XmlElementStart& element, std::string_view localName,
                                      const XmlAttribute& attribute)
{
    if (const std::optional<QString> why = m_rules.unknown(attribute.value)) {
        add(Severity::Error, valuePosition(element, attribute.name),
            fromUtf8View(attribute.name) + u": "_s + *why);
        return;
    }
    if (attribute.name != "idMso")
        return;
    if (const std::optional<QString> why = m_rules.wrongKind(attribute.value, localName))
        add(Severity::Warning, valuePosition(element, attribute.name), *why);
}

void CustomUiChecker::checkId(const XmlElementStart& element, const XmlAttribute& attribute)
{
    const TextPosition here = valuePosition(element, attribute.name);
    const auto [first, inserted] = m_ids.emplace(std::string(attribute.value), here);
    if (inserted)
        return;
    add(Severity::Error, here,
        u"id \"%1\" is already used at line %2, column %3; Office rejects the whole "
        "customisation"_s.arg(fromUtf8View(attribute.value))
            .arg(first->second.line)
            .arg(first->second.column));
}

TextPosition CustomUiChecker::valuePosition(const XmlElementStart& element,
                                            std::string_view attribute) const
{
    const TextPosition tagStart{element.line, element.column};
    const std::optional<AttributePlace> place = findAttribute(element.markup, tagStart, attribute);
    return place ? place->value : tagStart;
}

void CustomUiChecker::add(Severity severity, TextPosition position, QString message)
{
    m_report.findings.push_back(
        {m_part, position.line, position.column, severity, std::move(message)});
}

} // namespace talpora::checker
