#pragma once

#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

namespace talpora::checker {

// How the names of a list are shown and joined. Quotes and the words that
// join them belong to a language, so the texts table supplies both.
enum class NameListForm
{
    QuotedAlternatives, // "A", "B" or "C"
    TagAlternatives,    // <a>, <b> or <c>
    QuotedConjunction,  // "A" and "B" and "C"
    Series              // A, B, C
};

struct NameList
{
    QStringList names;
    NameListForm form = NameListForm::Series;
};

// One argument of a finding, a note or a package error: a name or value read
// from the file, a number, or a list of names. Never a sentence: the texts
// table words everything around it.
using MessageArgument = std::variant<QString, long long, NameList>;
using MessageArguments = std::vector<MessageArgument>;

} // namespace talpora::checker
