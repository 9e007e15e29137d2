#include "checker/CallbackNames.h"

#include <QChar>
#include <QList>
#include <QString>
#include <algorithm>
#include <cctype>

namespace talpora::checker {

namespace {

// Reserved identifiers of VBA: statements, markers, operators, types,
// literals and the names the language reserves for its own functions.
constexpr std::string_view vbaKeywords[] = {
    "abs",        "addressof", "and",     "any",        "array",      "as",      "attribute",
    "boolean",    "byref",     "byte",    "byval",      "call",       "case",    "cbool",
    "cbyte",      "ccur",      "cdate",   "cdbl",       "cdec",       "cint",    "circle",
    "clng",       "clnglng",   "clngptr", "close",      "const",      "csng",    "cstr",
    "currency",   "cvar",      "cverr",   "date",       "debug",      "declare", "defbool",
    "defbyte",    "defcur",    "defdate", "defdbl",     "defint",     "deflng",  "deflnglng",
    "deflngptr",  "defobj",    "defsng",  "defstr",     "defvar",     "dim",     "do",
    "doevents",   "double",    "each",    "else",       "elseif",     "empty",   "end",
    "endif",      "enum",      "eqv",     "erase",      "error",      "event",   "exit",
    "false",      "fix",       "for",     "friend",     "function",   "get",     "global",
    "gosub",      "goto",      "if",      "imp",        "implements", "in",      "input",
    "inputb",     "int",       "integer", "is",         "lbound",     "len",     "lenb",
    "let",        "like",      "lock",    "long",       "longlong",   "longptr", "loop",
    "lset",       "me",        "mod",     "new",        "next",       "not",     "nothing",
    "null",       "on",        "open",    "option",     "optional",   "or",      "paramarray",
    "preserve",   "print",     "private", "property",   "pset",       "public",  "put",
    "raiseevent", "redim",     "rem",     "resume",     "return",     "rset",    "scale",
    "seek",       "select",    "set",     "sgn",        "shared",     "single",  "spc",
    "static",     "stop",      "string",  "sub",        "tab",        "then",    "to",
    "true",       "type",      "typeof",  "ubound",     "unlock",     "until",   "variant",
    "wend",       "while",     "with",    "withevents", "write",      "xor"};

constexpr std::string_view csharpKeywords[] = {
    "abstract", "as",         "base",    "bool",     "break",     "byte",     "case",
    "catch",    "char",       "checked", "class",    "const",     "continue", "decimal",
    "default",  "delegate",   "do",      "double",   "else",      "enum",     "event",
    "explicit", "extern",     "false",   "finally",  "fixed",     "float",    "for",
    "foreach",  "goto",       "if",      "implicit", "in",        "int",      "interface",
    "internal", "is",         "lock",    "long",     "namespace", "new",      "null",
    "object",   "operator",   "out",     "override", "params",    "private",  "protected",
    "public",   "readonly",   "ref",     "return",   "sbyte",     "sealed",   "short",
    "sizeof",   "stackalloc", "static",  "string",   "struct",    "switch",   "this",
    "throw",    "true",       "try",     "typeof",   "uint",      "ulong",    "unchecked",
    "unsafe",   "ushort",     "using",   "virtual",  "void",      "volatile", "while"};

// clang-format off
constexpr std::string_view vbnetKeywords[] = {
    "addhandler", "addressof", "alias", "and", "andalso", "as", "boolean", "byref", "byte", "byval",
    "call", "case", "catch", "cbool", "cbyte", "cchar", "cdate", "cdbl", "cdec", "char", "cint",
    "class", "clng", "cobj", "const", "continue", "csbyte", "cshort", "csng", "cstr", "ctype",
    "cuint", "culng", "cushort", "date", "decimal", "declare", "default", "delegate", "dim",
    "directcast", "do", "double", "each", "else", "elseif", "end", "endif", "enum", "erase",
    "error", "event", "exit", "false", "finally", "for", "friend", "function", "get", "gettype",
    "getxmlnamespace", "global", "gosub", "goto", "handles", "if", "implements", "imports", "in",
    "inherits", "integer", "interface", "is", "isnot", "let", "lib", "like", "long", "loop", "me",
    "mod", "module", "mustinherit", "mustoverride", "mybase", "myclass", "nameof", "namespace",
    "narrowing", "new", "next", "not", "nothing", "notinheritable", "notoverridable", "object",
    "of", "on", "operator", "option", "optional", "or", "orelse", "out", "overloads", "overridable",
    "overrides", "paramarray", "partial", "private", "property", "protected", "public",
    "raiseevent", "readonly", "redim", "rem", "removehandler", "resume", "return", "sbyte",
    "select", "set", "shadows", "shared", "short", "single", "static", "step", "stop", "string",
    "structure", "sub", "synclock", "then", "throw", "to", "true", "try", "trycast", "typeof",
    "uinteger", "ulong", "ushort", "using", "variant", "wend", "when", "while", "widening", "with",
    "withevents", "writeonly", "xor"};
// clang-format on

bool isKeyword(std::string_view name, CallbackLanguage language)
{
    if (language == CallbackLanguage::CSharp)
        return std::find(std::begin(csharpKeywords), std::end(csharpKeywords), name) !=
               std::end(csharpKeywords);
    // VBA and VB.NET take keywords in any letter case; keywords are ASCII.
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto& keywords = language == CallbackLanguage::Vba
                               ? std::span<const std::string_view>(vbaKeywords)
                               : std::span<const std::string_view>(vbnetKeywords);
    return std::find(keywords.begin(), keywords.end(), lower) != keywords.end();
}

} // namespace

std::string_view procedureName(std::string_view callback)
{
    const std::size_t dot = callback.find_last_of(".!");
    return dot == std::string_view::npos ? callback : callback.substr(dot + 1);
}

std::size_t longestProcedureName(CallbackLanguage language)
{
    switch (language) {
    case CallbackLanguage::Vba:
        return 255;
    case CallbackLanguage::CSharp:
        return 512;
    case CallbackLanguage::VbNet:
        break;
    }
    return 1023;
}

CallbackNameFault callbackNameFault(std::string_view procedure, CallbackLanguage language)
{
    const QString name =
        QString::fromUtf8(procedure.data(), static_cast<qsizetype>(procedure.size()));
    const QList<uint> characters = name.toUcs4();
    if (characters.isEmpty())
        return CallbackNameFault::NotIdentifier;
    const bool underscoreFirst = language != CallbackLanguage::Vba;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const char32_t c = characters[i];
        const bool first = i == 0;
        if (QChar::isLetter(c))
            continue;
        if (c == U'_' ? first && !underscoreFirst : first || !QChar::isDigit(c))
            return CallbackNameFault::NotIdentifier;
    }
    if (characters.size() == 1 && characters[0] == U'_')
        return CallbackNameFault::NotIdentifier;
    if (isKeyword(procedure, language))
        return CallbackNameFault::Keyword;
    if (static_cast<std::size_t>(characters.size()) > longestProcedureName(language))
        return CallbackNameFault::TooLong;
    return CallbackNameFault::None;
}

} // namespace talpora::checker
