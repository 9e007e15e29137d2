#pragma once

#include "catalogue/OfficeTargets.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace talpora::catalogue {

// One place where a workbook lists a control: its control type ("button",
// "group", ...), the versions that list it there, and the place ("None (Core
// Tab) > TabHome > GroupClipboard", or "not on the Ribbon"). An application of
// several windows (Outlook, InfoPath) also says in which of its windows.
struct ControlPlacement
{
    std::string_view type;
    VersionSet versions;
    std::string_view place;
    std::uint32_t windows = 0; // bit n: IdentifierIndex::windowNames()[n]; 0 for one window
};

// A node of the catalogue documents that carries the identifier. The cn, en
// and jp documents of an area share positions.
struct CatalogueNode
{
    std::string_view area;  // "backstage", "contextMenus", "qat", "tabSet", "tabs"
    std::uint32_t position; // 1-based, in document order
    std::uint32_t parent;   // position of the nearest ancestor with an idMso, 0 for none
};

struct IdentifierRecord
{
    Application application;
    std::string_view name; // exact case
    std::span<const ControlPlacement> placements;
    std::span<const CatalogueNode> catalogueNodes;

    VersionSet versions() const;
    // True when any placement within `versions` has one of the control types.
    bool hasType(std::initializer_list<std::string_view> types, VersionSet versions) const;
};

// Every control identifier of the Office applications in Office 2013, 2016,
// 2019 and Microsoft 365 as Microsoft lists them, from the generated index text (see
// tools/catalogue/identifiers.py). Views point into the text the index keeps.
//
// The lines of each application are parsed the first time something asks for
// that application (safely from any thread): a check of an Excel workbook
// reads the Excel lines alone, not the 1.5 MB of all eleven applications.
class IdentifierIndex
{
public:
    // The index compiled into the program, found on first use.
    static const IdentifierIndex& builtIn();

    // Parses index text whole; nullopt and `error` set when it is malformed.
    static std::optional<IdentifierIndex> parse(QByteArray text, QString* error = nullptr);

    // Every identifier of the applications whose name equals `name` ignoring
    // ASCII case, in index order (application, then name).
    std::vector<const IdentifierRecord*> find(std::string_view name,
                                              ApplicationSet applications) const;

    // The names of the identifiers of the applications known in one of
    // `versions`, in index order (a name known to several applications is
    // there once for each).
    std::vector<std::string_view> names(ApplicationSet applications, VersionSet versions) const;

    // The identifier and node at `position` in the catalogue documents of
    // `area` of the application; both null when no node there has an idMso.
    struct NodeAt
    {
        const IdentifierRecord* record = nullptr;
        const CatalogueNode* node = nullptr;
    };
    NodeAt catalogueNodeAt(Application application, std::string_view area,
                           std::uint32_t position) const;

    // The identifiers of one application, by name ignoring case.
    std::span<const IdentifierRecord> records(Application application) const;

    // The windows of an application that has one workbook per window
    // ("explorer", "mailitem", ... of Outlook); empty for the others.
    std::span<const std::string_view> windowNames(Application application) const
    {
        return m_windows[static_cast<std::size_t>(application)];
    }

    IdentifierIndex(IdentifierIndex&&) noexcept;
    IdentifierIndex& operator=(IdentifierIndex&&) noexcept;
    ~IdentifierIndex();
    // The records point into the index's own buffers.
    IdentifierIndex(const IdentifierIndex&) = delete;
    IdentifierIndex& operator=(const IdentifierIndex&) = delete;

private:
    struct Section;
    IdentifierIndex();
    // Finds the places and each application's lines without parsing them.
    static std::optional<IdentifierIndex> split(QByteArray text, QString* error);
    const Section& parsedSection(Application application) const;

    QByteArray m_text;
    std::vector<std::string_view> m_places;
    std::unique_ptr<std::array<Section, allApplications.size()>> m_sections;
    std::array<std::vector<std::string_view>, allApplications.size()> m_windows;
};

} // namespace talpora::catalogue
