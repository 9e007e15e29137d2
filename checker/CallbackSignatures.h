#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace talpora::checker {

// The languages Office calls customUI callbacks in.
enum class CallbackLanguage : std::uint8_t
{
    Vba,
    CSharp,
    VbNet
};

// "vba", "csharp", "vbnet"; nullopt for anything else.
std::optional<CallbackLanguage> callbackLanguageFromName(std::string_view name);

// What a callback receives and returns, as Microsoft documents it for the
// attribute on its element.
enum class CallbackType : std::uint8_t
{
    None,
    Control, // IRibbonControl
    Ribbon,  // IRibbonUI
    Object,  // the Backstage context object
    String,
    Integer,
    Boolean,
    Picture,    // IPictureDisp
    Size,       // RibbonControlSize
    GroupStyle, // BackstageGroupStyle
};

struct CallbackParameter
{
    std::string_view name;
    CallbackType type = CallbackType::None;
    bool byRef = false; // the callee sets it: cancelDefault of a repurposed command
};

struct CallbackSignature
{
    CallbackParameter parameters[3];
    CallbackType result = CallbackType::None;
    std::string_view resultName; // VBA returns through a last ByRef parameter of this name

    std::size_t parameterCount() const;
    bool operator==(const CallbackSignature& other) const;
};

// An element (local name) and a callback attribute it takes.
struct CallbackAttribute
{
    std::string_view element;
    std::string_view attribute;

    auto operator<=>(const CallbackAttribute&) const = default;
};

// Every callback attribute of every customUI element as Microsoft's two
// schemas have them (an attribute of the schemas' delegate type), sorted.
std::span<const CallbackAttribute> schemaCallbacks();

// The signature of `attribute` on `element` (local names), as Microsoft
// documents it; nullopt when the schemas have no such callback there. `toggleCommand`: the element
// is a <command> that repurposes a built-in toggle button or check box, whose onAction also
// receives the pressed state.
std::optional<CallbackSignature>
callbackSignature(std::string_view element, std::string_view attribute, bool toggleCommand = false);

// The first line of the callback `name` in `language`
// ("Sub OnButton(control As IRibbonControl)").
std::string signatureLine(const CallbackSignature& signature, std::string_view name,
                          CallbackLanguage language);

// A stub that compiles: the signature line, an empty body and its end.
std::string stubText(const CallbackSignature& signature, std::string_view name,
                     CallbackLanguage language);

} // namespace talpora::checker
