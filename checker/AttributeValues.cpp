#include "checker/AttributeValues.h"

#include "xml/Utf8View.h"

#include <algorithm>
#include <string>
#include <tuple>

namespace talpora::checker {

using namespace schema;

bool isSchemaBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view trimmed(std::string_view value)
{
    while (!value.empty() && isSchemaBlank(value.front()))
        value.remove_prefix(1);
    while (!value.empty() && isSchemaBlank(value.back()))
        value.remove_suffix(1);
    return value;
}

namespace {

constexpr std::uint32_t unbounded = 0xFFFFFFFF;

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
        if (isSchemaBlank(c)) {
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

std::optional<ValueFault> valueFault(const ValueType& type, std::string_view value)
{
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
        return std::nullopt;
    return ValueFault{*why, std::move(ruleArguments)};
}

} // namespace talpora::checker
