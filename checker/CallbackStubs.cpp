#include "checker/CallbackStubs.h"

#include "xml/VisibleControls.h"

namespace talpora::checker {

namespace {

std::string escapedText(std::string_view utf8)
{
    return escapedControls(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())))
        .toStdString();
}

std::string siteText(const CallbackSite& site)
{
    std::string text = site.attribute + " of <" + site.element + ">, ";
    if (!site.part.isEmpty())
        text.append(escapedControls(site.part).toStdString()).append(" ");
    return text.append("line ").append(std::to_string(site.line));
}

} // namespace

CallbackCollector::CallbackCollector(std::function<bool(std::string_view)> isToggle)
    : m_isToggle(std::move(isToggle))
{}

bool CallbackCollector::startElement(const XmlElementStart& element)
{
    const std::string_view localName = localNameOf(element.name);
    bool toggleCommand = false;
    if (localName == "command") {
        for (const XmlAttribute& attribute : element.attributes) {
            if (attribute.name == "idMso")
                toggleCommand = m_isToggle && m_isToggle(attribute.value);
        }
    }
    for (const XmlAttribute& attribute : element.attributes) {
        if (attribute.value.empty())
            continue;
        const std::optional<CallbackSignature> signature =
            callbackSignature(localName, attribute.name, toggleCommand);
        if (!signature)
            continue;
        CallbackSite site{m_part, std::string(localName), std::string(attribute.name), element.line,
                          *signature};
        const auto [found, inserted] =
            m_byName.emplace(std::string(attribute.value), m_stubs.size());
        if (inserted) {
            m_stubs.push_back({found->first, std::move(site), {}});
            continue;
        }
        CallbackStub& stub = m_stubs[found->second];
        if (!(stub.first.signature == *signature))
            stub.conflicts.push_back(std::move(site));
    }
    return true;
}

std::string callbackStubsText(const std::vector<CallbackStub>& stubs, CallbackLanguage language,
                              std::vector<SkippedCallback>* skipped)
{
    const std::string comment = language == CallbackLanguage::CSharp ? "// " : "' ";
    std::string text;
    for (const CallbackStub& stub : stubs) {
        const std::string_view name = procedureName(stub.name);
        if (const CallbackNameFault fault = callbackNameFault(name, language);
            fault != CallbackNameFault::None) {
            if (skipped)
                skipped->push_back({&stub, fault});
            continue;
        }
        if (!text.empty())
            text += '\n';
        text.append(comment).append(siteText(stub.first)).append("\n");
        for (const CallbackSite& other : stub.conflicts) {
            text.append(comment)
                .append("warning: \"")
                .append(escapedText(stub.name))
                .append("\" is also the ")
                .append(siteText(other))
                .append(", which needs: ")
                .append(signatureLine(other.signature, name, language))
                .append("\n");
        }
        text += stubText(stub.first.signature, name, language);
    }
    return text;
}

} // namespace talpora::checker
