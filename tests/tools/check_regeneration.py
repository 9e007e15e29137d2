"""CTest driver: regenerates the catalogue and the identifier index from the
workbooks and compares them byte for byte with the committed files. Exits 77 (reported as skipped)
when the workbooks are not available on this machine."""

import os
import sys

SKIPPED = 77


def main():
    repository = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    workbooks = os.path.normpath(sys.argv[1] if len(sys.argv) > 1
                                 else os.path.join(repository, os.pardir, "shared", "office-control-ids"))
    if not os.path.isdir(workbooks):
        print(f"SKIPPED: workbooks folder {workbooks} not found; cannot regenerate the catalogue")
        return SKIPPED
    sys.path.insert(0, os.path.join(repository, "tools"))
    import generate_catalogue
    return generate_catalogue.main(["--check", "--quiet", "--workbooks", workbooks,
                                    "--output", os.path.join(repository, "catalogue", "documents"),
                                    "--index", os.path.join(repository, "catalogue", "identifiers", "identifiers.txt")])


if __name__ == "__main__":
    sys.exit(main())
