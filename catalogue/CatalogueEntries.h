#pragma once

#include <QString>
#include <optional>
#include <span>

namespace talpora::catalogue {

// One line of the catalogue list. The position in the list is the only link
// between the name the user sees and the stored document.
struct CatalogueEntry
{
    int index;        // 0..56, the position in the list
    const char* name; // ASCII, e.g. "Excel_2013_contextMenus_en"

    int identifier() const { return index + firstIdentifier; }
    QString displayName() const { return QString::fromLatin1(name); }

    static constexpr int firstIdentifier = 101;
};

// All 57 entries in list order: application, then area (backstage,
// contextMenus, qat, tabSet, tabs), then language (cn, en, jp). The order is
// deliberate and must never be sorted: "tabSet" comes before "tabs".
std::span<const CatalogueEntry> catalogueEntries();

// The entry with this name, compared exactly unless `sensitivity` says
// otherwise; nullopt when there is none.
std::optional<CatalogueEntry> findEntryByName(QStringView name,
                                              Qt::CaseSensitivity sensitivity = Qt::CaseSensitive);

} // namespace talpora::catalogue
