#pragma once

#include "IdentifierIndex.h"
#include "XmlEventReader.h"

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace talpora::checker {

// Collects the built-in identifiers a customUI document names (idMso,
// insertAfterMso, insertBeforeMso), each once, in document order.
class BuiltInNames : public XmlEventHandler
{
public:
    bool startElement(const XmlElementStart& element) override;
    bool endElement() override { return true; }
    bool wantsPlaces() const override { return false; }

    const std::vector<std::string>& names() const { return m_names; }

private:
    std::vector<std::string> m_names;
    std::unordered_set<std::string> m_seen;
};

// The application a loose customUI file was written for, when its identifiers
// say so: one application outside Access, Excel, PowerPoint and Word knows
// more of them than any other does. Otherwise nullopt, and the file is checked
// against those four as before.
struct AssumedApplication
{
    catalogue::Application application;
    std::string evidence; // the first name that none of the four knows; may be empty
};
std::optional<AssumedApplication> guessApplication(const std::vector<std::string>& names,
                                                   const catalogue::IdentifierIndex& index,
                                                   catalogue::VersionSet versions);

} // namespace talpora::checker
