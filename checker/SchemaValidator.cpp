#include "checker/SchemaValidator.h"

#include "catalogue/IdentifierDistance.h"
#include "xml/Utf8View.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <tuple>

using namespace Qt::StringLiterals;

namespace talpora::checker {

namespace {

using namespace schema;

constexpr std::uint32_t unbounded = 0xFFFFFFFF;
constexpr std::size_t suggestionCount = 3;

// The element names of a list, each once, in the order first met.
void addOnce(NameList& list, std::string_view name)
{
    const QString text = fromUtf8View(name);
    if (!list.names.contains(text))
        list.names.append(text);
}

const ChildRule* childIn(const Slot& slot, std::string_view name)
{
    const auto found = std::find_if(slot.children.begin(), slot.children.end(),
                                    [&](const ChildRule& child) { return child.name == name; });
    return found == slot.children.end() ? nullptr : &*found;
}

const ChildRule* childAnywhere(const ElementType& type, std::string_view name)
{
    for (const Slot& slot : type.childSlots) {
        if (const ChildRule* child = childIn(slot, name))
            return child;
    }
    return nullptr;
}

const AttributeRule* attributeOf(const ElementType& type, std::string_view name)
{
    // Runs for every attribute of a large part: the first letter and the length
    // rule out most names before their bytes are compared.
    for (const AttributeRule& attribute : type.attributes) {
        if (attribute.name.size() == name.size() && !name.empty() &&
            attribute.name.front() == name.front() && attribute.name == name)
            return &attribute;
    }
    return nullptr;
}

const ElementType* typeOf(const Schema& schema, const ChildRule* child)
{
    return child ? &schema.types[child->elementType] : nullptr;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The value as the schema's non-string types read it: blanks around it do not count.
std::string_view trimmed(std::string_view value)
{
    while (!value.empty() && isBlank(value.front()))
        value.remove_prefix(1);
    while (!value.empty() && isBlank(value.back()))
        value.remove_suffix(1);
    return value;
}

std::size_t characterCount(std::string_view utf8)
{
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Whether a UTF-8 text has from `least` to `most` characters.
bool hasLengthWithin(std::string_view utf8, std::uint32_t least, std::uint32_t most)
{
    // A character takes one to four bytes, so the byte count mostly settles it.
    if (utf8.size() <= most && utf8.size() + 3 >= 4 * static_cast<std::size_t>(least))
        return true;
    const std::size_t count = characterCount(utf8);
    return count >= least && count <= most;
}

// Token: runs of blanks count as one space.
std::size_t collapsedCount(std::string_view value)
{
    std::size_t count = 0;
    bool blank = false;
    for (const char c : trimmed(value)) {
        if (isBlank(c)) {
            blank = true;
            continue;
        }
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            count += blank ? 2 : 1;
        blank = false;
    }
    return count;
}

bool isNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool isName(std::string_view name)
{
    if (name.empty() || !isNameStart(name.front()))
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
    });
}

bool isQualifiedName(std::string_view name)
{
    const std::size_t colon = name.find(':');
    if (colon == std::string_view::npos)
        return isName(name);
    return isName(name.substr(0, colon)) && isName(name.substr(colon + 1));
}

// A positiveInteger's value when it is within [minimum, maximum].
bool isIntegerWithin(std::string_view text, std::uint32_t minimum, std::uint32_t maximum)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    while (text.size() > 1 && text.front() == '0')
        text.remove_prefix(1);
    if (text.size() > 10)
        return false;
    const unsigned long long value = std::stoull(std::string(text));
    return value >= minimum && value <= maximum;
}

// The finding for a value of the wrong length, and its arguments after the
// attribute and the value.
std::pair<FindingKind, MessageArguments> lengthRule(const ValueType& type)
{
    if (type.maxLength == unbounded)
        return {FindingKind::ValueTooShort, {static_cast<long long>(type.minLength)}};
    return {FindingKind::ValueLengthOutside,
            {static_cast<long long>(type.minLength), static_cast<long long>(type.maxLength)}};
}

} // namespace

void SchemaValidator::startElement(const XmlElementStart& element, std::string_view namespaceUri)
{
    ++m_depth;
    if (m_depth == 1) {
        startRoot(element, namespaceUri);
        return;
    }
    if (m_open.size() + 1 != m_depth)
        return; // below an element that was not checked or a refused root
    Open& parent = m_open.back();
    if (!parent.type) {
        m_open.push_back({nullptr, nullptr, {}, {}, 0, 0, {}});
        return;
    }
    startChild(element, namespaceUri, parent);
}

