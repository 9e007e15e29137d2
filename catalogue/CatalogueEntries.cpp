#include "catalogue/CatalogueEntries.h"

#include <array>

namespace talpora::catalogue {

namespace {

constexpr std::array<const char*, 57> entryNames = {
    "Access_2013_backstage_cn",
    "Access_2013_backstage_en",
    "Access_2013_backstage_jp",
    "Access_2013_qat_cn",
    "Access_2013_qat_en",
    "Access_2013_qat_jp",
    "Access_2013_tabSet_cn",
    "Access_2013_tabSet_en",
    "Access_2013_tabSet_jp",
    "Access_2013_tabs_cn",
    "Access_2013_tabs_en",
    "Access_2013_tabs_jp",
    "Excel_2013_backstage_cn",
    "Excel_2013_backstage_en",
    "Excel_2013_backstage_jp",
    "Excel_2013_contextMenus_cn",
    "Excel_2013_contextMenus_en",
    "Excel_2013_contextMenus_jp",
    "Excel_2013_qat_cn",
    "Excel_2013_qat_en",
    "Excel_2013_qat_jp",
    "Excel_2013_tabSet_cn",
    "Excel_2013_tabSet_en",
    "Excel_2013_tabSet_jp",
    "Excel_2013_tabs_cn",
    "Excel_2013_tabs_en",
    "Excel_2013_tabs_jp",
    "PowerPoint_2013_backstage_cn",
    "PowerPoint_2013_backstage_en",
    "PowerPoint_2013_backstage_jp",
    "PowerPoint_2013_contextMenus_cn",
    "PowerPoint_2013_contextMenus_en",
    "PowerPoint_2013_contextMenus_jp",
    "PowerPoint_2013_qat_cn",
    "PowerPoint_2013_qat_en",
    "PowerPoint_2013_qat_jp",
    "PowerPoint_2013_tabSet_cn",
    "PowerPoint_2013_tabSet_en",
    "PowerPoint_2013_tabSet_jp",
    "PowerPoint_2013_tabs_cn",
    "PowerPoint_2013_tabs_en",
    "PowerPoint_2013_tabs_jp",
    "Word_2013_backstage_cn",
    "Word_2013_backstage_en",
    "Word_2013_backstage_jp",
    "Word_2013_contextMenus_cn",
    "Word_2013_contextMenus_en",
    "Word_2013_contextMenus_jp",
    "Word_2013_qat_cn",
    "Word_2013_qat_en",
    "Word_2013_qat_jp",
    "Word_2013_tabSet_cn",
    "Word_2013_tabSet_en",
    "Word_2013_tabSet_jp",
    "Word_2013_tabs_cn",
    "Word_2013_tabs_en",
    "Word_2013_tabs_jp",
};

constexpr std::array<CatalogueEntry, entryNames.size()> makeEntries()
{
    std::array<CatalogueEntry, entryNames.size()> entries{};
    for (std::size_t i = 0; i < entryNames.size(); ++i)
        entries[i] = CatalogueEntry{static_cast<int>(i), entryNames[i]};
    return entries;
}

constexpr auto allEntries = makeEntries();

} // namespace

std::span<const CatalogueEntry> catalogueEntries()
{
    return allEntries;
}

std::optional<CatalogueEntry> findEntryByName(QStringView name, Qt::CaseSensitivity sensitivity)
{
    for (const CatalogueEntry& entry : allEntries) {
        if (name.compare(QLatin1StringView(entry.name), sensitivity) == 0)
            return entry;
    }
    return std::nullopt;
}

} // namespace talpora::catalogue
