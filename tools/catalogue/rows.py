"""Turns workbook rows into placed controls: which area, which place, or why not.

Each row places one control. The Tab Set column picks the user-interface area;
the non-empty place columns (the tab set id for contextual tabs, then Tab,
Group/Context Menu Name, Parent, Secondary and Tertiary Parent Control) give
the idMso path of the element the control sits in.
"""

import re
from collections import Counter
from dataclasses import dataclass

from .errors import CatalogueError

NAME = "Control Name"
TYPE = "Control Type"
TAB_SET = "Tab Set"
TAB = "Tab"
GROUP = "Group/Context Menu Name"
PARENT = "Parent Control"
SECONDARY = "Secondary Parent Control"
TERTIARY = "Tertiary Parent Control"
POLICY = "Policy ID"
COLUMNS = (NAME, TYPE, TAB_SET, TAB, GROUP, PARENT, SECONDARY, TERTIARY, POLICY)
PLACE_COLUMNS = (TAB, GROUP, PARENT, SECONDARY, TERTIARY)

DIALOG_BOX_LAUNCHER = "button (dialogBoxLauncher)"
KNOWN_TYPES = frozenset({
    "button", "gallery", "toggleButton", "group", "menu", "splitButton", "contextMenu",
    "checkBox", "tab", "control", DIALOG_BOX_LAUNCHER, "task", "comboBox", "tabSet",
    "dropDown", "labelControl", "category", "taskFormGroup", "taskGroup",
})

AREA_BY_TAB_SET = {
    "None (Backstage View)": "backstage",
    "None (Context Menu)": "contextMenus",
    "None (Quick Access Toolbar)": "qat",
    "None (Core Tab)": "tabs",
}
NOT_IN_THE_RIBBON = "None (Not in the Ribbon)"
CONTEXTUAL_TABS = "tabSet"

# Values that fill a place column without naming an element.
_PLACEHOLDER = re.compile(r"^None \(.*\)$")
_QAT_TAB = "Quick Access Toolbar"

# Why a row makes no element, in the order the checks run.
DROP_HEADER = "repeated header row"
DROP_EMPTY_NAME = "empty Control Name"
DROP_NO_TCID = "NoTcid placeholder"
DROP_NOT_IN_RIBBON = "None (Not in the Ribbon)"
DROP_REASONS = (DROP_HEADER, DROP_EMPTY_NAME, DROP_NO_TCID, DROP_NOT_IN_RIBBON)


@dataclass(frozen=True)
class Row:
    source: str   # workbook file name, for messages
    number: int   # sheet row number, for messages
    values: tuple  # the COLUMNS values, "" where the cell is empty

    def value(self, column):
        return self.values[COLUMNS.index(column)]

    @property
    def name(self):
        return self.value(NAME)

    @property
    def type(self):
        return self.value(TYPE)

    def describe(self):
        shown = ", ".join(f"{column}={value!r}" for column, value in zip(COLUMNS, self.values) if value)
        return f"{self.source} row {self.number} ({shown})"


@dataclass(frozen=True)
class PlacedRow:
    row: Row
    area: str     # backstage, contextMenus, qat, tabSet or tabs
    place: tuple  # idMso path of the containing element; () = the document root

    @property
    def path(self):
        return self.place + (self.row.name,)


def is_placeholder(value):
    return bool(_PLACEHOLDER.match(value)) or value == _QAT_TAB


def make_row(source, number, values_by_column):
    return Row(source, number, tuple(values_by_column.get(column, "") for column in COLUMNS))


def drop_reason(row):
    """Why the row names no control, or None when it does."""
    if row.name == NAME or row.type == TYPE:
        return DROP_HEADER
    if not row.name:
        return DROP_EMPTY_NAME
    if row.name == "NoTcid":
        return DROP_NO_TCID
    if row.value(TAB_SET) == NOT_IN_THE_RIBBON:
        return DROP_NOT_IN_RIBBON
    return None


def area_of(row):
    tab_set = row.value(TAB_SET)
    if row.type == "tabSet" and not tab_set:
        return CONTEXTUAL_TABS
    if tab_set in AREA_BY_TAB_SET:
        return AREA_BY_TAB_SET[tab_set]
    if not tab_set:
        raise CatalogueError(f"{row.describe()}: no Tab Set, so no area for this {row.type}")
    if is_placeholder(tab_set):
        raise CatalogueError(f"{row.describe()}: unknown Tab Set {tab_set!r}")
    return CONTEXTUAL_TABS


def place_of(row, area):
    columns = ((TAB_SET,) if area == CONTEXTUAL_TABS else ()) + PLACE_COLUMNS
    return tuple(row.value(c) for c in columns if row.value(c) and not is_placeholder(row.value(c)))


def place_rows(rows):
    """Keeps the rows that place a control, in order; returns them and the drop counts.

    Fails on a control type this tool does not know, naming the row.
    """
    placed = []
    dropped = Counter()
    for row in rows:
        reason = drop_reason(row)
        if reason:
            dropped[reason] += 1
            continue
        if row.type not in KNOWN_TYPES:
            raise CatalogueError(f"{row.describe()}: unknown Control Type {row.type!r}")
        area = area_of(row)
        placed.append(PlacedRow(row, area, place_of(row, area)))
    return placed, dropped
