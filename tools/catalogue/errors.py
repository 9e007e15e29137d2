"""The one error type the catalogue generator raises for bad input."""


class CatalogueError(Exception):
    """Input the generator cannot turn into documents; the message names where."""
