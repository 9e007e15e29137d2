"""The identifier index: which rows it keeps, how versions merge, its text."""

import os
import tempfile
import unittest

from catalogue.generate import read_workbook
from catalogue.identifiers import OPTIONAL_COLUMNS, build_index, catalogue_nodes, index_text
from catalogue.layout import Element
from catalogue_fixtures import row, write_xlsx

CORE = "None (Core Tab)"
OFF_RIBBON = "None (Not in the Ribbon)"
QAT = "None (Quick Access Toolbar)"


def index_lines(rows_by_version, window=("word", "")):
    text = index_text(build_index({version: {window: rows} for version, rows in rows_by_version.items()}))
    placements = [line[2:] for line in text.splitlines() if line.startswith("P\t")]
    lines = []
    for line in text.splitlines():
        if line.startswith("C\t"):  # the placement by its text, not its number
            kind, control_type, versions, number, *windows = line.split("\t")
            line = "\t".join([kind, control_type, versions, placements[int(number)]] + windows)
        if line[:2] in ("A\t", "I\t", "C\t", "K\t"):
            lines.append(line)
    return lines


def application_lines(lines, code):
    """The lines of one application, its A line first."""
    first = next(n for n, line in enumerate(lines) if line.split("\t")[:2] == ["A", code])
    end = next((n for n in range(first + 1, len(lines)) if lines[n].startswith("A\t")), len(lines))
    return lines[first:end]


class IdentifierIndexTest(unittest.TestCase):
    def test_rows_not_on_the_ribbon_are_kept_and_versions_merge_per_placement(self):
        paste = row("Paste", "button", CORE, "TabHome", "GroupClipboard")
        lines = index_lines({
            "2013": [row("FileSaveAs", "button", OFF_RIBBON, "None (Not in the Ribbon)"), paste,
                     row("Control Name", "Control Type", "Tab Set"), row("NoTcid", "button", OFF_RIBBON)],
            "2016": [paste, paste],
            "365": [row("paste", "button", QAT, "Quick Access Toolbar"), paste,
                    row("AutoSaveSwitch", "toggleButton", OFF_RIBBON)],
        })
        self.assertEqual(application_lines(lines, "word"), [
            "A\tword",
            "I\tAutoSaveSwitch", "C\ttoggleButton\t8\tnot on the Ribbon",
            "I\tFileSaveAs", "C\tbutton\t1\tnot on the Ribbon",
            "I\tPaste", "C\tbutton\tb\tNone (Core Tab) > TabHome > GroupClipboard",
            "I\tpaste", "C\tbutton\t8\tNone (Quick Access Toolbar) > Quick Access Toolbar",
        ])
        self.assertEqual(lines[:3], ["A\taccess", "A\texcel", "A\tpowerpoint"])

    def test_a_type_change_between_versions_is_a_placement_of_its_own(self):
        lines = index_lines({"2013": [row("TabSave", "control", OFF_RIBBON)],
                             "2019": [row("TabSave", "tab", OFF_RIBBON), row("TabSave", "control", OFF_RIBBON)]})
        self.assertEqual(application_lines(lines, "word")[-3:], ["I\tTabSave", "C\tcontrol\t5\tnot on the Ribbon",
                                      "C\ttab\t4\tnot on the Ribbon"])

    def test_columns_are_read_by_header_and_tertiary_parent_may_be_missing(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "wordcontrols.xlsx")
            write_xlsx(path, [
                {"A": "Tab", "B": "Control Type", "C": "Control Name", "D": "Group/Context Menu Name",
                 "E": "Tab Set", "F": "Secondary Parent Control", "G": "Parent Control", "H": "Policy ID"},
                {"A": "TabHome", "B": "button", "C": "Bold", "D": "GroupFont", "E": CORE, "F": "Inner",
                 "G": "Outer"}])
            [only] = read_workbook(path, OPTIONAL_COLUMNS)
        self.assertEqual(application_lines(index_lines({"2019": [only]}), "word")[-2:],
                         ["I\tBold", "C\tbutton\t4\tNone (Core Tab) > TabHome > GroupFont > Outer > Inner"])

    def test_windows_of_one_application_share_a_line_per_set_of_versions(self):
        tab = row("TabMail", "tab", CORE, "TabMail")
        lines = {}
        for version, windows in (("2013", ("explorer", "mailread")), ("2016", ("explorer", "mailread", "taskitem"))):
            for window in windows:
                lines.setdefault(version, {})[("outlook", window)] = [tab]
        text = index_text(build_index(lines))
        outlook = next(line for line in text.splitlines() if line.startswith("A\toutlook\t"))
        self.assertTrue(outlook.startswith("A\toutlook\texplorer,mailitem,mailread,"), outlook)
        self.assertEqual([line.split("\t")[2::2] for line in text.splitlines() if line.startswith("C\t")],
                         [["2", "200"], ["3", "5"]])  # taskitem (window 9) in 2016; explorer and mailread

    def test_catalogue_nodes_count_every_element_and_skip_parents_without_idmso(self):
        split = Element("splitButton", "PasteMenu", [Element("button", "Paste"),
                                                     Element("menu", "", [Element("button", "PasteValues")])])
        root = Element("tabs", "", [Element("tab", "TabHome", [Element("group", "GroupClipboard", [split])])])
        self.assertEqual(list(catalogue_nodes(root)), [
            ("TabHome", 2, 0), ("GroupClipboard", 3, 2), ("PasteMenu", 4, 3), ("Paste", 5, 4),
            ("PasteValues", 7, 4)])


if __name__ == "__main__":
    unittest.main()
