"""CTest driver: regenerates the checker's customUI rule tables from the two
customUI schemas and compares them byte for byte with the committed file.
Exits 77 (reported as skipped) when the schemas are not on this machine."""

import os
import sys

SKIPPED = 77


def main():
    repository = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    schemas = os.path.normpath(sys.argv[1] if len(sys.argv) > 1
                               else os.path.join(repository, os.pardir, "shared", "customui-schema"))
    if not os.path.isdir(schemas):
        print(f"SKIPPED: schemas folder {schemas} not found; cannot regenerate the customUI rules")
        return SKIPPED
    sys.path.insert(0, os.path.join(repository, "tools"))
    import generate_customui_rules
    return generate_customui_rules.main(["--check", "--schemas", schemas, "--output",
                                         os.path.join(repository, "checker", "CustomUiSchemaTables.cpp")])


if __name__ == "__main__":
    sys.exit(main())
