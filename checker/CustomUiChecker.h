#pragma once

#include "checker/CheckReport.h"
#include "checker/IdentifierRules.h"
#include "checker/OfficeRules.h"
#include "checker/PartFindings.h"
#include "checker/SchemaValidator.h"
#include "checker/StartTagScanner.h"
#include "xml/XmlEventReader.h"

#include <QString>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace talpora::checker {

// Checks the elements of one customUI part as the reader reports them:
// unknown identifiers in idMso, insertAfterMso and insertBeforeMso (saying so
// when one is an id of the part), elements with both id and idMso, id values
// used twice, and identifiers of the wrong kind for their element; the
// schema of the part's namespace (SchemaValidator) and Office's own rules
// (OfficeRules). Identifiers that an accept comment before the root lists
// count as known. Findings go to `report`, tagged with `part`; call finish()
// when the part is read.
class CustomUiChecker : public XmlEventHandler
{
public:
    CustomUiChecker(IdentifierRules& rules, CheckReport& report, QString part);

    bool startElement(const XmlElementStart& element) override;
    bool endElement() override;
    bool wantsText() const override { return true; }
    bool text(const XmlText& text) override;
    bool wantsComments() const override { return true; }
    bool comment(const XmlText& comment) override;
    // The part is read, to its end or to a fault: findings that waited for
    // the rest of the part go on.
    void finish() { m_sink.finish(); }

    // In a package: the ids of the part's image relationships.
    void setImageRelationships(std::unordered_set<std::string> ids)
    {
        m_officeRules.setImageRelationships(std::move(ids));
    }

private:
    void add(Severity severity, TextPosition position, FindingKind kind,
             MessageArguments arguments = {});
    void checkIdentifier(const XmlElementStart& element, std::string_view localName,
                         const XmlAttribute& attribute);
    void checkId(const XmlElementStart& element, const XmlAttribute& attribute);
    void decide(Finding& finding, const std::string& identifier) const;

    IdentifierRules& m_rules;
    std::unordered_map<std::string, TextPosition> m_ids; // id value -> where it was first used
    bool m_rootStarted = false;
    PartFindings m_sink;
    SchemaValidator m_schema;
    OfficeRules m_officeRules;
};

} // namespace talpora::checker
