#include "checker/CallbackSignatures.h"

#include <algorithm>
#include <array>

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

// Which elements take each callback attribute, after Microsoft's two customUI
// schemas (Ribbon, context menus, Backstage).
constexpr std::string_view labelled[] = {
    "button",      "category",     "checkBox", "comboBox",      "control",     "dropDown",
    "dynamicMenu", "editBox",      "gallery",  "group",         "groupBox",    "hyperlink",
    "item",        "labelControl", "menu",     "menuGroup",     "radioButton", "radioGroup",
    "splitButton", "tab",          "task",     "taskFormGroup", "taskGroup",   "toggleButton"};
constexpr std::string_view keytips[] = {
    "button",     "checkBox",    "comboBox", "control",   "dropDown",     "dynamicMenu",
    "editBox",    "gallery",     "group",    "hyperlink", "labelControl", "menu",
    "radioGroup", "splitButton", "tab",      "task",      "toggleButton"};
constexpr std::string_view tipped[] = {
    "button",  "checkBox", "comboBox",  "control",      "dropDown", "dynamicMenu", "editBox",
    "gallery", "group",    "hyperlink", "labelControl", "menu",     "splitButton", "toggleButton"};
constexpr std::string_view described[] = {"button",  "checkBox", "control", "dynamicMenu",
                                          "gallery", "menu",     "task",    "toggleButton"};
constexpr std::string_view titled[] = {"menu", "menuSeparator", "tab"};
constexpr std::string_view helped[] = {"group", "taskFormGroup", "taskGroup"};
constexpr std::string_view hyperlinks[] = {"hyperlink"};
constexpr std::string_view imageControls[] = {"imageControl"};
constexpr std::string_view texts[] = {"comboBox", "editBox"};
constexpr std::string_view dynamicMenus[] = {"dynamicMenu"};
constexpr std::string_view selecting[] = {"dropDown", "gallery"};
constexpr std::string_view enabled[] = {
    "button",      "checkBox",   "comboBox",    "command",   "control",      "dropDown",
    "dynamicMenu", "editBox",    "gallery",     "hyperlink", "imageControl", "labelControl",
    "menu",        "radioGroup", "splitButton", "tab",       "task",         "toggleButton"};
constexpr std::string_view visible[] = {
    "box",      "button",     "buttonGroup",   "category",     "checkBox",
    "comboBox", "control",    "dropDown",      "dynamicMenu",  "editBox",
    "gallery",  "group",      "hyperlink",     "imageControl", "labelControl",
    "menu",     "radioGroup", "separator",     "splitButton",  "tab",
    "tabSet",   "task",       "taskFormGroup", "taskGroup",    "toggleButton"};
constexpr std::string_view showingImages[] = {
    "button",  "checkBox", "comboBox",     "control", "dropDown",    "dynamicMenu",
    "editBox", "gallery",  "labelControl", "menu",    "splitButton", "toggleButton"};
constexpr std::string_view showingLabels[] = {
    "button",      "checkBox",    "comboBox",      "control",   "dropDown",
    "dynamicMenu", "editBox",     "gallery",       "group",     "labelControl",
    "menu",        "splitButton", "taskFormGroup", "taskGroup", "toggleButton"};
constexpr std::string_view toggles[] = {"checkBox", "toggleButton"};
constexpr std::string_view imaged[] = {"button",   "checkBox",    "comboBox",     "control",
                                       "dropDown", "dynamicMenu", "editBox",      "gallery",
                                       "group",    "hyperlink",   "imageControl", "labelControl",
                                       "menu",     "splitButton", "task",         "toggleButton"};
constexpr std::string_view sized[] = {"button", "control",     "dynamicMenu", "gallery",
                                      "menu",   "splitButton", "toggleButton"};
