"""How workbook rows become catalogue elements: areas, nesting and the
vocabulary's special shapes."""

import unittest

from catalogue.errors import CatalogueError
from catalogue.rows import place_rows
from catalogue_fixtures import numbered, row, shape, text

CORE = "None (Core Tab)"
MENUS = "None (Context Menu)"
BACKSTAGE = "None (Backstage View)"
QAT = "None (Quick Access Toolbar)"


class SplitButtonTest(unittest.TestCase):
    def test_face_stays_direct_and_the_rest_goes_into_one_plain_menu(self):
        rows = [row("TabHome", "tab", CORE),
                row("GroupClipboard", "group", CORE, "TabHome"),
                row("PasteMenu", "splitButton", CORE, "TabHome", "GroupClipboard"),
                row("Paste", "button", CORE, "TabHome", "GroupClipboard", "PasteMenu"),
                row("PasteGallery", "gallery", CORE, "TabHome", "GroupClipboard", "PasteMenu"),
                row("PasteValues", "button", CORE, "TabHome", "GroupClipboard", "PasteMenu", "PasteGallery"),
                row("PasteSpecialDialog", "button", CORE, "TabHome", "GroupClipboard", "PasteMenu")]
        self.assertEqual(text("tabs", rows),
                         '<tabs>\n'
                         '\t<tab idMso="TabHome">\n'
                         '\t\t<group idMso="GroupClipboard">\n'
                         '\t\t\t<splitButton idMso="PasteMenu">\n'
                         '\t\t\t\t<button idMso="Paste"/>\n'
                         '\t\t\t\t<menu>\n'
                         '\t\t\t\t\t<gallery idMso="PasteGallery">\n'
                         '\t\t\t\t\t\t<button idMso="PasteValues"/>\n'
                         '\t\t\t\t\t</gallery>\n'
                         '\t\t\t\t\t<button idMso="PasteSpecialDialog"/>\n'
                         '\t\t\t\t</menu>\n'
                         '\t\t\t</splitButton>\n'
                         '\t\t</group>\n'
                         '\t</tab>\n'
                         '</tabs>\n')

    def test_face_comes_first_even_when_listed_after_other_children(self):
        rows = [row("ContextMenuCell", "contextMenu", MENUS, MENUS),
                row("Split", "splitButton", MENUS, MENUS, "ContextMenuCell"),
                row("Item", "checkBox", MENUS, MENUS, "ContextMenuCell", "Split"),
                row("Face", "toggleButton", MENUS, MENUS, "ContextMenuCell", "Split")]
        root, _, _ = shape("contextMenus", rows)
        split = root.children[0].children[0]
        self.assertEqual([(e.name, e.id_mso) for e in split.children], [("toggleButton", "Face"), ("menu", "")])
        self.assertEqual([(e.name, e.id_mso) for e in split.children[1].children], [("checkBox", "Item")])

    def test_split_button_with_only_a_face_gets_no_empty_menu(self):
        rows = [row("ContextMenuCell", "contextMenu", MENUS, MENUS),
                row("Split", "splitButton", MENUS, MENUS, "ContextMenuCell"),
                row("Face", "button", MENUS, MENUS, "ContextMenuCell", "Split")]
        self.assertIn('\t\t<splitButton idMso="Split">\n\t\t\t<button idMso="Face"/>\n\t\t</splitButton>\n',
                      text("contextMenus", rows))

    def test_repeated_face_becomes_the_first_menu_item_once(self):
        rows = [row("ContextMenuCell", "contextMenu", MENUS, MENUS),
                row("DeleteMenu", "splitButton", MENUS, MENUS, "ContextMenuCell"),
                row("Delete", "button", MENUS, MENUS, "ContextMenuCell", "DeleteMenu"),
                row("Delete", "button", MENUS, MENUS, "ContextMenuCell", "DeleteMenu"),
                row("DeleteRows", "button", MENUS, MENUS, "ContextMenuCell", "DeleteMenu"),
                row("Delete", "button", MENUS, MENUS, "ContextMenuCell", "DeleteMenu"),
                row("DeleteRows", "button", MENUS, MENUS, "ContextMenuCell", "DeleteMenu")]
        root, _, tree = shape("contextMenus", rows)
        split = root.children[0].children[0]
        self.assertEqual(split.children[0].id_mso, "Delete")
        self.assertEqual([e.id_mso for e in split.children[1].children], ["Delete", "DeleteRows"])
        self.assertEqual(tree.repeats, 2)

    def test_drop_down_inside_split_button_is_dropped_and_counted(self):
        rows = [row("TabHome", "tab", CORE),
                row("GroupFont", "group", CORE, "TabHome"),
                row("Split", "splitButton", CORE, "TabHome", "GroupFont"),
                row("Face", "button", CORE, "TabHome", "GroupFont", "Split"),
                row("Sizes", "dropDown", CORE, "TabHome", "GroupFont", "Split")]
        root, dropped, _ = shape("tabs", rows)
        split = root.children[0].children[0].children[0]
        self.assertEqual([e.name for e in split.children], ["button"])
        self.assertEqual(dict(dropped.placements), {"dropDown in splitButton": 1})


