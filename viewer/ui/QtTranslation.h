#pragma once

namespace talpora {

// Installs Qt's own Simplified Chinese texts (qtbase_zh_CN, built in or from
// Qt's translations folder), so that the standard dialogs and buttons speak the
// language of the rest of the interface. Returns false, and changes nothing,
// when the translation is not installed; the program then runs with Qt's
// English texts.
bool installQtTranslation();

} // namespace talpora
