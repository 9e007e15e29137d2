#!/usr/bin/env python3
"""Generates Talpora's 57 embedded catalogue documents and its identifier index.

Reads Microsoft's control-identifier workbooks (accesscontrols.xlsx,
excelcontrols.xlsx, powerpointcontrols.xlsx, wordcontrols.xlsx): those of
Office 2013 at the top of the workbooks folder, those of the later versions in
its folders 2016/, 2019/ and 365-current-channel/. Writes one stored document
per catalogue entry, named "<identifier>_<entry name>.xml", from the Office
2013 workbooks, and the identifier index (--index) from the workbooks of
every application Microsoft publishes (Outlook: one per window).

    python3 tools/generate_catalogue.py [--workbooks DIR] [--output DIR] [--index FILE] [--check]

--check generates into a temporary folder and compares byte for byte with the
documents in --output and with the --index file; it changes nothing and exits
1 when they differ.
A summary of dropped rows and placements goes to stderr.
Exit codes: 0 success, 1 check found differences, 2 bad input.
"""

import argparse
import os
import re
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from catalogue.errors import CatalogueError  # noqa: E402
from catalogue.generate import read_catalogue_and_index  # noqa: E402
from catalogue.identifiers import index_summary_lines, index_text  # noqa: E402
from catalogue.summary import summary_text  # noqa: E402

REPOSITORY = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_WORKBOOKS = os.path.join(REPOSITORY, os.pardir, "shared", "office-control-ids")
DEFAULT_OUTPUT = os.path.join(REPOSITORY, "catalogue", "documents")
DEFAULT_INDEX = os.path.join(REPOSITORY, "catalogue", "identifiers", "identifiers.txt")
# Only files that look like ours are ever replaced or reported as stray.
_DOCUMENT_FILE = re.compile(r"^[0-9]+_.*\.xml$")


def write_documents(documents, folder):
    os.makedirs(folder, exist_ok=True)
    for name in existing_documents(folder):
        if name not in documents:
            os.remove(os.path.join(folder, name))
    for name, data in documents.items():
        with open(os.path.join(folder, name), "wb") as file:
            file.write(data)


def existing_documents(folder):
    if not os.path.isdir(folder):
        return []
    return sorted(name for name in os.listdir(folder) if _DOCUMENT_FILE.match(name))


def differences(expected_folder, actual_folder):
    """Lines naming every document that is missing, extra or different."""
    expected = set(existing_documents(expected_folder))
    actual = set(existing_documents(actual_folder))
    lines = [f"missing: {name}" for name in sorted(expected - actual)]
    lines += [f"not generated (stray): {name}" for name in sorted(actual - expected)]
    for name in sorted(expected & actual):
        with open(os.path.join(expected_folder, name), "rb") as a, open(os.path.join(actual_folder, name), "rb") as b:
            if a.read() != b.read():
                lines.append(f"differs: {name}")
    return lines


def parse_arguments(argv):
    parser = argparse.ArgumentParser(description="Generate Talpora's catalogue documents.")
    parser.add_argument("--workbooks", default=DEFAULT_WORKBOOKS,
                        help="folder holding the four *controls.xlsx workbooks (default: %(default)s)")
    parser.add_argument("--output", default=DEFAULT_OUTPUT,
                        help="folder of the stored documents (default: %(default)s)")
    parser.add_argument("--index", default=DEFAULT_INDEX,
                        help="file of the identifier index (default: %(default)s)")
    parser.add_argument("--check", action="store_true",
                        help="compare freshly generated files with --output and --index instead of writing")
    parser.add_argument("--quiet", action="store_true", help="do not print the summary")
    return parser.parse_args(argv)


def write_index(text, path):
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path, "wb") as file:
        file.write(text.encode("utf-8"))


def index_differs(text, path):
    try:
        with open(path, "rb") as file:
            return file.read() != text.encode("utf-8")
    except OSError:
        return True


def main(argv=None):
    arguments = parse_arguments(argv)
    try:
        catalogue, index = read_catalogue_and_index(arguments.workbooks)
    except CatalogueError as error:
        print(f"error: {error}", file=sys.stderr)
        return 2
    text = index_text(index)
    if not arguments.quiet:
        sys.stderr.write(summary_text(catalogue))
        sys.stderr.write("".join(line + "\n" for line in index_summary_lines(index)))
    if not arguments.check:
        write_documents(catalogue.documents, arguments.output)
        write_index(text, arguments.index)
        print(f"wrote {len(catalogue.documents)} documents to {arguments.output} "
              f"and the identifier index to {arguments.index}", file=sys.stderr)
        return 0
    with tempfile.TemporaryDirectory(prefix="talpora-catalogue-") as scratch:
        write_documents(catalogue.documents, scratch)
        problems = differences(scratch, arguments.output)
    if index_differs(text, arguments.index):
        problems.append(f"differs: {arguments.index}")
    if problems:
        print(f"{arguments.output} or {arguments.index} do not match the workbooks ({len(problems)} files):",
              file=sys.stderr)
        for line in problems:
            print(f"  {line}", file=sys.stderr)
        print("regenerate with: python3 tools/generate_catalogue.py", file=sys.stderr)
        return 1
    print(f"all {len(catalogue.documents)} documents in {arguments.output} and the identifier index "
          f"match the workbooks", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
