#pragma once

#include "checker/CallbackSignatures.h"

#include <cstdint>
#include <string_view>

namespace talpora::checker {

// The procedure a callback name calls: "OnButton" of "Module1.OnButton" or of
// "'Book 1.xlsm'!Module1.OnButton".
std::string_view procedureName(std::string_view callback);

// Why a procedure name cannot stand in a stub of a language.
enum class CallbackNameFault : std::uint8_t
{
    None,
    NotIdentifier, // see callbackNameFault
    Keyword,
    TooLong, // longer than longestProcedureName
};

// The rules a stub's procedure name (UTF-8) is held to, so that it is one
// name in the stub's code and nothing else: VBA, a letter, then letters,
// decimal digits and "_"; C# and VB.NET, a letter or "_", then the same, and
// not "_" alone. Letters and digits are those of Unicode, in any script. Not a
// reserved word of the language (in any letter case for VBA and VB.NET), and
// no longer than longestProcedureName characters.
CallbackNameFault callbackNameFault(std::string_view procedure, CallbackLanguage language);

// 255 for VBA, 512 for C# (the compiler's limit), 1023 for VB.NET.
std::size_t longestProcedureName(CallbackLanguage language);

} // namespace talpora::checker
