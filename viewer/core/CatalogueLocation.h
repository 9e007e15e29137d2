#pragma once

#include "catalogue/IdentifierIndex.h"
#include "viewer/core/NodeTree.h"

#include <optional>
#include <string_view>
#include <vector>

namespace talpora {

// The catalogue documents come in three languages; an interface language
// maps to the nearest: Chinese "cn", Japanese "jp", anything else "en".
enum class CatalogueLanguage
{
    Chinese,
    English,
    Japanese
};

// A node of a catalogue document: the entry (its place in the catalogue
// list) and the node's position in the entry's tree.
struct CataloguePlace
{
    int entryIndex = -1;
    NodeTree::Position position = NodeTree::noNode;
};

// Where a built-in control is: a node of the catalogue, or else what the
// identifier index says of it, one placement per line as `talpora-cli
// lookup` prints them (the application, the control type, the versions,
// the window of an application that has several, the place).
struct ControlWhereabouts
{
    struct Placement
    {
        catalogue::Application application;
        std::string_view type;
        catalogue::VersionSet versions;
        std::string_view window; // empty for an application of one window
        std::string_view place;  // "None (Core Tab) > TabHome > GroupClipboard"
    };

    std::optional<CataloguePlace> place;
    std::vector<Placement> placements; // when there is no place
    bool known() const { return place || !placements.empty(); }
};

// The catalogue area ("tabs", "tabSet", "qat", "backstage", "contextMenus")
// that the node of a customUI document stands in, from the nearest ancestor
// (or the node itself) named like an area's root; empty when none is.
std::string_view catalogueAreaOf(const NodeTree& tree, NodeTree::Position position);

// Where the control named `identifier` (an idMso, in its exact case) is for
// `application`: the first node of the catalogue document of the area (any
// area when that one has none) in `language`, as `talpora-cli lookup` lists
// them; else the index's placements for the application, else those of every
// application that knows it; neither when no application knows it.
ControlWhereabouts locateControl(const catalogue::IdentifierIndex& index,
                                 std::string_view identifier, catalogue::Application application,
                                 std::string_view area, CatalogueLanguage language);

// The same for a document judged against `judged`, or, judged against no
// single application as check judges a lone file, for the first of Access,
// Excel, PowerPoint and Word whose catalogue has the control; when none has
// it, what the index says as for Access.
ControlWhereabouts locateControl(const catalogue::IdentifierIndex& index,
                                 std::string_view identifier,
                                 std::optional<catalogue::Application> judged,
                                 std::string_view area, CatalogueLanguage language);

} // namespace talpora
