#include "checker/SchemaValidator.h"

#include "catalogue/IdentifierDistance.h"
#include "checker/AttributeValues.h"
#include "xml/Utf8View.h"

#include <algorithm>
#include <iterator>
#include <optional>

using namespace Qt::StringLiterals;

namespace talpora::checker {

namespace {

using namespace schema;

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

constexpr std::string_view customUi2006 = "http://schemas.microsoft.com/office/2006/01/customui";
constexpr std::string_view customUi2009 = "http://schemas.microsoft.com/office/2009/07/customui";

// The attributes whose value the identifier checks word along with their own
// finding about the same value.
bool namesIdentifier(std::string_view attribute)
{
    return attribute == "idMso" || attribute == "insertAfterMso" ||
           attribute == "insertBeforeMso" || attribute == "idQ" || attribute == "insertAfterQ" ||
           attribute == "insertBeforeQ";
}

bool isDeclaration(std::string_view attribute)
{
    return attribute == "xmlns" || attribute.starts_with("xmlns:");
}

// The slot of `name` at `from` or after it; else the first before it; else none.
std::optional<std::size_t> slotOf(const ElementType& type, std::string_view name, std::size_t from)
{
    for (std::size_t slot = from; slot < type.childSlots.size(); ++slot) {
        if (childIn(type.childSlots[slot], name))
            return slot;
    }
    for (std::size_t slot = 0; slot < from && slot < type.childSlots.size(); ++slot) {
        if (childIn(type.childSlots[slot], name))
            return slot;
    }
    return std::nullopt;
}

// Whether either schema has an element of this name anywhere.
bool isElementName(std::string_view name)
{
    for (const Schema* schema : {&schema2006, &schema2009}) {
        for (const ElementType& type : schema->types) {
            for (const Slot& slot : type.childSlots) {
                if (childIn(slot, name))
                    return true;
            }
        }
    }
    return name == "customUI";
}

// What a misspelt element name may have meant: the same name in another case,
// else the nearest names among `names`.
std::vector<std::string_view> nearestElementNames(std::string_view name,
                                                  const std::vector<std::string_view>& names)
{
    std::vector<std::string_view> suggestions;
    catalogue::NearestNames nearest(name, suggestionCount);
    for (const std::string_view candidate : names) {
        if (catalogue::compareIgnoringAsciiCase(candidate, name) == 0 &&
            std::find(suggestions.begin(), suggestions.end(), candidate) == suggestions.end())
            suggestions.push_back(candidate);
        nearest.consider(candidate);
    }
    return suggestions.empty() ? nearest.result() : suggestions;
}

std::vector<std::string_view> childNames(const ElementType& type)
{
    std::vector<std::string_view> names;
    for (const Slot& slot : type.childSlots) {
        for (const ChildRule& child : slot.children)
            names.push_back(child.name);
    }
    return names;
}

std::vector<std::string_view> allElementNames(const Schema& schema)
{
    std::vector<std::string_view> names;
    for (const ElementType& type : schema.types) {
        const std::vector<std::string_view> children = childNames(type);
        names.insert(names.end(), children.begin(), children.end());
    }
    return names;
}

// Text as shown in a finding: its start, with spaces other than the plain one
// and invisible characters written as escapes, so that a stray no-break
// space shows.
QString shownText(std::string_view utf8)
{
    // Enough bytes for the characters shown, cut where a character begins.
    std::size_t end = std::min<std::size_t>(utf8.size(), 160);
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        --end;
    QString text = fromUtf8View(utf8.substr(0, end));
    if (text.size() > 40)
        text = text.left(37) + u"..."_s;
    QString shown;
    for (const QChar c : text) {
        const bool invisible = (c.isSpace() && c != u' ') || c.category() == QChar::Other_Format;
        if (invisible && c.unicode() > 0x9f && c.unicode() != 0x2028 && c.unicode() != 0x2029)
            shown += u"\\u%1"_s.arg(int(c.unicode()), 4, 16, QChar(u'0'));
        else
            shown += c;
    }
    return shown;
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
    parent.saidText = false;
    if (!parent.type) {
        m_open.push_back(opened(element, nullptr, nullptr));
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
        m_slots.resize(m_open.back().firstSlot);
        m_open.pop_back();
        if (!m_open.empty())
            m_open.back().saidText = false;
    }
    --m_depth;
}

void SchemaValidator::text(const XmlText& text)
{
    if (m_open.empty() || m_open.size() != m_depth)
        return;
    Open& open = m_open.back();
    if (!open.type || open.type->text || open.saidText)
        return;
    // White space between tags is layout; anything else is text the schema
    // does not allow, a no-break space included.
    std::size_t first = 0;
    TextPosition place{text.line, text.column};
    for (; first < text.text.size() && isSchemaBlank(text.text[first]); ++first) {
        if (text.text[first] == '\n') {
            ++place.line;
            place.column = 1;
        } else {
            ++place.column;
        }
    }
    if (first == text.text.size())
        return;
    open.saidText = true;
    if (!m_sink.wouldShow()) {
        m_sink.addHidden(Severity::Error);
        return;
    }
    m_sink.add(Severity::Error, place, FindingKind::TextNotAllowed,
               {fromUtf8View(open.name), shownText(trimmed(text.text.substr(first)))});
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
    Open root = opened(element, &m_schema->types[m_schema->rootType],
                       &m_otherSchema->types[m_otherSchema->rootType]);
    checkAttributes(element, root);
    m_open.push_back(std::move(root));
}

SchemaValidator::Open SchemaValidator::opened(const XmlElementStart& element,
                                              const ElementType* type, const ElementType* shadow)
{
    Open open;
    open.type = type;
    open.shadow = shadow;
    open.name = std::string(element.name);
    open.place = PartFindings::tagStart(element);
    open.firstSlot = m_slots.size();
    m_slots.resize(m_slots.size() + slotCount(open));
    return open;
}

void SchemaValidator::startChild(const XmlElementStart& element, std::string_view namespaceUri,
                                 Open& parent)
{
    if (namespaceUri != m_schema->namespaceUri) {
        // Meant as the customUI element of its name, if the parent takes one:
        // the parent then lacks nothing for it, which would be said twice.
        if (const std::optional<std::size_t> slot =
                slotOf(*parent.type, localNameOf(element.name), 0))
            ++stateOf(parent, *slot).count;
        if (namespaceUri.empty())
            m_sink.add(Severity::Error, PartFindings::tagStart(element),
                       FindingKind::ElementInNoNamespace,
                       {fromUtf8View(element.name), fromUtf8View(m_schema->namespaceUri)});
        else
            m_sink.add(Severity::Error, PartFindings::tagStart(element),
                       FindingKind::ForeignElement,
                       {fromUtf8View(element.name), fromUtf8View(namespaceUri)});
        m_open.push_back(opened(element, nullptr, nullptr));
        return;
    }
    const std::string_view name = localNameOf(element.name);
    const ElementType* shadow =
        parent.shadow ? typeOf(*m_otherSchema, childAnywhere(*parent.shadow, name)) : nullptr;
    Open open = opened(element, acceptChild(element, parent), shadow);
    if (open.type)
        checkAttributes(element, open);
    m_open.push_back(std::move(open));
}

const ElementType* SchemaValidator::acceptChild(const XmlElementStart& element, Open& parent)
{
    const std::string_view name = localNameOf(element.name);
    const ElementType& type = *parent.type;
    const std::optional<std::size_t> found = slotOf(type, name, type.unordered ? 0 : parent.slot);
    if (!found) {
        refuseUnknownChild(element, parent);
        return nullptr;
    }
    const std::size_t slot = *found;
    const ElementType* childType = typeOf(*m_schema, childIn(type.childSlots[slot], name));
    if (type.unordered || slot >= parent.slot)
        return takeSlot(element, parent, slot) ? childType : nullptr;

    // Out of order. When the one sibling standing after the slot belongs at
    // the end (a dialogBoxLauncher first in its group), it came too early: it
    // is named, and leaves the order, so the siblings after it are not named
    // again. Otherwise this element came too late.
    std::size_t ahead = 0;
    std::optional<std::size_t> firstAhead;
    for (std::size_t later = slot + 1; later < slotCount(parent); ++later) {
        ahead += stateOf(parent, later).inOrder;
        if (!firstAhead && stateOf(parent, later).inOrder > 0)
            firstAhead = later;
    }
    SlotState& early = stateOf(parent, *firstAhead);
    const QString parentName = fromUtf8View(parent.name);
    if (ahead == 1 && *firstAhead + 1 == slotCount(parent)) {
        if (type.childSlots[*firstAhead].max == 1)
            m_sink.add(Severity::Error, early.firstPlace, FindingKind::MustBeLast,
                       {fromUtf8View(early.first), parentName});
        else
            m_sink.add(Severity::Error, early.firstPlace, FindingKind::MustComeAfter,
                       {fromUtf8View(early.first), parentName, fromUtf8View(element.name)});
        early.inOrder = 0;
        parent.slot = slot;
        return takeSlot(element, parent, slot) ? childType : nullptr;
    }
    m_sink.add(Severity::Error, PartFindings::tagStart(element), FindingKind::MustComeBefore,
               {fromUtf8View(element.name), parentName, fromUtf8View(early.first)});
    // Present, if out of place: it counts for the least and the most.
    SlotState& state = stateOf(parent, slot);
    if (state.count >= type.childSlots[slot].max)
        return nullptr;
    ++state.count;
    return childType;
}

// Takes `slot` for the element, keeping the order, unless the slot is full.
bool SchemaValidator::takeSlot(const XmlElementStart& element, Open& parent, std::size_t slot)
{
    SlotState& state = stateOf(parent, slot);
    const std::uint32_t most = parent.type->childSlots[slot].max;
    if (state.count >= most) {
        if (!parent.saidTooMany)
            m_sink.add(Severity::Error, PartFindings::tagStart(element), FindingKind::TooMany,
                       {fromUtf8View(element.name), fromUtf8View(parent.name),
                        static_cast<long long>(most)});
        parent.saidTooMany = true;
        return false;
    }
    ++state.count;
    if (state.inOrder++ == 0) {
        state.first = std::string(element.name);
        state.firstPlace = PartFindings::tagStart(element);
    }
    parent.slot = slot;
    return true;
}

void SchemaValidator::refuseUnknownChild(const XmlElementStart& element, Open& parent)
{
    const TextPosition place = PartFindings::tagStart(element);
    const QString elementName = fromUtf8View(element.name);
    const QString parentName = fromUtf8View(parent.name);
    const std::string_view name = localNameOf(element.name);
    if (parent.shadow && childAnywhere(*parent.shadow, name)) {
        m_sink.add(Severity::Error, place, FindingKind::OnlyInOtherNamespace,
                   {elementName, parentName, fromUtf8View(m_schema->shortName),
                    fromUtf8View(m_otherSchema->shortName),
                    fromUtf8View(m_otherSchema->namespaceUri)});
        return;
    }
    const std::vector<std::string_view> allowed = childNames(*parent.type);
    // A name no customUI element has is a misspelling: what was meant among
    // the elements that may stand here, which then lacks nothing for it, else
    // among all of the part's schema.
    std::vector<std::string_view> suggestions;
    if (!isElementName(name)) {
        suggestions = nearestElementNames(name, allowed);
        if (!suggestions.empty())
            ++stateOf(parent, *slotOf(*parent.type, suggestions.front(), 0)).count;
        else if (m_sink.wouldShow())
            suggestions = nearestElementNames(name, allElementNames(*m_schema));
    }
    if (!m_sink.wouldShow()) {
        m_sink.addHidden(Severity::Error);
        return;
    }
    std::vector<FindingHint> hints;
    if (!suggestions.empty()) {
        NameList meant{{}, NameListForm::TagAlternatives};
        for (const std::string_view suggestion : suggestions)
            addOnce(meant, suggestion);
        hints.push_back({HintKind::DidYouMean, {std::move(meant)}});
    }
    if (allowed.empty()) {
        m_sink.add(Severity::Error, place, FindingKind::NotAllowedInEmpty,
                   {elementName, parentName}, std::move(hints));
        return;
    }
    NameList names{{}, NameListForm::TagAlternatives};
    for (const std::string_view child : allowed)
        addOnce(names, child);
    m_sink.add(Severity::Error, place, FindingKind::NotAllowed,
               {elementName, parentName, std::move(names)}, std::move(hints));
}

void SchemaValidator::checkChildrenComplete(const Open& open)
{
    if (!open.type)
        return;
    const ElementType& type = *open.type;
    for (std::size_t slot = 0; slot < type.childSlots.size(); ++slot) {
        const std::uint32_t least = type.childSlots[slot].min;
        if (m_slots[open.firstSlot + slot].count >= least)
            continue;
        NameList names{{}, NameListForm::TagAlternatives};
        for (const ChildRule& child : type.childSlots[slot].children)
            names.names.append(fromUtf8View(child.name));
        if (least == 1)
            m_sink.add(Severity::Error, open.place, FindingKind::TooFewOfOne,
                       {fromUtf8View(open.name), std::move(names)});
        else
            m_sink.add(Severity::Error, open.place, FindingKind::TooFew,
                       {fromUtf8View(open.name), static_cast<long long>(least), std::move(names)});
    }
}

const SchemaValidator::TypeRules& SchemaValidator::rulesOf(const ElementType& type)
{
    const auto [entry, added] = m_typeRules.try_emplace(&type);
    if (!added)
        return entry->second;
    const auto indexOf = [&](const AttributeRule& rule) {
        return static_cast<std::size_t>(&rule - type.attributes.data());
    };
    for (const AttributeRule& rule : type.attributes) {
        if (rule.required)
            entry->second.required.push_back(indexOf(rule));
        if (const AttributeRule* getter =
                rule.getter.empty() ? nullptr : attributeOf(type, rule.getter))
            entry->second.pairs.emplace_back(indexOf(rule), indexOf(*getter));
    }
    return entry->second;
}

void SchemaValidator::checkAttributes(const XmlElementStart& element, const Open& open)
{
    const ElementType& type = *open.type;
    // Which attribute of the element each of the type's attributes is, so that
    // pairs and required ones are found without searching the element again.
    m_present.assign(type.attributes.size(), nullptr);
    for (const XmlAttribute& attribute : element.attributes) {
        if (isDeclaration(attribute.name))
            continue;
        if (attribute.name.find(':') != std::string_view::npos) {
            checkPrefixedAttribute(element, attribute, open);
            continue;
        }
        if (const AttributeRule* rule = attributeOf(type, attribute.name)) {
            m_present[static_cast<std::size_t>(rule - type.attributes.data())] = &attribute;
            checkValue(element, attribute, *rule);
            continue;
        }
        checkUnknownAttribute(element, attribute, open);
    }
    const TypeRules& rules = rulesOf(type);
    for (const std::size_t required : rules.required) {
        if (!m_present[required])
            m_sink.add(Severity::Error, PartFindings::tagStart(element),
                       FindingKind::MissingAttribute,
                       {fromUtf8View(element.name), fromUtf8View(type.attributes[required].name)});
    }
    for (const auto& [staticIndex, getterIndex] : rules.pairs) {
        const XmlAttribute* attribute = m_present[staticIndex];
        const XmlAttribute* getter = m_present[getterIndex];
        if (!attribute || !getter)
            continue;
        // Pointed at where the second of the two stands: that is where the clash is.
        m_sink.add(Severity::Error, m_sink.nameOf(element, *std::max(attribute, getter)),
                   FindingKind::StaticBesideCallback,
                   {fromUtf8View(element.name), fromUtf8View(attribute->name),
                    fromUtf8View(type.attributes[staticIndex].getter)});
    }
}

// The schema's attributes are unqualified: a prefix bound to a customUI
// namespace is one too many, any other names no attribute of the schema.
void SchemaValidator::checkPrefixedAttribute(const XmlElementStart& element,
                                             const XmlAttribute& attribute, const Open& open)
{
    const ElementType& type = *open.type;
    // The reader refuses a prefix that is not declared.
    const std::string_view uri =
        element.namespaces ? element.namespaces->uriOfName(attribute.name) : std::string_view();
    const std::string_view name = localNameOf(attribute.name);
    if (uri != customUi2006 && uri != customUi2009) {
        m_sink.add(Severity::Error, m_sink.nameOf(element, attribute),
                   FindingKind::ForeignAttribute,
                   {fromUtf8View(attribute.name), fromUtf8View(element.name), fromUtf8View(uri)});
        return;
    }
    const AttributeRule* rule = attributeOf(type, name);
    if (!rule) {
        checkUnknownAttribute(element, attribute, open);
        return;
    }
    m_sink.add(Severity::Error, m_sink.nameOf(element, attribute), FindingKind::PrefixedAttribute,
               {fromUtf8View(attribute.name), fromUtf8View(name)});
    // Meant as the attribute it names: it needs no second finding for being
    // missing, and its value is held to its type.
    const auto index = static_cast<std::size_t>(rule - type.attributes.data());
    if (!m_present[index])
        m_present[index] = &attribute;
    checkValue(element, attribute, *rule);
}

void SchemaValidator::checkUnknownAttribute(const XmlElementStart& element,
                                            const XmlAttribute& attribute, const Open& open)
{
    if (!m_sink.wouldShow()) {
        m_sink.addHidden(Severity::Error);
        return;
    }
    const TextPosition place = m_sink.nameOf(element, attribute);
    const std::string_view name = localNameOf(attribute.name);
    if (open.shadow && attributeOf(*open.shadow, name)) {
        m_sink.add(Severity::Error, place, FindingKind::AttributeOnlyInOtherNamespace,
                   {fromUtf8View(attribute.name), fromUtf8View(element.name),
                    fromUtf8View(m_schema->shortName), fromUtf8View(m_otherSchema->shortName),
                    fromUtf8View(m_otherSchema->namespaceUri)});
        return;
    }
    // The name in another case is what was meant; else the nearest names.
    NameList suggestions{{}, NameListForm::QuotedAlternatives};
    catalogue::NearestNames nearest(name, suggestionCount);
    for (const AttributeRule& rule : open.type->attributes) {
        if (catalogue::compareIgnoringAsciiCase(rule.name, name) == 0)
            suggestions.names.append(fromUtf8View(rule.name));
        nearest.consider(rule.name);
    }
    if (suggestions.names.isEmpty()) {
        for (const std::string_view suggestion : nearest.result())
            suggestions.names.append(fromUtf8View(suggestion));
    }
    std::vector<FindingHint> hints;
    if (!suggestions.names.isEmpty())
        hints.push_back({HintKind::DidYouMean, {std::move(suggestions)}});
    m_sink.add(Severity::Error, place, FindingKind::UnknownAttribute,
               {fromUtf8View(attribute.name), fromUtf8View(element.name)}, std::move(hints));
}

void SchemaValidator::checkValue(const XmlElementStart& element, const XmlAttribute& attribute,
                                 const AttributeRule& rule)
{
    const std::string_view value = attribute.value;
    std::optional<ValueFault> fault = valueFault(valueTypes[rule.valueType], value);
    if (!fault)
        return;
    const bool handedOver = namesIdentifier(attribute.name);
    if (!handedOver && !m_sink.wouldShow()) {
        m_sink.addHidden(Severity::Error);
        return;
    }
    // A value may be megabytes long: the finding shows its start, which lies
    // in its first 41 characters of at most 4 bytes each; only those are copied.
    QString shown = fromUtf8View(value.substr(0, 164));
    if (shown.size() > 40)
        shown = shown.left(37) + u"..."_s;
    MessageArguments arguments{fromUtf8View(attribute.name), std::move(shown)};
    std::move(fault->arguments.begin(), fault->arguments.end(), std::back_inserter(arguments));
    const TextPosition place = m_sink.valueOf(element, attribute);
    if (handedOver) {
        m_sink.addValueFault(attribute, place, fault->kind, std::move(arguments));
        return;
    }
    m_sink.add(Severity::Error, place, fault->kind, std::move(arguments));
}

} // namespace talpora::checker
