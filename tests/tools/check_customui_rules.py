"""CTest driver: regenerates the checker's customUI rule tables from the two
customUI schemas and compares them byte for byte with the committed file."""

import os
import sys

from regeneration import REPOSITORY, regenerate


def check(schemas):
    import generate_customui_rules
    return generate_customui_rules.main(["--check", "--schemas", schemas, "--output",
                                         os.path.join(REPOSITORY, "checker", "CustomUiSchemaTables.cpp")])


if __name__ == "__main__":
    sys.exit(regenerate("customui-schema", "the customUI rules", check))