void SchemaValidator::endElement()
{
    if (m_depth == 0)
        return;
    if (m_open.size() == m_depth) {
        checkChildrenComplete(m_open.back());
        m_open.pop_back();
    }
    --m_depth;
}

void SchemaValidator::startRoot(const XmlElementStart& element, std::string_view namespaceUri)
{
    for (const auto& [schema, other] :
         {std::pair{&schema2006, &schema2009}, std::pair{&schema2009, &schema2006}}) {
        if (namespaceUri == schema->namespaceUri && localNameOf(element.name) == "customUI") {
            m_schema = schema;
            m_otherSchema = other;
        }
    }
    if (!m_schema) {
        const QString namespace2006 = fromUtf8View(schema2006.namespaceUri);
        const QString namespace2009 = fromUtf8View(schema2009.namespaceUri);
        if (namespaceUri.empty())
            m_sink.add(Severity::Error, PartFindings::tagStart(element),
                       FindingKind::RootInNoNamespace,
                       {fromUtf8View(element.name), namespace2006, namespace2009});
        else
            m_sink.add(Severity::Error, PartFindings::tagStart(element),
                       FindingKind::RootInOtherNamespace,
                       {fromUtf8View(element.name), fromUtf8View(namespaceUri), namespace2006,
                        namespace2009});
        return;
    }
    Open root{&m_schema->types[m_schema->rootType],
              &m_otherSchema->types[m_otherSchema->rootType],
              std::string(element.name),
              PartFindings::tagStart(element),
              0,
              0,
              {}};
    checkAttributes(element, root);
    m_open.push_back(std::move(root));
}

void SchemaValidator::startChild(const XmlElementStart& element, std::string_view namespaceUri,
                                 Open& parent)
{
    Open open{nullptr, nullptr, std::string(element.name), PartFindings::tagStart(element), 0,
              0,       {}};
    if (namespaceUri != m_schema->namespaceUri) {
        m_sink.add(Severity::Warning, open.place, FindingKind::ForeignElement,
                   {fromUtf8View(element.name), fromUtf8View(namespaceUri)});
        m_open.push_back(std::move(open));
        return;
    }
    const std::string_view name = localNameOf(element.name);
    open.shadow =
        parent.shadow ? typeOf(*m_otherSchema, childAnywhere(*parent.shadow, name)) : nullptr;
    open.type = acceptChild(element, parent);
    if (open.type) {
        if (open.type->unordered)
            open.counts.assign(open.type->childSlots.size(), 0);
        checkAttributes(element, open);
    }
    m_open.push_back(std::move(open));
}

const ElementType* SchemaValidator::acceptChild(const XmlElementStart& element, Open& parent)
{
    const std::string_view name = localNameOf(element.name);
    const ElementType& type = *parent.type;
    if (type.unordered) {
        for (std::size_t i = 0; i < type.childSlots.size(); ++i) {
            if (const ChildRule* child = childIn(type.childSlots[i], name)) {
                if (parent.counts[i] < type.childSlots[i].max) {
                    ++parent.counts[i];
                    return &m_schema->types[child->elementType];
                }
                refuseChild(element, parent, true, type.childSlots[i].max, false);
                return nullptr;
            }
        }
        refuseChild(element, parent, false, 0, false);
        return nullptr;
    }
    std::size_t slot = parent.slot;
    std::uint32_t count = parent.count;
    for (; slot < type.childSlots.size(); ++slot, count = 0) {
        if (const ChildRule* child = childIn(type.childSlots[slot], name)) {
            if (count < type.childSlots[slot].max) {
                parent.slot = slot;
                parent.count = count + 1;
                return &m_schema->types[child->elementType];
            }
            refuseChild(element, parent, true, type.childSlots[slot].max, false);
            return nullptr;
        }
        if (count < type.childSlots[slot].min)
            break; // a required element must come first
    }
    refuseChild(element, parent, false, 0, childAnywhere(type, name) != nullptr);
    return nullptr;
}

