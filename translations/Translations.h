#pragma once

#include "translations/InterfaceLanguage.h"

#include <QStringList>

namespace talpora {

// Makes the running program speak `language`: installs the translation of
// each catalogue ("talpora", "qtbase" for Qt's own dialogs and buttons) that
// the program carries as ":/translations/<catalogue>_<suffix>.qm", in place of
// those an earlier call installed, and makes the language's locale the
// default one. English is the language of the source texts: only a
// catalogue's plural forms ("<catalogue>_en.qm"), where it has them, are
// installed for it. Returns false when a catalogue has no translation for the
// language; the others are installed all the same. Needs the application object.
bool installTranslations(InterfaceLanguage language, const QStringList& catalogues);

} // namespace talpora
