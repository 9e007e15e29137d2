"""CTest driver: regenerates the catalogue and the identifier index from the
workbooks and compares them byte for byte with the committed files."""

import os
import sys

from regeneration import REPOSITORY, regenerate


def check(workbooks):
    import generate_catalogue
    return generate_catalogue.main(["--check", "--quiet", "--workbooks", workbooks,
                                    "--output", os.path.join(REPOSITORY, "catalogue", "documents"),
                                    "--index", os.path.join(REPOSITORY, "catalogue", "identifiers", "identifiers.txt")])


if __name__ == "__main__":
    sys.exit(regenerate("office-control-ids", "the catalogue", check))
