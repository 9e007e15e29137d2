#pragma once

#include "checker/CustomUiSchema.h"
#include "checker/Finding.h"

#include <optional>
#include <string_view>

namespace talpora::checker {

// A value outside its attribute's type: which rule it breaks, and what the
// finding says after the attribute and the value (the allowed values, the
// range, the lengths).
struct ValueFault
{
    FindingKind kind;
    MessageArguments arguments;
};

// The value of an attribute held to its type, as the customUI schemas read
// it: blanks around a name, a number or a flag do not count, a token's runs
// of blanks count as one; lengths are in characters. nullopt when it fits.
std::optional<ValueFault> valueFault(const schema::ValueType& type, std::string_view value);

// White space as XML and the schemas know it: space, tab, line feed, return.
bool isSchemaBlank(char c);
// The value without the white space around it.
std::string_view trimmed(std::string_view value);

} // namespace talpora::checker
