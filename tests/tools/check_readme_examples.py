"""Runs every `$ talpora-cli ...` example of README.md in docs/examples/ and
compares what it prints (standard output, then standard error) with the lines
the README shows under it, so that the README stays true."""

import pathlib
import shlex
import subprocess
import sys


def examples(readme):
    """(arguments, expected lines) of each indented `$ talpora-cli` line."""
    lines = readme.splitlines()
    for index, line in enumerate(lines):
        if not line.startswith("    $ talpora-cli "):
            continue
        expected = []
        for following in lines[index + 1:]:
            # A blank line inside the indented block is part of the output.
            if following and not following.startswith("    ") or following.startswith("    $ "):
                break
            expected.append(following[4:])
        while expected and not expected[-1]:
            expected.pop()
        yield shlex.split(line[len("    $ talpora-cli "):]), expected


def main():
    cli, source = sys.argv[1], pathlib.Path(sys.argv[2])
    found = 0
    failures = 0
    for arguments, expected in examples((source / "README.md").read_text(encoding="utf-8")):
        found += 1
        run = subprocess.run([cli, *arguments], cwd=source / "docs" / "examples",
                             capture_output=True, text=True, check=False)
        actual = (run.stdout + run.stderr).splitlines()
        if actual != expected:
            failures += 1
            print(f"talpora-cli {shlex.join(arguments)}\nREADME:\n" + "\n".join(expected) +
                  "\nprinted:\n" + "\n".join(actual) + "\n")
    print(f"{found} examples, {failures} differ")
    return 1 if failures or found == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