class ShapesTest(unittest.TestCase):
    def test_dialog_box_launcher_wraps_one_button(self):
        rows = [row("TabHome", "tab", CORE),
                row("GroupFont", "group", CORE, "TabHome"),
                row("FontDialog", "button (dialogBoxLauncher)", CORE, "TabHome", "GroupFont")]
        self.assertIn('\t\t<group idMso="GroupFont">\n'
                      '\t\t\t<dialogBoxLauncher>\n'
                      '\t\t\t\t<button idMso="FontDialog"/>\n'
                      '\t\t\t</dialogBoxLauncher>\n'
                      '\t\t</group>\n', text("tabs", rows))

    def test_backstage_tab_holds_its_content_in_one_first_column(self):
        rows = [row("TabInfo", "tab", BACKSTAGE),
                row("GroupPermissions", "group", BACKSTAGE, "TabInfo"),
                row("GroupShare", "taskFormGroup", BACKSTAGE, "TabInfo"),
                row("Share", "category", BACKSTAGE, "TabInfo", "GroupShare"),
                row("SendUsingEmail", "task", BACKSTAGE, "TabInfo", "GroupShare", "Share"),
                row("GroupSendAsPdf", "group", BACKSTAGE, "TabInfo", "GroupShare", "Share", "SendUsingEmail"),
                row("FileSave", "button", BACKSTAGE)]
        self.assertEqual(text("backstage", rows),
                         '<backstage>\n'
                         '\t<tab idMso="TabInfo">\n'
                         '\t\t<firstColumn>\n'
                         '\t\t\t<group idMso="GroupPermissions">\n'
                         '\t\t\t</group>\n'
                         '\t\t\t<taskFormGroup idMso="GroupShare">\n'
                         '\t\t\t\t<category idMso="Share">\n'
                         '\t\t\t\t\t<task idMso="SendUsingEmail">\n'
                         '\t\t\t\t\t\t<group idMso="GroupSendAsPdf">\n'
                         '\t\t\t\t\t\t</group>\n'
                         '\t\t\t\t\t</task>\n'
                         '\t\t\t\t</category>\n'
                         '\t\t\t</taskFormGroup>\n'
                         '\t\t</firstColumn>\n'
                         '\t</tab>\n'
                         '\t<button idMso="FileSave"/>\n'
                         '</backstage>\n')

    def test_quick_access_toolbar_has_one_shared_controls_of_buttons_and_controls(self):
        rows = [row("FileSave", "button", QAT, "Quick Access Toolbar"),
                row("Undo", "gallery", QAT, "Quick Access Toolbar"),
                row("FormatPainter", "control", QAT, "Quick Access Toolbar"),
                row("ViewsMenu", "splitButton", QAT, "Quick Access Toolbar"),
                row("ViewsForm", "toggleButton", QAT, "Quick Access Toolbar", "ViewsMenu")]
        root, dropped, _ = shape("qat", rows)
        self.assertEqual(text("qat", rows),
                         '<qat>\n'
                         '\t<sharedControls>\n'
                         '\t\t<button idMso="FileSave"/>\n'
                         '\t\t<control idMso="Undo"/>\n'
                         '\t\t<control idMso="FormatPainter"/>\n'
                         '\t\t<control idMso="ViewsMenu"/>\n'
                         '\t</sharedControls>\n'
                         '</qat>\n')
        self.assertEqual(dict(dropped.placements), {"toggleButton in qat splitButton": 1})

    def test_empty_quick_access_toolbar_still_has_its_shared_controls(self):
        self.assertEqual(text("qat", []), "<qat>\n\t<sharedControls/>\n</qat>\n")

    def test_contextual_tabs_nest_tab_set_tab_group(self):
        rows = [row("TabChartToolsDesign", "tab", "TabSetChartTools"),
                row("TabSetChartTools", "tabSet", ""),
                row("GroupChartLayouts", "group", "TabSetChartTools", "TabChartToolsDesign"),
                row("ChartLayoutGallery", "gallery", "TabSetChartTools", "TabChartToolsDesign", "GroupChartLayouts")]
        self.assertEqual(text("tabSet", rows),
                         '<contextualTabs>\n'
                         '\t<tabSet idMso="TabSetChartTools">\n'
                         '\t\t<tab idMso="TabChartToolsDesign">\n'
                         '\t\t\t<group idMso="GroupChartLayouts">\n'
                         '\t\t\t\t<gallery idMso="ChartLayoutGallery"/>\n'
                         '\t\t\t</group>\n'
                         '\t\t</tab>\n'
                         '\t</tabSet>\n'
                         '</contextualTabs>\n')


