"""Small hand-made workbook rows and .xlsx files for the generator tests."""

import os
import zipfile
from xml.sax.saxutils import escape

from catalogue.identifiers import INDEX_APPLICATIONS, VERSIONS
from catalogue.layout import shape_area
from catalogue.rows import COLUMNS, make_row, place_rows
from catalogue.tree import build_tree
from catalogue.writer import document_text

PLACE_COLUMNS = ("Tab", "Group/Context Menu Name", "Parent Control", "Secondary Parent Control",
                 "Tertiary Parent Control")


def row(name, control_type, tab_set, *place):
    """One workbook row; `place` fills Tab, Group, Parent, Secondary, Tertiary in order."""
    values = {"Control Name": name, "Control Type": control_type, "Tab Set": tab_set}
    values.update(zip(PLACE_COLUMNS, place))
    return make_row("test.xlsx", 0, values)


def numbered(rows):
    """The rows renumbered as sheet rows 2, 3, ... (row 1 is the header)."""
    return [make_row(r.source, index + 2, dict(zip(COLUMNS, r.values))) for index, r in enumerate(rows)]


def shape(area, rows):
    """(document root, dropped placements, tree) for the rows of one area."""
    placed, _ = place_rows(numbered(rows))
    tree = build_tree(area, [p for p in placed if p.area == area])
    root, dropped = shape_area(area, tree)
    return root, dropped, tree


def text(area, rows):
    """The document as readable text: LF line ends instead of CR LF."""
    root, _, _ = shape(area, rows)
    return document_text(root, area).replace("\r\n", "\n")


def _cell(reference, value):
    if isinstance(value, tuple):  # ("s", index) shared string
        return f'<c r="{reference}" t="s"><v>{value[1]}</v></c>'
    if isinstance(value, (int, float)):
        return f'<c r="{reference}"><v>{value}</v></c>'
    return f'<c r="{reference}" t="inlineStr"><is><t>{escape(value)}</t></is></c>'


def write_xlsx(path, sheet_rows, shared_strings=()):
    """A minimal workbook: `sheet_rows` is a list of {column letters: value}."""
    main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
    rows_xml = "".join(
        f'<row r="{number}">' + "".join(_cell(f"{letters}{number}", value) for letters, value in cells.items()) + "</row>"
        for number, cells in enumerate(sheet_rows, start=1)
    )
    strings = "".join(f"<si><t>{escape(s)}</t></si>" for s in shared_strings)
    with zipfile.ZipFile(path, "w") as archive:
        archive.writestr("xl/worksheets/sheet1.xml", f'<worksheet xmlns="{main}"><sheetData>{rows_xml}</sheetData></worksheet>')
        if shared_strings:
            archive.writestr("xl/sharedStrings.xml", f'<sst xmlns="{main}">{strings}</sst>')


HEADER = {"A": "Control Name", "B": "Control Type", "C": "Tab Set", "D": "Tab", "E": "Group/Context Menu Name",
          "F": "Parent Control", "G": "Secondary Parent Control", "H": "Tertiary Parent Control", "I": "Policy ID",
          "J": "Column1"}


VERSION_FOLDERS = ("2016", "2019", "365-current-channel")
assert VERSION_FOLDERS == tuple(folder for _, folder in VERSIONS[1:])


def write_workbook_folder(folder, extra_rows=None):
    """The four workbooks, each with one tab, one QAT command, one Backstage tab
    (and one context menu except Access); `extra_rows` adds rows per file name.
    The later versions' folders get the same workbooks without extra rows.
    The other applications' workbooks get one command each, in the versions
    that have them."""
    for version in VERSION_FOLDERS:
        os.makedirs(os.path.join(folder, version), exist_ok=True)
        _write_workbooks(os.path.join(folder, version), {})
    _write_workbooks(folder, extra_rows or {})
    versions = [name for name, _ in VERSIONS]
    for code, windows, newest in INDEX_APPLICATIONS[4:]:
        for version, version_folder in VERSIONS[:versions.index(newest) + 1]:
            for _, file_name in windows:
                write_xlsx(os.path.join(folder, version_folder, file_name),
                           [HEADER, {"A": "FileSave", "B": "button", "C": "None (Not in the Ribbon)"}])


def _write_workbooks(folder, extra_rows):
    files = {"accesscontrols.xlsx": False, "excelcontrols.xlsx": True,
             "powerpointcontrols.xlsx": True, "wordcontrols.xlsx": True}
    for file_name, has_context_menus in files.items():
        sheet = [HEADER,
                 {"A": "FileSave", "B": "button", "C": "None (Quick Access Toolbar)", "D": "Quick Access Toolbar", "I": 3},
                 {"A": "TabHome", "B": "tab", "C": "None (Core Tab)"},
                 {"A": "GroupClipboard", "B": "group", "C": "None (Core Tab)", "D": "TabHome"},
                 {"A": "Copy", "B": "button", "C": "None (Core Tab)", "D": "TabHome", "E": "GroupClipboard"},
                 {"A": "TabSetChartTools", "B": "tabSet"},
                 {"A": "TabInfo", "B": "tab", "C": "None (Backstage View)"}]
        if has_context_menus:
            sheet.append({"A": "ContextMenuCell", "B": "contextMenu", "C": "None (Context Menu)", "D": "None (Context Menu)"})
        sheet.extend(extra_rows.get(file_name, []))
        write_xlsx(os.path.join(folder, file_name), sheet)