void SchemaValidator::refuseChild(const XmlElementStart& element, Open& parent, bool tooMany,
                                  std::uint32_t limit, bool outOfPlace)
{
    const TextPosition place = PartFindings::tagStart(element);
    const QString elementName = fromUtf8View(element.name);
    const QString parentName = fromUtf8View(parent.name);
    if (tooMany) {
        if (!parent.saidTooMany)
            m_sink.add(Severity::Error, place, FindingKind::TooMany,
                       {elementName, parentName, static_cast<long long>(limit)});
        parent.saidTooMany = true;
        return;
    }
    if (outOfPlace) {
        const NameList names = mayStandHere(parent);
        if (names.names.isEmpty())
            m_sink.add(Severity::Error, place, FindingKind::NothingMayFollow,
                       {elementName, parentName});
        else
            m_sink.add(Severity::Error, place, FindingKind::OutOfPlace,
                       {elementName, parentName, names});
        return;
    }
    const std::string_view name = localNameOf(element.name);
    if (parent.shadow && childAnywhere(*parent.shadow, name)) {
        m_sink.add(Severity::Error, place, FindingKind::OnlyInOtherNamespace,
                   {elementName, parentName, fromUtf8View(m_schema->shortName),
                    fromUtf8View(m_otherSchema->shortName),
                    fromUtf8View(m_otherSchema->namespaceUri)});
        return;
    }
    NameList names{{}, NameListForm::TagAlternatives};
    for (const Slot& slot : parent.type->childSlots) {
        for (const ChildRule& child : slot.children)
            addOnce(names, child.name);
    }
    if (names.names.isEmpty())
        m_sink.add(Severity::Error, place, FindingKind::NotAllowedInEmpty,
                   {elementName, parentName});
    else
        m_sink.add(Severity::Error, place, FindingKind::NotAllowed,
                   {elementName, parentName, std::move(names)});
}

NameList SchemaValidator::mayStandHere(const Open& parent) const
{
    const ElementType& type = *parent.type;
    NameList names{{}, NameListForm::TagAlternatives};
    std::uint32_t count = parent.count;
    for (std::size_t slot = parent.slot; slot < type.childSlots.size(); ++slot, count = 0) {
        if (count < type.childSlots[slot].max) {
            for (const ChildRule& child : type.childSlots[slot].children)
                addOnce(names, child.name);
        }
        if (count < type.childSlots[slot].min)
            break;
    }
    return names;
}

void SchemaValidator::checkChildrenComplete(const Open& open)
{
    if (!open.type)
        return;
    const ElementType& type = *open.type;
    for (std::size_t slot = 0; slot < type.childSlots.size(); ++slot) {
        std::uint32_t count = 0;
        if (type.unordered)
            count = open.counts[slot];
        else if (slot == open.slot)
            count = open.count;
        else if (slot < open.slot)
            continue;
        if (count >= type.childSlots[slot].min)
            continue;
        NameList names{{}, NameListForm::TagAlternatives};
        for (const ChildRule& child : type.childSlots[slot].children)
            names.names.append(fromUtf8View(child.name));
        const std::uint32_t least = type.childSlots[slot].min;
        // A warning: the catalogue's snippets end in such frames, and an empty
        // frame costs no more than the controls it lacks.
        if (least == 1)
            m_sink.add(Severity::Warning, open.place, FindingKind::TooFewOfOne,
                       {fromUtf8View(open.name), std::move(names)});
        else
            m_sink.add(Severity::Warning, open.place, FindingKind::TooFew,
                       {fromUtf8View(open.name), static_cast<long long>(least), std::move(names)});
    }
}

