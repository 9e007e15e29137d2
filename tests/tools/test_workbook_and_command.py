"""Reading .xlsx workbooks and the generator's command line (write and --check)."""

import contextlib
import io
import os
import tempfile
import unittest

import generate_catalogue
from catalogue.errors import CatalogueError
from catalogue.generate import read_workbook
from catalogue.workbook import read_sheet_rows
from catalogue_fixtures import HEADER, write_workbook_folder, write_xlsx


def run(*arguments):
    """(exit code, stderr text) of one generator run."""
    errors = io.StringIO()
    with contextlib.redirect_stderr(errors):
        code = generate_catalogue.main(list(arguments))
    return code, errors.getvalue()


class WorkbookReaderTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.path = os.path.join(self.folder.name, "book.xlsx")

    def tearDown(self):
        self.folder.cleanup()

    def test_shared_inline_and_number_cells_by_column_letters(self):
        write_xlsx(self.path, [
            {"A": ("s", 0), "B": "Kind", "D": 12.0},
            {"A": ("s", 1), "D": 7},
            {},
            {"B": "  padded  "},
        ], shared_strings=["Name", "FileSave"])
        rows = read_sheet_rows(self.path)
        self.assertEqual([r.number for r in rows], [1, 2, 4])
        self.assertEqual(rows[0].cells, {"A": "Name", "B": "Kind", "D": "12"})
        self.assertEqual(rows[1].cells, {"A": "FileSave", "D": "7"})
        self.assertEqual(rows[2].cells, {"B": "padded"})

    def test_columns_are_found_by_header_text(self):
        header = dict(HEADER)
        header["A"], header["B"] = header["B"], header["A"]  # Control Type first
        write_xlsx(self.path, [header, {"A": "button", "B": "FileSave", "C": "None (Core Tab)", "I": 3}])
        [row] = read_workbook(self.path)
        self.assertEqual((row.name, row.type, row.value("Policy ID"), row.number), ("FileSave", "button", "3", 2))

    def test_missing_header_or_broken_file_is_an_error(self):
        write_xlsx(self.path, [{"A": "Control Name", "B": "Control Type"}])
        with self.assertRaisesRegex(CatalogueError, "Tab Set"):
            read_workbook(self.path)
        with open(self.path, "wb") as file:
            file.write(b"not a zip")
        with self.assertRaisesRegex(CatalogueError, "book.xlsx"):
            read_workbook(self.path)


class CommandLineTest(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.workbooks = os.path.join(self.scratch.name, "workbooks")
        self.output = os.path.join(self.scratch.name, "documents")
        self.index = os.path.join(self.scratch.name, "index", "identifiers.txt")
        os.mkdir(self.workbooks)
        write_workbook_folder(self.workbooks)

    def tearDown(self):
        self.scratch.cleanup()

    def generate(self, *extra):
        return run("--workbooks", self.workbooks, "--output", self.output, "--index", self.index, *extra)

    def test_writes_57_documents_then_check_passes_and_is_repeatable(self):
        code, _ = self.generate()
        self.assertEqual(code, 0)
        names = sorted(os.listdir(self.output))
        self.assertEqual(len(names), 57)
        self.assertIn("125_Excel_2013_tabs_cn.xml", names)
        with open(os.path.join(self.output, "125_Excel_2013_tabs_cn.xml"), "rb") as file:
            self.assertTrue(file.read().startswith(b"\xef\xbb\xbf<tabs>\r\n"))
        code, errors = self.generate("--check")
        self.assertEqual(code, 0, errors)

    def test_check_lists_changed_missing_and_stray_files(self):
        self.generate()
        with open(os.path.join(self.output, "104_Access_2013_qat_cn.xml"), "ab") as file:
            file.write(b"\0\0\0\0")
        os.remove(os.path.join(self.output, "157_Word_2013_tabs_jp.xml"))
        with open(os.path.join(self.output, "158_Extra.xml"), "wb") as file:
            file.write(b"<tabs/>")
        with open(self.index, "ab") as file:
            file.write(b"I\tExtra\n")
        code, errors = self.generate("--check")
        self.assertEqual(code, 1)
        self.assertIn("differs: 104_Access_2013_qat_cn.xml", errors)
        self.assertIn("missing: 157_Word_2013_tabs_jp.xml", errors)
        self.assertIn("158_Extra.xml", errors)
        self.assertIn(f"differs: {self.index}", errors)
        self.assertNotIn("105_Access_2013_qat_en.xml", errors)

    def test_summary_reports_dropped_rows_and_placements(self):
        extra = {"excelcontrols.xlsx": [
            {"A": "NoTcid", "B": "control", "C": "None (Backstage View)"},
            {"A": "Colors", "B": "gallery", "C": "None (Core Tab)", "D": "TabHome", "E": "GroupClipboard"},
            {"A": "More", "B": "gallery", "C": "None (Core Tab)", "D": "TabHome", "E": "GroupClipboard", "F": "Colors"},
        ]}
        write_workbook_folder(self.workbooks, extra)
        code, errors = self.generate()
        self.assertEqual(code, 0)
        self.assertIn("NoTcid placeholder: 0 / 1 / 0 / 0 / 1", errors)
        self.assertIn("gallery in gallery: 1 (with 0 descendants)", errors)

    def test_unknown_control_type_exits_non_zero_naming_the_row(self):
        extra = {"wordcontrols.xlsx": [{"A": "Zoom", "B": "slider", "C": "None (Core Tab)", "D": "TabHome"}]}
        write_workbook_folder(self.workbooks, extra)
        code, errors = self.generate()
        self.assertEqual(code, 2)
        self.assertIn("wordcontrols.xlsx row 9", errors)
        self.assertIn("'slider'", errors)
        self.assertFalse(os.path.exists(self.output))

    def test_missing_workbook_exits_non_zero(self):
        for missing in ("accesscontrols.xlsx", os.path.join("2019", "wordcontrols.xlsx")):
            os.remove(os.path.join(self.workbooks, missing))
            code, errors = self.generate("--check")
            self.assertEqual(code, 2)
            self.assertIn(missing, errors)
            write_workbook_folder(self.workbooks)


if __name__ == "__main__":
    unittest.main()