class PathResolutionTest(unittest.TestCase):
    def test_child_listed_before_its_parent_keeps_row_order_among_siblings(self):
        rows = [row("ContextMenuCell", "contextMenu", MENUS, MENUS),
                row("Cut", "button", MENUS, MENUS, "ContextMenuCell"),
                row("InsertRows", "button", MENUS, MENUS, "ContextMenuCell", "InsertMenu"),
                row("InsertMenu", "menu", MENUS, MENUS, "ContextMenuCell"),
                row("Copy", "button", MENUS, MENUS, "ContextMenuCell")]
        root, _, tree = shape("contextMenus", rows)
        menu = root.children[0]
        self.assertEqual([e.id_mso for e in menu.children], ["Cut", "InsertMenu", "Copy"])
        self.assertEqual([e.id_mso for e in menu.children[1].children], ["InsertRows"])
        self.assertEqual(tree.orphans, [])

    def test_children_go_to_the_first_element_defined_at_a_path(self):
        rows = [row("ContextMenuCell", "contextMenu", MENUS, MENUS),
                row("FormatMenu", "menu", MENUS, MENUS, "ContextMenuCell"),
                row("FormatMenu", "splitButton", MENUS, MENUS, "ContextMenuCell"),
                row("Bold", "toggleButton", MENUS, MENUS, "ContextMenuCell", "FormatMenu")]
        root, _, _ = shape("contextMenus", rows)
        first, second = root.children[0].children
        self.assertEqual((first.name, [e.id_mso for e in first.children]), ("menu", ["Bold"]))
        self.assertEqual((second.name, second.children), ("splitButton", []))

    def test_rows_whose_parent_never_appears_are_orphans_with_their_subtrees(self):
        rows = [row("ContextMenuCell", "contextMenu", MENUS, MENUS),
                row("Lost", "menu", MENUS, MENUS, "ContextMenuNowhere"),
                row("LostChild", "button", MENUS, MENUS, "ContextMenuNowhere", "Lost")]
        root, _, tree = shape("contextMenus", rows)
        self.assertEqual([n.id_mso for n in tree.orphans], ["Lost"])
        self.assertEqual(tree.orphans[0].descendant_count(), 1)
        self.assertEqual(len(list(root.walk())), 2)

    def test_exact_repeats_at_the_same_place_are_dropped_but_other_places_kept(self):
        rows = [row("TabRecent", "tab", BACKSTAGE),
                row("GroupOpenPlaces", "taskFormGroup", BACKSTAGE, "TabRecent"),
                row("Recent", "category", BACKSTAGE, "TabRecent", "GroupOpenPlaces"),
                row("TaskProvider", "task", BACKSTAGE, "TabRecent", "GroupOpenPlaces", "Recent"),
                row("GroupRecentPlaces", "group", BACKSTAGE, "TabRecent", "GroupOpenPlaces", "Recent", "TaskProvider"),
                row("TaskProvider", "task", BACKSTAGE, "TabRecent", "GroupOpenPlaces", "Recent"),
                row("GroupAddLocation", "group", BACKSTAGE, "TabRecent", "GroupOpenPlaces", "Recent", "TaskProvider"),
                row("TabSave", "tab", BACKSTAGE),
                row("GroupOpenPlaces", "taskFormGroup", BACKSTAGE, "TabSave")]
        root, _, tree = shape("backstage", rows)
        tasks = [e for e, _ in root.walk() if e.name == "task"]
        self.assertEqual(len(tasks), 1)
        self.assertEqual([e.id_mso for e in tasks[0].children], ["GroupRecentPlaces", "GroupAddLocation"])
        self.assertEqual(sum(1 for e, _ in root.walk() if e.name == "taskFormGroup"), 2)
        self.assertEqual(tree.repeats, 1)

    def test_placeholder_values_in_place_columns_name_no_element(self):
        rows = [row("ContextMenuCell", "contextMenu", MENUS, MENUS),
                row("Cut", "button", MENUS, MENUS, "ContextMenuCell")]
        placed, _ = place_rows(numbered(rows))
        self.assertEqual([p.place for p in placed], [(), ("ContextMenuCell",)])


