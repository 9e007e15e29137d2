"""Nests the placed rows of one area by their idMso paths.

A row's parent is the first row whose own path (place + idMso) equals the
row's place. Parents are looked up after every row is known, so a child that
comes before its parent in the workbook still finds it, and children keep
workbook row order.

A row that repeats an earlier sibling (same control type and idMso) is left
out, with one exception: the workbooks list a split button's face (its first
button or toggle button) a second time when the same command also opens the
drop-down menu, as Paste does under PasteMenu. That second listing is kept and
becomes the first item of the split button's menu.
"""

from dataclasses import dataclass, field

_FACE_KINDS = ("button", "toggleButton")


@dataclass(eq=False)
class Node:
    kind: str             # the workbook's Control Type; the root's is the area
    id_mso: str = ""
    placed: object = None  # the PlacedRow, None for the root
    children: list = field(default_factory=list)

    def descendant_count(self):
        return sum(1 + child.descendant_count() for child in self.children)


@dataclass
class AreaTree:
    root: Node
    orphans: list     # nodes whose parent path names no element
    repeats: int = 0  # rows left out as repeats of an earlier sibling


class _Siblings:
    """What one parent already holds, to recognise repeats."""

    def __init__(self, parent):
        self.parent = parent
        self.seen = set()
        self.face = None
        self.face_repeated = False

    def accepts(self, node):
        key = (node.kind, node.id_mso)
        if self.parent.kind == "splitButton" and self.face is None and node.kind in _FACE_KINDS:
            self.face = key
        if key not in self.seen:
            self.seen.add(key)
            return True
        if key == self.face and not self.face_repeated:
            self.face_repeated = True
            return True
        return False


def build_tree(area, placed_rows):
    """The rows' nodes under one root; rows must all belong to `area`."""
    nodes = [Node(p.row.type, p.row.name, p) for p in placed_rows]
    first_at = {}
    for node in nodes:
        first_at.setdefault(node.placed.path, node)
    root = Node(area)
    tree = AreaTree(root, [])
    siblings = {}
    for node in nodes:
        place = node.placed.place
        parent = first_at.get(place) if place else root
        if parent is None:
            tree.orphans.append(node)
        elif siblings.setdefault(id(parent), _Siblings(parent)).accepts(node):
            parent.children.append(node)
        else:
            tree.repeats += 1
    return tree