void SchemaValidator::checkAttributes(const XmlElementStart& element, const Open& open)
{
    const ElementType& type = *open.type;
    // Which attribute of the element each of the type's attributes is, so that
    // pairs and required ones are found without searching the element again.
    m_present.assign(type.attributes.size(), nullptr);
    for (const XmlAttribute& attribute : element.attributes) {
        // Declarations and attributes of other namespaces are no customUI attributes.
        if (attribute.name.find(':') != std::string_view::npos || attribute.name == "xmlns")
            continue;
        if (const AttributeRule* rule = attributeOf(type, attribute.name)) {
            m_present[static_cast<std::size_t>(rule - type.attributes.data())] = &attribute;
            checkValue(element, attribute, *rule);
            continue;
        }
        if (!m_sink.wouldShow()) {
            m_sink.addHidden(Severity::Error);
            continue;
        }
        const TextPosition place = m_sink.nameOf(element, attribute);
        if (open.shadow && attributeOf(*open.shadow, attribute.name)) {
            m_sink.add(Severity::Error, place, FindingKind::AttributeOnlyInOtherNamespace,
                       {fromUtf8View(attribute.name), fromUtf8View(element.name),
                        fromUtf8View(m_schema->shortName), fromUtf8View(m_otherSchema->shortName),
                        fromUtf8View(m_otherSchema->namespaceUri)});
            continue;
        }
        // The name in another case is what was meant; else the nearest names.
        NameList suggestions{{}, NameListForm::QuotedAlternatives};
        catalogue::NearestNames nearest(attribute.name, suggestionCount);
        for (const AttributeRule& rule : type.attributes) {
            if (catalogue::compareIgnoringAsciiCase(rule.name, attribute.name) == 0)
                suggestions.names.append(fromUtf8View(rule.name));
            nearest.consider(rule.name);
        }
        if (suggestions.names.isEmpty()) {
            for (const std::string_view name : nearest.result())
                suggestions.names.append(fromUtf8View(name));
        }
        std::vector<FindingHint> hints;
        if (!suggestions.names.isEmpty())
            hints.push_back({HintKind::DidYouMean, {std::move(suggestions)}});
        m_sink.add(Severity::Error, place, FindingKind::UnknownAttribute,
                   {fromUtf8View(attribute.name), fromUtf8View(element.name)}, std::move(hints));
    }
    for (std::size_t i = 0; i < type.attributes.size(); ++i) {
        const AttributeRule& rule = type.attributes[i];
        const XmlAttribute* attribute = m_present[i];
        if (!attribute) {
            if (rule.required)
                m_sink.add(Severity::Error, PartFindings::tagStart(element),
                           FindingKind::MissingAttribute,
                           {fromUtf8View(element.name), fromUtf8View(rule.name)});
            continue;
        }
        if (rule.getter.empty())
            continue;
        const AttributeRule* getterRule = attributeOf(type, rule.getter);
        const XmlAttribute* getter =
            getterRule ? m_present[static_cast<std::size_t>(getterRule - type.attributes.data())]
                       : nullptr;
        if (!getter)
            continue;
        // Pointed at where the second of the two stands: that is where the clash is.
        m_sink.add(
            Severity::Error, m_sink.nameOf(element, *std::max(attribute, getter)),
            FindingKind::StaticBesideCallback,
            {fromUtf8View(element.name), fromUtf8View(attribute->name), fromUtf8View(rule.getter)});
    }
}

void SchemaValidator::checkValue(const XmlElementStart& element, const XmlAttribute& attribute,
                                 const AttributeRule& rule)
{
    const ValueType& type = valueTypes[rule.valueType];
    const std::string_view value = attribute.value;
    // Which rule the value breaks, and what the finding adds after the value.
    std::optional<FindingKind> why;
    MessageArguments ruleArguments;
    switch (type.kind) {
    case ValueKind::Enumeration:
        if (std::find(type.values.begin(), type.values.end(), value) == type.values.end()) {
            NameList choices{{}, NameListForm::QuotedAlternatives};
            for (const std::string_view choice : type.values)
                choices.names.append(fromUtf8View(choice));
            why = FindingKind::ValueNotInList;
            ruleArguments = {std::move(choices)};
        }
        break;
    case ValueKind::Boolean: {
        const std::string_view flag = trimmed(value);
        if (flag != "true" && flag != "false" && flag != "1" && flag != "0")
            why = FindingKind::ValueNotBoolean;
        break;
    }
    case ValueKind::Integer:
        if (!isIntegerWithin(trimmed(value), type.minimum, type.maximum)) {
            why = FindingKind::ValueNotWholeNumber;
            ruleArguments = {static_cast<long long>(type.minimum),
                             static_cast<long long>(type.maximum)};
        }
        break;
    case ValueKind::Name:
    case ValueKind::QualifiedName: {
        const std::string_view name = trimmed(value);
        if (type.kind == ValueKind::Name ? !isName(name) : !isQualifiedName(name))
            why = type.kind == ValueKind::Name ? FindingKind::ValueNotName
                                               : FindingKind::ValueNotQualifiedName;
        else if (!hasLengthWithin(name, type.minLength, type.maxLength))
            std::tie(why, ruleArguments) = lengthRule(type);
        break;
    }
    case ValueKind::String:
    case ValueKind::Token: {
        const bool fits =
            type.kind == ValueKind::Token
                ? collapsedCount(value) >= type.minLength && collapsedCount(value) <= type.maxLength
                : hasLengthWithin(value, type.minLength, type.maxLength);
        if (!fits)
            std::tie(why, ruleArguments) = lengthRule(type);
        break;
    }
    }
    if (!why)
        return;
    if (!m_sink.wouldShow()) {
        m_sink.addHidden(Severity::Error);
        return;
    }
    // A value may be megabytes long: the finding shows its start.
    QString shown = fromUtf8View(value);
    if (shown.size() > 40)
        shown = shown.left(37) + u"..."_s;
    MessageArguments arguments{fromUtf8View(attribute.name), std::move(shown)};
    std::move(ruleArguments.begin(), ruleArguments.end(), std::back_inserter(arguments));
    m_sink.add(Severity::Error, m_sink.valueOf(element, attribute), *why, std::move(arguments));
}

} // namespace talpora::checker
