#pragma once

#include "translations/InterfaceLanguage.h"

namespace talpora {

// Makes the windows speak `language`: Talpora's own texts (the windows', the
// load errors' and the snippet failures') and Qt's standard dialogs and
// buttons, from the translations built into the program. Returns false when
// one of them is missing; the texts it lacks stay English.
bool installInterfaceLanguage(InterfaceLanguage language);

} // namespace talpora
