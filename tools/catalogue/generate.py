"""From the four workbooks to the 57 stored documents, with a summary of what
was left out and why."""

import os
from collections import Counter
from dataclasses import dataclass, field

from .entries import APPLICATIONS, AREAS, catalogue_entries, has_area
from .identifiers import VERSIONS, application_code, build_index, read_version_rows
from .layout import DroppedPlacements, shape_area
from .rows import COLUMNS, make_row, place_rows
from .tree import build_tree
from .workbook import header_texts, named_columns, read_sheet_rows
from .writer import stored_bytes

DROP_ORPHAN = "parent does not exist"
DROP_BELOW_ORPHAN = "below a row whose parent does not exist"
DROP_NO_ENTRY = "area without a catalogue entry"
DROP_REPEAT = "repeat of an earlier row at the same place"


def read_workbook(path, optional=()):
    """The data rows of one workbook (everything below the header row).

    Columns named in `optional` may be missing; their cells then read as "".
    """
    sheet_rows = read_sheet_rows(path)
    columns = named_columns(sheet_rows, [c for c in COLUMNS if c not in optional], path)
    columns.update(named_columns(sheet_rows, [c for c in optional if c in header_texts(sheet_rows)], path))
    source = os.path.basename(path)
    return [
        make_row(source, sheet_row.number, {name: sheet_row.cells.get(letters, "") for name, letters in columns.items()})
        for sheet_row in sheet_rows[1:]
    ]


@dataclass
class GroupDocument:
    application: str
    area: str
    root: object  # layout.Element

    def statistics(self):
        elements = list(self.root.walk())
        return (
            len(elements),
            sum(1 for element, _ in elements if element.id_mso),
            max(depth for _, depth in elements),
        )


@dataclass
class ApplicationSummary:
    rows: int = 0
    dropped_rows: Counter = field(default_factory=Counter)
    dropped_placements: DroppedPlacements = field(default_factory=DroppedPlacements)


@dataclass
class Catalogue:
    documents: dict  # file name -> stored bytes, in entry order
    groups: list     # GroupDocument per application and area, in entry order
    summaries: dict  # application -> ApplicationSummary


def build_groups(application, rows, summary):
    """The documents of one application (one per area with entries)."""
    placed, dropped = place_rows(rows)
    summary.rows += len(rows)
    summary.dropped_rows.update(dropped)
    groups = []
    for area in AREAS:
        area_rows = [p for p in placed if p.area == area]
        if not has_area(application, area):
            if area_rows:
                summary.dropped_rows[DROP_NO_ENTRY] += len(area_rows)
            continue
        tree = build_tree(area, area_rows)
        summary.dropped_rows[DROP_REPEAT] += tree.repeats
        summary.dropped_rows[DROP_ORPHAN] += len(tree.orphans)
        summary.dropped_rows[DROP_BELOW_ORPHAN] += sum(orphan.descendant_count() for orphan in tree.orphans)
        root, dropped_placements = shape_area(area, tree)
        summary.dropped_placements.merge(dropped_placements)
        groups.append(GroupDocument(application, area, root))
    return groups


def build_catalogue(rows_by_application):
    """All 57 stored documents from each application's workbook rows."""
    summaries = {}
    groups = {}
    for application, _ in APPLICATIONS:
        summary = summaries[application] = ApplicationSummary()
        for group in build_groups(application, rows_by_application.get(application, []), summary):
            groups[(application, group.area)] = group
    documents = {}
    for entry in catalogue_entries():
        group = groups[(entry.application, entry.area)]
        documents[entry.file_name] = stored_bytes(group.root, entry.area, entry.has_byte_order_mark)
    return Catalogue(documents, list(groups.values()), summaries)


def read_catalogue_and_index(workbooks_folder):
    """The catalogue from the four 2013 workbooks of Access, Excel, PowerPoint
    and Word and the identifier index from all workbooks, reading each once."""
    rows = read_version_rows(workbooks_folder, read_workbook)
    first = rows[VERSIONS[0][0]]
    catalogue = build_catalogue({application: first[(application_code(application), "")]
                                 for application, _ in APPLICATIONS})
    return catalogue, build_index(rows, catalogue.groups)
