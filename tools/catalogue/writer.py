"""Writes a document element tree in the catalogue's stored byte format.

One element per line, one TAB per nesting level, CR LF after every line, no
XML declaration. Backstage groups and categories without children are written
as a start tag and an end tag on consecutive lines; every other childless
element uses the empty-element form. The stored size is padded with NUL bytes
to a multiple of 4.
"""

from xml.sax.saxutils import escape

BYTE_ORDER_MARK = b"\xef\xbb\xbf"
_NEWLINE = "\r\n"
_OPEN_WHEN_EMPTY_IN_BACKSTAGE = frozenset({"group", "category"})


def _start_tag(element):
    value = escape(element.id_mso, {'"': "&quot;"})
    attributes = f' idMso="{value}"' if element.id_mso else ""
    return f"<{element.name}{attributes}"


def _lines(element, depth, area):
    indent = "\t" * depth
    tag = _start_tag(element)
    if element.children:
        yield f"{indent}{tag}>"
        for child in element.children:
            yield from _lines(child, depth + 1, area)
        yield f"{indent}</{element.name}>"
    elif area == "backstage" and element.name in _OPEN_WHEN_EMPTY_IN_BACKSTAGE:
        yield f"{indent}{tag}>"
        yield f"{indent}</{element.name}>"
    else:
        yield f"{indent}{tag}/>"


def document_text(root, area):
    return "".join(line + _NEWLINE for line in _lines(root, 0, area))


def stored_bytes(root, area, byte_order_mark=False):
    data = (BYTE_ORDER_MARK if byte_order_mark else b"") + document_text(root, area).encode("utf-8")
    return data + b"\0" * (-len(data) % 4)
