#include "checker/CallbackSignatures.h"

#include "checker/CustomUiSchema.h"

#include <algorithm>
#include <vector>

namespace talpora::checker {

namespace {

using T = CallbackType;

constexpr CallbackParameter control{"control", T::Control};
constexpr CallbackParameter index{"index", T::Integer};

constexpr CallbackSignature taking(CallbackParameter first, CallbackParameter second = {},
                                   CallbackParameter third = {})
{
    return {{first, second, third}, T::None, {}};
}

constexpr CallbackSignature returning(T result, std::string_view name)
{
    return {{control, {}, {}}, result, name};
}

constexpr CallbackSignature returningItem(T result, std::string_view name)
{
    return {{control, index, {}}, result, name};
}

constexpr std::string_view toggles[] = {"checkBox", "toggleButton"};
constexpr std::string_view choosing[] = {"dropDown", "gallery", "radioGroup"};
constexpr std::string_view commands[] = {"command"};

constexpr CallbackSignature buttonAction = taking(control);
constexpr CallbackSignature pressedAction = taking(control, {"pressed", T::Boolean});
constexpr CallbackSignature selectionAction =
    taking(control, {"selectedId", T::String}, {"selectedIndex", T::Integer});
constexpr CallbackSignature repurposedAction = taking(control, {"cancelDefault", T::Boolean, true});
constexpr CallbackSignature repurposedToggleAction =
    taking(control, {"pressed", T::Boolean}, {"cancelDefault", T::Boolean, true});
constexpr CallbackSignature contextAction = taking({"contextObject", T::Object});

// The signature of each callback attribute as Microsoft documents it; the
// schemas say which elements take the attribute. A rule that names elements
// wins over the attribute's rule for every other element.
struct SignatureRule
{
    std::string_view attribute;
    std::span<const std::string_view> elements; // empty: every other element
    CallbackSignature signature;
};

constexpr SignatureRule rules[] = {
    {"onAction", toggles, pressedAction},
    {"onAction", choosing, selectionAction},
    {"onAction", commands, repurposedAction},
    {"onAction", {}, buttonAction},
    {"onChange", {}, taking(control, {"text", T::String})},
    {"onLoad", {}, taking({"ribbon", T::Ribbon})},
    {"loadImage", {}, {{{"imageId", T::String}, {}, {}}, T::Picture, "image"}},
    {"onShow", {}, contextAction},
    {"onHide", {}, contextAction},
    {"getLabel", {}, returning(T::String, "label")},
    {"getKeytip", {}, returning(T::String, "keytip")},
    {"getScreentip", {}, returning(T::String, "screentip")},
    {"getSupertip", {}, returning(T::String, "supertip")},
    {"getDescription", {}, returning(T::String, "description")},
    {"getTitle", {}, returning(T::String, "title")},
    {"getHelperText", {}, returning(T::String, "helperText")},
    {"getTarget", {}, returning(T::String, "target")},
    {"getAltText", {}, returning(T::String, "altText")},
    {"getText", {}, returning(T::String, "text")},
    {"getContent", {}, returning(T::String, "content")},
    {"getSelectedItemID", {}, returning(T::String, "id")},
    {"getEnabled", {}, returning(T::Boolean, "enabled")},
    {"getVisible", {}, returning(T::Boolean, "visible")},
    {"getShowImage", {}, returning(T::Boolean, "showImage")},
    {"getShowLabel", {}, returning(T::Boolean, "showLabel")},
    {"getPressed", {}, returning(T::Boolean, "pressed")},
    {"getImage", {}, returning(T::Picture, "image")},
    {"getSize", {}, returning(T::Size, "size")},
    {"getStyle", {}, returning(T::GroupStyle, "style")},
    {"getItemCount", {}, returning(T::Integer, "count")},
    {"getItemHeight", {}, returning(T::Integer, "height")},
    {"getItemWidth", {}, returning(T::Integer, "width")},
    {"getSelectedItemIndex", {}, returning(T::Integer, "index")},
    {"getItemID", {}, returningItem(T::String, "id")},
    {"getItemLabel", {}, returningItem(T::String, "label")},
    {"getItemScreentip", {}, returningItem(T::String, "screentip")},
    {"getItemSupertip", {}, returningItem(T::String, "supertip")},
    {"getItemImage", {}, returningItem(T::Picture, "image")},
};

bool contains(std::span<const std::string_view> names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

void addCallbacksOf(std::string_view element, const schema::ElementType& type,
                    std::vector<CallbackAttribute>& pairs)
{
    for (const schema::AttributeRule& attribute : type.attributes) {
        if (attribute.callback)
            pairs.push_back({element, attribute.name});
    }
}

// Every element name of both schemas with the callback attributes of each
// type it has anywhere, sorted and each pair once.
std::vector<CallbackAttribute> collectSchemaCallbacks()
{
    std::vector<CallbackAttribute> pairs;
    for (const schema::Schema* schema : {&schema::schema2006, &schema::schema2009}) {
        addCallbacksOf("customUI", schema->types[schema->rootType], pairs);
        for (const schema::ElementType& type : schema->types) {
            for (const schema::Slot& slot : type.childSlots) {
                for (const schema::ChildRule& child : slot.children)
                    addCallbacksOf(child.name, schema->types[child.elementType], pairs);
            }
        }
    }
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    return pairs;
}

struct TypeNames
{
    std::string_view vb; // VBA and VB.NET
    std::string_view cs;
};

TypeNames namesOf(CallbackType type)
{
    switch (type) {
    case T::Control:
        return {"IRibbonControl", "IRibbonControl"};
    case T::Ribbon:
        return {"IRibbonUI", "IRibbonUI"};
    case T::Object:
        return {"Object", "object"};
    case T::String:
        return {"String", "string"};
    case T::Integer:
        return {"Integer", "int"};
    case T::Boolean:
        return {"Boolean", "bool"};
    case T::Picture:
        return {"IPictureDisp", "IPictureDisp"};
    case T::Size:
        return {"RibbonControlSize", "RibbonControlSize"};
    case T::GroupStyle:
        return {"BackstageGroupStyle", "BackstageGroupStyle"};
    case T::None:
        break;
    }
    return {"", "void"};
}

std::string parameterText(const CallbackParameter& parameter, CallbackLanguage language)
{
    const TypeNames names = namesOf(parameter.type);
    std::string text;
    if (language == CallbackLanguage::CSharp)
        return text.append(parameter.byRef ? "ref " : "")
            .append(names.cs)
            .append(" ")
            .append(parameter.name);
    if (parameter.byRef) {
        text = "ByRef ";
        // VBA leaves the type of the value it hands back open (a Variant).
        if (language == CallbackLanguage::Vba)
            return text.append(parameter.name);
    }
    return text.append(parameter.name).append(" As ").append(names.vb);
}

} // namespace

std::optional<CallbackLanguage> callbackLanguageFromName(std::string_view name)
{
    if (name == "vba")
        return CallbackLanguage::Vba;
    if (name == "csharp")
        return CallbackLanguage::CSharp;
    if (name == "vbnet")
        return CallbackLanguage::VbNet;
    return std::nullopt;
}

std::size_t CallbackSignature::parameterCount() const
{
    return static_cast<std::size_t>(
        std::find_if(std::begin(parameters), std::end(parameters),
                     [](const CallbackParameter& p) { return p.type == T::None; }) -
        std::begin(parameters));
}

bool CallbackSignature::operator==(const CallbackSignature& other) const
{
    for (std::size_t i = 0; i < std::size(parameters); ++i) {
        const CallbackParameter &a = parameters[i], &b = other.parameters[i];
        if (a.name != b.name || a.type != b.type || a.byRef != b.byRef)
            return false;
    }
    return result == other.result && resultName == other.resultName;
}

std::span<const CallbackAttribute> schemaCallbacks()
{
    static const std::vector<CallbackAttribute> pairs = collectSchemaCallbacks();
    return pairs;
}

std::optional<CallbackSignature> callbackSignature(std::string_view element,
                                                   std::string_view attribute, bool toggleCommand)
{
    const std::span<const CallbackAttribute> known = schemaCallbacks();
    if (!std::binary_search(known.begin(), known.end(), CallbackAttribute{element, attribute}))
        return std::nullopt;
    if (toggleCommand && element == "command" && attribute == "onAction")
        return repurposedToggleAction;
    const SignatureRule* fallback = nullptr;
    for (const SignatureRule& rule : rules) {
        if (rule.attribute != attribute)
            continue;
        if (contains(rule.elements, element))
            return rule.signature;
        if (rule.elements.empty())
            fallback = &rule;
    }
    if (fallback)
        return fallback->signature;
    return std::nullopt;
}

std::string signatureLine(const CallbackSignature& signature, std::string_view name,
                          CallbackLanguage language)
{
    const bool returns = signature.result != T::None;
    std::string line;
    if (language == CallbackLanguage::Vba)
        line = "Sub ";
    else if (language == CallbackLanguage::CSharp)
        line.append("public ").append(namesOf(signature.result).cs).append(" ");
    else
        line = returns ? "Public Function " : "Public Sub ";
    line.append(name).append("(");
    for (std::size_t i = 0; i < signature.parameterCount(); ++i)
        line.append(i ? ", " : "").append(parameterText(signature.parameters[i], language));
    if (language == CallbackLanguage::Vba && returns)
        line.append(", ByRef ").append(signature.resultName);
    line.append(")");
    if (language == CallbackLanguage::VbNet && returns)
        line.append(" As ").append(namesOf(signature.result).vb);
    return line;
}

std::string stubText(const CallbackSignature& signature, std::string_view name,
                     CallbackLanguage language)
{
    const bool returns = signature.result != T::None;
    std::string text = signatureLine(signature, name, language) + "\n";
    switch (language) {
    case CallbackLanguage::Vba:
        return text + "End Sub\n";
    case CallbackLanguage::CSharp:
        return text + (returns ? "{\n    return default;\n}\n" : "{\n}\n");
    case CallbackLanguage::VbNet:
        return text + (returns ? "    Return Nothing\nEnd Function\n" : "End Sub\n");
    }
    return text;
}

} // namespace talpora::checker
