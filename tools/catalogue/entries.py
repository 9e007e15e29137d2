"""The 57 catalogue entries: names, identifiers and document file names.

List order: application, then area, then language. Access has no context
menus, so it has 12 entries and every other application 15.
"""

from dataclasses import dataclass

APPLICATIONS = (
    ("Access", "accesscontrols.xlsx"),
    ("Excel", "excelcontrols.xlsx"),
    ("PowerPoint", "powerpointcontrols.xlsx"),
    ("Word", "wordcontrols.xlsx"),
)
AREAS = ("backstage", "contextMenus", "qat", "tabSet", "tabs")
LANGUAGES = ("cn", "en", "jp")
FIRST_IDENTIFIER = 101
# The one stored document that starts with a UTF-8 byte-order mark.
BYTE_ORDER_MARK_IDENTIFIER = 125


def has_area(application, area):
    return not (application == "Access" and area == "contextMenus")


@dataclass(frozen=True)
class Entry:
    index: int
    application: str
    area: str
    language: str

    @property
    def name(self):
        return f"{self.application}_2013_{self.area}_{self.language}"

    @property
    def identifier(self):
        return self.index + FIRST_IDENTIFIER

    @property
    def file_name(self):
        return f"{self.identifier}_{self.name}.xml"

    @property
    def has_byte_order_mark(self):
        return self.identifier == BYTE_ORDER_MARK_IDENTIFIER


def catalogue_entries():
    combinations = [
        (application, area, language)
        for application, _ in APPLICATIONS
        for area in AREAS
        if has_area(application, area)
        for language in LANGUAGES
    ]
    return [Entry(index, *combination) for index, combination in enumerate(combinations)]