constexpr std::string_view groups[] = {"group"};
constexpr std::string_view lists[] = {"comboBox", "dropDown", "gallery", "radioGroup"};
constexpr std::string_view galleries[] = {"gallery"};
constexpr std::string_view choosing[] = {"dropDown", "gallery", "radioGroup"};
constexpr std::string_view pictureLists[] = {"comboBox", "dropDown", "gallery"};
constexpr std::string_view clicked[] = {"button", "control", "hyperlink", "task"};
constexpr std::string_view commands[] = {"command"};
constexpr std::string_view roots[] = {"customUI"};
constexpr std::string_view backstages[] = {"backstage"};

constexpr CallbackSignature buttonAction = taking(control);
constexpr CallbackSignature pressedAction = taking(control, {"pressed", T::Boolean});
constexpr CallbackSignature selectionAction =
    taking(control, {"selectedId", T::String}, {"selectedIndex", T::Integer});
constexpr CallbackSignature repurposedAction = taking(control, {"cancelDefault", T::Boolean, true});
constexpr CallbackSignature repurposedToggleAction =
    taking(control, {"pressed", T::Boolean}, {"cancelDefault", T::Boolean, true});
constexpr CallbackSignature contextAction = taking({"contextObject", T::Object});

constexpr std::array<CallbackUse, 38> uses = {{
    {"onAction", clicked, buttonAction},
    {"onAction", toggles, pressedAction},
    {"onAction", choosing, selectionAction},
    {"onAction", commands, repurposedAction},
    {"onChange", texts, taking(control, {"text", T::String})},
    {"onLoad", roots, taking({"ribbon", T::Ribbon})},
    {"loadImage", roots, {{{"imageId", T::String}, {}, {}}, T::Picture, "image"}},
    {"onShow", backstages, contextAction},
    {"onHide", backstages, contextAction},
    {"getLabel", labelled, returning(T::String, "label")},
    {"getKeytip", keytips, returning(T::String, "keytip")},
    {"getScreentip", tipped, returning(T::String, "screentip")},
    {"getSupertip", tipped, returning(T::String, "supertip")},
    {"getDescription", described, returning(T::String, "description")},
    {"getTitle", titled, returning(T::String, "title")},
    {"getHelperText", helped, returning(T::String, "helperText")},
    {"getTarget", hyperlinks, returning(T::String, "target")},
    {"getAltText", imageControls, returning(T::String, "altText")},
    {"getText", texts, returning(T::String, "text")},
    {"getContent", dynamicMenus, returning(T::String, "content")},
    {"getSelectedItemID", selecting, returning(T::String, "id")},
    {"getEnabled", enabled, returning(T::Boolean, "enabled")},
    {"getVisible", visible, returning(T::Boolean, "visible")},
    {"getShowImage", showingImages, returning(T::Boolean, "showImage")},
    {"getShowLabel", showingLabels, returning(T::Boolean, "showLabel")},
    {"getPressed", toggles, returning(T::Boolean, "pressed")},
    {"getImage", imaged, returning(T::Picture, "image")},
    {"getSize", sized, returning(T::Size, "size")},
    {"getStyle", groups, returning(T::GroupStyle, "style")},
    {"getItemCount", lists, returning(T::Integer, "count")},
    {"getItemHeight", galleries, returning(T::Integer, "height")},
    {"getItemWidth", galleries, returning(T::Integer, "width")},
    {"getSelectedItemIndex", choosing, returning(T::Integer, "index")},
    {"getItemID", lists, returningItem(T::String, "id")},
    {"getItemLabel", lists, returningItem(T::String, "label")},
    {"getItemScreentip", pictureLists, returningItem(T::String, "screentip")},
    {"getItemSupertip", pictureLists, returningItem(T::String, "supertip")},
    {"getItemImage", pictureLists, returningItem(T::Picture, "image")},
}};

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

std::span<const CallbackUse> callbackUses()
{
    return uses;
}

std::optional<CallbackSignature> callbackSignature(std::string_view element,
                                                   std::string_view attribute, bool toggleCommand)
{
    if (toggleCommand && element == "command" && attribute == "onAction")
        return repurposedToggleAction;
    for (const CallbackUse& use : callbackUses()) {
        if (use.attribute == attribute &&
            std::find(use.elements.begin(), use.elements.end(), element) != use.elements.end())
            return use.signature;
    }
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
