"""Shapes an area's row tree into document elements of the catalogue vocabulary.

The workbooks place some controls where the catalogue's nesting rules have no
room (a gallery inside a gallery, a button inside a combo box, ...). Those
placements are dropped with everything below them and counted by kind, so the
documents only ever hold parent/child pairs that the viewer and the customUI
snippets expect.
"""

from collections import Counter
from dataclasses import dataclass, field

from .rows import DIALOG_BOX_LAUNCHER

ROOT_ELEMENT = {
    "backstage": "backstage",
    "contextMenus": "contextMenus",
    "qat": "qat",
    "tabSet": "contextualTabs",
    "tabs": "tabs",
}

_RIBBON_GROUP_CHILDREN = frozenset({
    "button", "checkBox", "comboBox", "control", "dialogBoxLauncher", "dropDown",
    "gallery", "labelControl", "menu", "splitButton", "toggleButton",
})

# Parent element -> the child elements it may hold. `tab` and `group` mean
# different things in the Backstage view, hence the override below.
CHILDREN = {
    "backstage": frozenset({"tab", "button"}),
    "firstColumn": frozenset({"group", "taskFormGroup", "taskGroup"}),
    "taskFormGroup": frozenset({"category"}),
    "taskGroup": frozenset({"category"}),
    "category": frozenset({"task"}),
    "task": frozenset({"group"}),
    "qat": frozenset({"sharedControls"}),
    "sharedControls": frozenset({"button", "control"}),
    "tabs": frozenset({"tab"}),
    "contextualTabs": frozenset({"tabSet"}),
    "tabSet": frozenset({"tab"}),
    "tab": frozenset({"group"}),
    "group": _RIBBON_GROUP_CHILDREN,
    "contextMenus": frozenset({"contextMenu"}),
    "contextMenu": frozenset({"button", "checkBox", "gallery", "menu", "splitButton", "toggleButton"}),
    "menu": frozenset({"button", "checkBox", "control", "gallery", "menu", "toggleButton"}),
    "splitButton": frozenset({"button", "menu", "toggleButton"}),
    "gallery": frozenset({"button"}),
    "dialogBoxLauncher": frozenset({"button"}),
}
BACKSTAGE_CHILDREN = {
    "tab": frozenset({"firstColumn"}),
    "group": frozenset(),
}

def allowed_children(element_name, area):
    if area == "backstage" and element_name in BACKSTAGE_CHILDREN:
        return BACKSTAGE_CHILDREN[element_name]
    return CHILDREN.get(element_name, frozenset())


@dataclass(eq=False)
class Element:
    name: str
    id_mso: str = ""  # empty for the attribute-less elements
    children: list = field(default_factory=list)

    def walk(self, depth=1):
        """(element, depth) pairs in document order, the element itself at `depth`."""
        yield self, depth
        for child in self.children:
            yield from child.walk(depth + 1)


@dataclass
class DroppedPlacements:
    placements: Counter = field(default_factory=Counter)   # kind -> dropped rows
    descendants: Counter = field(default_factory=Counter)  # kind -> rows below them

    def add(self, kind, descendant_count):
        self.placements[kind] += 1
        self.descendants[kind] += descendant_count

    def merge(self, other):
        self.placements.update(other.placements)
        self.descendants.update(other.descendants)


def element_name(node, area):
    if area == "qat":
        return node.kind if node.kind in ("button", "control") else "control"
    if node.kind == DIALOG_BOX_LAUNCHER:
        return "dialogBoxLauncher"
    return node.kind


def _placement_kind(node, parent_label):
    return f"{node.kind} in {parent_label}"


class _Shaper:
    def __init__(self, area):
        self.area = area
        self.dropped = DroppedPlacements()

    def label(self, kind):
        # Backstage and Quick Access Toolbar rules differ from the ribbon's, so
        # their counts say which area they come from.
        return f"{self.area} {kind}" if self.area in ("backstage", "qat") else kind

    def place_all(self, container, nodes, parent_label):
        for node in nodes:
            self.place(container, node, parent_label)

    def place(self, container, node, parent_label):
        name = element_name(node, self.area)
        if name not in allowed_children(container.name, self.area):
            self.dropped.add(_placement_kind(node, parent_label), node.descendant_count())
            return
        if name == "dialogBoxLauncher":
            element = Element("dialogBoxLauncher")
            inner = Element("button", node.id_mso)
            element.children.append(inner)
        else:
            element = inner = Element(name, node.id_mso)
        container.children.append(element)
        own_label = self.label(node.kind)
        if self.area == "backstage" and name == "tab":
            column = Element("firstColumn")
            element.children.append(column)
            self.place_all(column, node.children, own_label)
        elif name == "splitButton":
            self.place_split_button_children(element, node.children, own_label)
        else:
            self.place_all(inner, node.children, own_label)

    def place_split_button_children(self, element, nodes, own_label):
        # The first button or toggle button is the split button's face; every
        # other child belongs to its drop-down part, an attribute-less menu.
        face = next((n for n in nodes if element_name(n, self.area) in ("button", "toggleButton")), None)
        if face is not None:
            self.place(element, face, own_label)
        menu = Element("menu")
        self.place_all(menu, [n for n in nodes if n is not face], own_label)
        if menu.children:
            element.children.append(menu)


def shape_area(area, tree):
    """The document element tree of one area, and the placements it had to drop."""
    shaper = _Shaper(area)
    root = Element(ROOT_ELEMENT[area])
    container = root
    if area == "qat":
        container = Element("sharedControls")
        root.children.append(container)
    shaper.place_all(container, tree.root.children, root.name)
    return root, shaper.dropped
