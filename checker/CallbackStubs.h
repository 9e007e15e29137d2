#pragma once

#include "checker/CallbackNames.h"
#include "checker/CallbackSignatures.h"
#include "xml/XmlEventReader.h"

#include <QString>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace talpora::checker {

// Where a callback attribute names a callback.
struct CallbackSite
{
    QString part; // empty for a loose file
    std::string element;
    std::string attribute;
    long long line = 0;
    CallbackSignature signature;
};

// One callback name (an attribute's value) with its first use, and the later
// uses whose element needs another signature.
struct CallbackStub
{
    std::string name;
    CallbackSite first;
    std::vector<CallbackSite> conflicts;
};

// Collects the callbacks of customUI documents, each name once, in the order
// of first use. `isToggle` says whether a built-in identifier names a toggle
// button or check box (a <command> repurposing one gets the pressed state).
class CallbackCollector : public XmlEventHandler
{
public:
    explicit CallbackCollector(std::function<bool(std::string_view idMso)> isToggle);

    // The part the next elements come from.
    void setPart(QString part) { m_part = std::move(part); }

    bool startElement(const XmlElementStart& element) override;
    bool endElement() override { return true; }

    const std::vector<CallbackStub>& stubs() const { return m_stubs; }

private:
    std::function<bool(std::string_view)> m_isToggle;
    QString m_part;
    std::vector<CallbackStub> m_stubs;
    std::unordered_map<std::string, std::size_t> m_byName;
};

// A callback whose procedure name cannot stand in a stub of the language.
struct SkippedCallback
{
    const CallbackStub* stub;
    CallbackNameFault fault;
};

// The stubs in `language`, each after a comment naming its first use, with a
// comment line for every use that needs another signature. Text from the file
// reaches the comments escaped (escapedControls), so no line break or control
// character ends a comment early; a callback whose procedure name breaks the
// language's rules (callbackNameFault) gets no stub and goes to `skipped`.
std::string callbackStubsText(const std::vector<CallbackStub>& stubs, CallbackLanguage language,
                              std::vector<SkippedCallback>* skipped = nullptr);

} // namespace talpora::checker
