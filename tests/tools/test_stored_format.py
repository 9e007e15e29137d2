"""The stored byte format of a catalogue document."""

import unittest

from catalogue.entries import catalogue_entries
from catalogue.layout import Element
from catalogue.writer import stored_bytes


def tabs_document():
    group = Element("group", "GroupFont", [Element("button", "Bold"), Element("gallery", "Colors", [Element("button", "Red")])])
    return Element("tabs", "", [Element("tab", "TabHome", [group, Element("group", "GroupEmpty1")])])


class StoredFormatTest(unittest.TestCase):
    def test_lines_tabs_and_crlf(self):
        self.assertEqual(stored_bytes(tabs_document(), "tabs"),
                         b'<tabs>\r\n'
                         b'\t<tab idMso="TabHome">\r\n'
                         b'\t\t<group idMso="GroupFont">\r\n'
                         b'\t\t\t<button idMso="Bold"/>\r\n'
                         b'\t\t\t<gallery idMso="Colors">\r\n'
                         b'\t\t\t\t<button idMso="Red"/>\r\n'
                         b'\t\t\t</gallery>\r\n'
                         b'\t\t</group>\r\n'
                         b'\t\t<group idMso="GroupEmpty1"/>\r\n'
                         b'\t</tab>\r\n'
                         b'</tabs>\r\n'
                         b'\0\0\0')

    def test_backstage_groups_and_categories_without_children_keep_an_end_tag(self):
        column = Element("firstColumn", "", [
            Element("group", "GroupInfo"),
            Element("taskGroup", "GroupPrint", [Element("category", "PrintCategory")]),
        ])
        root = Element("backstage", "", [Element("tab", "TabInfo", [column]), Element("button", "FileSave")])
        data = stored_bytes(root, "backstage")
        self.assertIn(b'\t\t\t<group idMso="GroupInfo">\r\n\t\t\t</group>\r\n', data)
        self.assertIn(b'\t\t\t\t<category idMso="PrintCategory">\r\n\t\t\t\t</category>\r\n', data)
        self.assertIn(b'\t<button idMso="FileSave"/>\r\n', data)
        self.assertNotIn(b"<firstColumn/>", data)

    def test_no_declaration_no_lone_line_breaks(self):
        data = stored_bytes(tabs_document(), "tabs").rstrip(b"\0")
        self.assertFalse(data.startswith(b"<?xml"))
        self.assertEqual(data.count(b"\n"), data.count(b"\r\n"))
        self.assertEqual(data.count(b"\r"), data.count(b"\r\n"))
        self.assertTrue(data.endswith(b"</tabs>\r\n"))

    def test_padding_rounds_up_to_a_multiple_of_four_with_zero_to_three_nuls(self):
        seen = set()
        for length in range(1, 9):
            root = Element("qat", "", [Element("sharedControls", "", [Element("button", "X" * length)])])
            for mark in (False, True):
                data = stored_bytes(root, "qat", mark)
                text = data.rstrip(b"\0")
                padding = len(data) - len(text)
                self.assertEqual(len(data) % 4, 0)
                self.assertLessEqual(padding, 3)
                self.assertTrue(text.endswith(b"</qat>\r\n"))
                seen.add(padding)
        self.assertEqual(seen, {0, 1, 2, 3})

    def test_byte_order_mark_only_when_asked(self):
        root = tabs_document()
        self.assertTrue(stored_bytes(root, "tabs", True).startswith(b"\xef\xbb\xbf<tabs>"))
        self.assertTrue(stored_bytes(root, "tabs").startswith(b"<tabs>"))

    def test_attribute_values_are_escaped_in_double_quotes(self):
        root = Element("qat", "", [Element("sharedControls", "", [Element("button", 'A&B<"C">')])])
        self.assertIn(b'<button idMso="A&amp;B&lt;&quot;C&quot;&gt;"/>', stored_bytes(root, "qat"))


class EntryTest(unittest.TestCase):
    def test_57_entries_in_list_order_with_identifiers_and_file_names(self):
        entries = catalogue_entries()
        self.assertEqual(len(entries), 57)
        self.assertEqual((entries[0].file_name, entries[0].identifier), ("101_Access_2013_backstage_cn.xml", 101))
        self.assertEqual((entries[56].file_name, entries[56].identifier), ("157_Word_2013_tabs_jp.xml", 157))
        self.assertEqual([e.name for e in entries[6:12]],
                         ["Access_2013_tabSet_cn", "Access_2013_tabSet_en", "Access_2013_tabSet_jp",
                          "Access_2013_tabs_cn", "Access_2013_tabs_en", "Access_2013_tabs_jp"])
        self.assertEqual(entries[15].name, "Excel_2013_contextMenus_cn")
        self.assertFalse(any(e.application == "Access" and e.area == "contextMenus" for e in entries))
        self.assertEqual([e.name for e in entries if e.has_byte_order_mark], ["Excel_2013_tabs_cn"])


if __name__ == "__main__":
    unittest.main()