class DroppedPlacementTest(unittest.TestCase):
    def test_placements_outside_the_nesting_rules_are_dropped_with_their_subtrees(self):
        rows = [row("TabHome", "tab", CORE),
                row("GroupFont", "group", CORE, "TabHome"),
                row("FontColorPicker", "gallery", CORE, "TabHome", "GroupFont"),
                row("GradientGallery", "gallery", CORE, "TabHome", "GroupFont", "FontColorPicker"),
                row("GradientA", "button", CORE, "TabHome", "GroupFont", "FontColorPicker", "GradientGallery"),
                row("GradientB", "button", CORE, "TabHome", "GroupFont", "FontColorPicker", "GradientGallery"),
                row("ShowAll", "checkBox", CORE, "TabHome", "GroupFont", "FontColorPicker"),
                row("MoreColors", "button", CORE, "TabHome", "GroupFont", "FontColorPicker"),
                row("FontSize", "comboBox", CORE, "TabHome", "GroupFont"),
                row("GrowFont", "button", CORE, "TabHome", "GroupFont", "FontSize")]
        root, dropped, _ = shape("tabs", rows)
        self.assertEqual(dict(dropped.placements),
                         {"gallery in gallery": 1, "checkBox in gallery": 1, "button in comboBox": 1})
        self.assertEqual(dropped.descendants["gallery in gallery"], 2)
        kept = [e.id_mso for e, _ in root.walk() if e.id_mso]
        self.assertEqual(kept, ["TabHome", "GroupFont", "FontColorPicker", "MoreColors", "FontSize"])

    def test_controls_inside_backstage_groups_are_dropped(self):
        rows = [row("TabInfo", "tab", BACKSTAGE),
                row("GroupPermissions", "group", BACKSTAGE, "TabInfo"),
                row("FileMarkAsFinal", "control", BACKSTAGE, "TabInfo", "GroupPermissions"),
                row("UsagePermissions", "button", BACKSTAGE, "TabInfo", "GroupPermissions")]
        root, dropped, _ = shape("backstage", rows)
        self.assertEqual(dict(dropped.placements),
                         {"control in backstage group": 1, "button in backstage group": 1})
        self.assertIn('\t\t\t<group idMso="GroupPermissions">\n\t\t\t</group>\n', text("backstage", rows))

    def test_control_at_the_document_root_is_dropped(self):
        rows = [row("Cut", "button", MENUS, MENUS)]
        root, dropped, _ = shape("contextMenus", rows)
        self.assertEqual(root.children, [])
        self.assertEqual(dict(dropped.placements), {"button in contextMenus": 1})


class RowFilterTest(unittest.TestCase):
    def test_rows_without_a_control_are_dropped_by_reason(self):
        rows = numbered([row("Control Name", "Control Type", "Tab Set", "Tab"),
                         row("", "button", CORE, "TabHome", "GroupFont"),
                         row("NoTcid", "control", BACKSTAGE),
                         row("FileSaveAs", "button", "None (Not in the Ribbon)"),
                         row("TabHome", "tab", CORE)])
        placed, dropped = place_rows(rows)
        self.assertEqual([p.row.name for p in placed], ["TabHome"])
        self.assertEqual(dict(dropped), {"repeated header row": 1, "empty Control Name": 1,
                                         "NoTcid placeholder": 1, "None (Not in the Ribbon)": 1})

    def test_unknown_control_type_fails_naming_the_row(self):
        rows = numbered([row("TabHome", "tab", CORE), row("Zoomer", "slider", CORE, "TabHome")])
        with self.assertRaises(CatalogueError) as failure:
            place_rows(rows)
        message = str(failure.exception)
        for expected in ("test.xlsx", "row 3", "'slider'", "'Zoomer'", "'TabHome'"):
            self.assertIn(expected, message)

    def test_unknown_placeholder_or_missing_tab_set_fails(self):
        for tab_set in ("None (Status Bar)", ""):
            with self.subTest(tab_set=tab_set), self.assertRaises(CatalogueError):
                place_rows(numbered([row("Zoom", "button", tab_set)]))

    def test_area_comes_from_the_tab_set_column(self):
        rows = numbered([row("FileSave", "button", QAT, "Quick Access Toolbar"),
                         row("TabInfo", "tab", BACKSTAGE),
                         row("ContextMenuCell", "contextMenu", MENUS, MENUS),
                         row("TabHome", "tab", CORE),
                         row("TabSetChartTools", "tabSet", ""),
                         row("TabChartToolsDesign", "tab", "TabSetChartTools")])
        placed, _ = place_rows(rows)
        self.assertEqual([(p.area, p.place) for p in placed],
                         [("qat", ()), ("backstage", ()), ("contextMenus", ()), ("tabs", ()),
                          ("tabSet", ()), ("tabSet", ("TabSetChartTools",))])


if __name__ == "__main__":
    unittest.main()
