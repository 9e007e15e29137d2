"""Reads the single sheet of an .xlsx workbook with the standard library only.

Cells are located by the column letters of their reference ("C17"), because
empty cells are simply missing from the sheet XML. Columns are then named by
the header row, so a reordered workbook still reads correctly.
"""

import posixpath
import re
import zipfile
import xml.etree.ElementTree as ET
from dataclasses import dataclass

from .errors import CatalogueError

_MAIN = "{http://schemas.openxmlformats.org/spreadsheetml/2006/main}"
_OFFICE_REL = "{http://schemas.openxmlformats.org/officeDocument/2006/relationships}"
_PACKAGE_REL = "{http://schemas.openxmlformats.org/package/2006/relationships}"
_CELL_REFERENCE = re.compile(r"^([A-Z]+)([0-9]+)$")


@dataclass(frozen=True)
class SheetRow:
    number: int  # the row number Excel shows (1 = header)
    cells: dict  # column letters -> text, only for cells that exist


def _text_of(string_item):
    # Rich text keeps its runs in <r><t>; phonetic guides (<rPh>) are not text.
    parts = [t.text or "" for t in string_item.findall(_MAIN + "t")]
    for run in string_item.findall(_MAIN + "r"):
        parts.extend(t.text or "" for t in run.findall(_MAIN + "t"))
    return "".join(parts)


def _shared_strings(archive):
    try:
        data = archive.read("xl/sharedStrings.xml")
    except KeyError:
        return []
    return [_text_of(item) for item in ET.fromstring(data).findall(_MAIN + "si")]


def _first_sheet_path(archive):
    try:
        workbook = ET.fromstring(archive.read("xl/workbook.xml"))
        relations = ET.fromstring(archive.read("xl/_rels/workbook.xml.rels"))
    except KeyError:
        return "xl/worksheets/sheet1.xml"
    sheet = workbook.find(f"{_MAIN}sheets/{_MAIN}sheet")
    if sheet is None:
        raise CatalogueError("the workbook has no sheet")
    wanted = sheet.get(_OFFICE_REL + "id")
    for relation in relations.findall(_PACKAGE_REL + "Relationship"):
        if relation.get("Id") == wanted:
            target = relation.get("Target")
            if target.startswith("/"):
                return target.lstrip("/")
            return posixpath.normpath(posixpath.join("xl", target))
    raise CatalogueError(f"the workbook does not say where sheet {wanted} is")


def _number_text(raw):
    # Excel stores integers such as policy ids as "3" or sometimes "3.0".
    try:
        value = float(raw)
    except ValueError:
        return raw
    return str(int(value)) if value.is_integer() else raw


def _cell_value(cell, shared):
    kind = cell.get("t", "n")
    if kind == "inlineStr":
        inline = cell.find(_MAIN + "is")
        return _text_of(inline) if inline is not None else ""
    value = cell.find(_MAIN + "v")
    raw = value.text if value is not None and value.text is not None else ""
    if kind == "s":
        try:
            return shared[int(raw)]
        except (ValueError, IndexError):
            raise CatalogueError(f"cell {cell.get('r')} points at shared string {raw!r}, which does not exist")
    if kind == "n" and raw:
        return _number_text(raw)
    return raw


def read_sheet_rows(path):
    """All non-empty rows of the workbook's first sheet, in sheet order."""
    try:
        with zipfile.ZipFile(path) as archive:
            shared = _shared_strings(archive)
            sheet = ET.fromstring(archive.read(_first_sheet_path(archive)))
    except (OSError, zipfile.BadZipFile, KeyError, ET.ParseError) as error:
        raise CatalogueError(f"{path}: cannot read the workbook: {error}")
    rows = []
    for row in sheet.iter(_MAIN + "row"):
        cells = {}
        for cell in row.findall(_MAIN + "c"):
            match = _CELL_REFERENCE.match(cell.get("r", ""))
            if not match:
                raise CatalogueError(f"{path}: cell without a usable reference: {cell.get('r')!r}")
            text = _cell_value(cell, shared).strip()
            if text:
                cells[match.group(1)] = text
        if cells:
            rows.append(SheetRow(int(row.get("r")), cells))
    return rows


def named_columns(rows, required, path):
    """Maps each required header text to its column letters, from the first row."""
    if not rows:
        raise CatalogueError(f"{path}: the sheet is empty")
    by_header = {text: column for column, text in rows[0].cells.items()}
    missing = [name for name in required if name not in by_header]
    if missing:
        raise CatalogueError(f"{path}: header row {rows[0].number} lacks the columns {', '.join(missing)}")
    return {name: by_header[name] for name in required}


def header_texts(rows):
    """The texts of the header row (the first row), empty for an empty sheet."""
    return set(rows[0].cells.values()) if rows else set()
