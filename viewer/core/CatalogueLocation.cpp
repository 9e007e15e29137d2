#include "viewer/core/CatalogueLocation.h"

#include "catalogue/CatalogueEntries.h"

#include <QString>
#include <array>

namespace talpora {

namespace {

using namespace talpora::catalogue;

struct AreaRoot
{
    std::string_view element;
    std::string_view area;
};

constexpr std::array<AreaRoot, 5> areaRoots = {{{"tabs", "tabs"},
                                                {"contextualTabs", "tabSet"},
                                                {"qat", "qat"},
                                                {"backstage", "backstage"},
                                                {"contextMenus", "contextMenus"}}};

std::string_view localName(std::string_view name)
{
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

std::string_view languageCode(CatalogueLanguage language)
{
    switch (language) {
    case CatalogueLanguage::Chinese:
        return "cn";
    case CatalogueLanguage::Japanese:
        return "jp";
    case CatalogueLanguage::English:
        break;
    }
    return "en";
}

// The catalogue documents are those of Office 2013.
constexpr VersionSet catalogueVersion{1};

std::optional<CataloguePlace> placeOf(const IdentifierRecord& record, std::string_view area,
                                      CatalogueLanguage language)
{
    if (!record.versions().intersects(catalogueVersion) || record.catalogueNodes.empty())
        return std::nullopt;
    const CatalogueNode* chosen = &record.catalogueNodes.front();
    for (const CatalogueNode& node : record.catalogueNodes) {
        if (node.area == area) {
            chosen = &node;
            break;
        }
    }
    const std::string name = std::string(applicationName(record.application)) + "_2013_" +
                             std::string(chosen->area) + '_' + std::string(languageCode(language));
    const std::optional<CatalogueEntry> entry = findEntryByName(QString::fromLatin1(name));
    if (!entry)
        return std::nullopt;
    return CataloguePlace{entry->index, chosen->position};
}

void addPlacements(const IdentifierIndex& index, const IdentifierRecord& record,
                   std::vector<ControlWhereabouts::Placement>& placements)
{
    const std::span<const std::string_view> windows = index.windowNames(record.application);
    for (const ControlPlacement& placement : record.placements) {
        if (windows.empty())
            placements.push_back(
                {record.application, placement.type, placement.versions, {}, placement.place});
        for (std::size_t window = 0; window < windows.size(); ++window) {
            if (placement.windows & (1u << window))
                placements.push_back({record.application, placement.type, placement.versions,
                                      windows[window], placement.place});
        }
    }
}

} // namespace

std::string_view catalogueAreaOf(const NodeTree& tree, NodeTree::Position position)
{
    for (NodeTree::Position node = position; tree.contains(node); node = tree.parent(node)) {
        const std::string_view name = localName(tree.nameUtf8(node));
        for (const AreaRoot& root : areaRoots) {
            if (name == root.element)
                return root.area;
        }
    }
    return {};
}

ControlWhereabouts locateControl(const IdentifierIndex& index, std::string_view identifier,
                                 Application application, std::string_view area,
                                 CatalogueLanguage language)
{
    ControlWhereabouts whereabouts;
    std::vector<const IdentifierRecord*> own;
    std::vector<const IdentifierRecord*> others;
    for (const IdentifierRecord* record : index.find(identifier, ApplicationSet::all())) {
        if (record->name == identifier)
            (record->application == application ? own : others).push_back(record);
    }
    for (const IdentifierRecord* record : own) {
        if ((whereabouts.place = placeOf(*record, area, language)))
            return whereabouts;
    }
    for (const IdentifierRecord* record : own.empty() ? others : own)
        addPlacements(index, *record, whereabouts.placements);
    return whereabouts;
}

ControlWhereabouts locateControl(const IdentifierIndex& index, std::string_view identifier,
                                 std::optional<Application> judged, std::string_view area,
                                 CatalogueLanguage language)
{
    if (judged)
        return locateControl(index, identifier, *judged, area, language);
    constexpr Application loneFileApplications[] = {Application::Access, Application::Excel,
                                                    Application::PowerPoint, Application::Word};
    for (const Application application : loneFileApplications) {
        ControlWhereabouts where = locateControl(index, identifier, application, area, language);
        if (where.place)
            return where;
    }
    return locateControl(index, identifier, loneFileApplications[0], area, language);
}

} // namespace talpora
