"""What the regenerate-and-compare CTest drivers share: where the generator's
inputs are (the first argument, else a sibling folder of the repository under
shared/) and the exit status 77, reported as skipped, when they are missing."""

import os
import sys

SKIPPED = 77
REPOSITORY = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def regenerate(shared_folder, what, check):
    """Runs check(inputs folder) with tools/ importable; its status is ours."""
    inputs = os.path.normpath(sys.argv[1] if len(sys.argv) > 1
                              else os.path.join(REPOSITORY, os.pardir, "shared", shared_folder))
    if not os.path.isdir(inputs):
        print(f"SKIPPED: {inputs} not found; cannot regenerate {what}")
        return SKIPPED
    sys.path.insert(0, os.path.join(REPOSITORY, "tools"))
    return check(inputs)
