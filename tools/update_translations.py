#!/usr/bin/env python3
"""Keeps the Qt Linguist files in translations/ in step with the sources.

    tools/update_translations.py            # add new texts, drop vanished ones
    tools/update_translations.py --check    # fail when a text lacks a translation

The first form runs lupdate over the sources of each program and rewrites its
.ts files: a new text appears as an unfinished entry to translate (in Qt
Linguist, or by writing the <translation> and removing type="unfinished").
English, the language of the sources, has a file only for the plural forms of
texts that count ("%n error(s)": "%n error", "%n errors"), where a program has
such texts.
--check runs lupdate over temporary copies instead and fails when any text of
the sources is missing or unfinished in any language, when a translation
leaves out or adds a placeholder (%1), or when a file holds texts the sources
no longer have. lupdate is looked up in PATH and in /usr/lib/qt6/bin (Debian:
qt6-l10n-tools); --lupdate names it.
"""

import argparse
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LANGUAGES = ("zh_CN", "ja")
# Each program's translation files and the folders whose texts it shows.
CATALOGUES = {
    "talpora": ("xml", "catalogue", "viewer", "checker"),
    "quillet": ("registrar",),
}
# The programs whose English file holds the plural forms of their counting texts.
ENGLISH_PLURALS = ("talpora",)
PLACEHOLDER = re.compile(r"%(\d)")


def find_lupdate(named):
    if named:
        return named
    found = shutil.which("lupdate") or shutil.which("lupdate", path="/usr/lib/qt6/bin")
    if not found:
        sys.exit("lupdate not found: install qt6-l10n-tools")
    return found


def ts_files_of(catalogue, folder):
    """The catalogue's files in `folder`: each translated language's, then
    English plural forms' (or None)."""
    translated = [folder / f"{catalogue}_{language}.ts" for language in LANGUAGES]
    plurals = folder / f"{catalogue}_en.ts" if catalogue in ENGLISH_PLURALS else None
    return translated, plurals


def run_lupdate(lupdate, catalogue, ts_files, keep_vanished, plural_only=False):
    # Includes name their layer ("viewer/ui/Form1.h"): lupdate finds the
    # classes, and so the contexts tr() uses, through the root.
    command = [lupdate, "-silent", "-locations", "none", "-extensions", "cpp,h", "-I", str(ROOT)]
    if not keep_vanished:
        command.append("-no-obsolete")
    if plural_only:
        command.append("-pluralonly")
    command += [str(ROOT / folder) for folder in CATALOGUES[catalogue]]
    command += ["-ts"] + [str(path) for path in ts_files]
    subprocess.run(command, check=True)


def problems_in(ts_file, shown_name):
    problems = []
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        context_name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if message.get("numerus") == "yes" and translation is not None:
                # Every plural form translated; the placeholders checked on each.
                forms = [form.text or "" for form in translation.iter("numerusform")]
                text = "" if not forms or not all(forms) else forms[0]
                for form in forms[1:]:
                    if set(PLACEHOLDER.findall(form)) != set(PLACEHOLDER.findall(text)):
                        text = form
                        break
            else:
                text = (translation.text or "") if translation is not None else ""
            where = f'{shown_name}: {context_name}: "{source}"'
            if kind in ("vanished", "obsolete"):
                problems.append(f"{where}: no longer in the sources")
            elif kind == "unfinished" or not text:
                problems.append(f"{where}: not translated")
            elif set(PLACEHOLDER.findall(source)) != set(PLACEHOLDER.findall(text)):
                problems.append(f'{where}: the translation "{text}" has other placeholders')
    return problems


def check(lupdate):
    problems = []
    with tempfile.TemporaryDirectory() as work:
        for catalogue in CATALOGUES:
            committed, plurals = ts_files_of(catalogue, ROOT / "translations")
            for paths, plural_only in ((committed, False), ([plurals] if plurals else [], True)):
                copies = []
                for path in paths:
                    if not path.exists():
                        problems.append(f"translations/{path.name}: missing")
                        continue
                    copies.append(Path(shutil.copy(path, work)))
                if not copies:
                    continue
                run_lupdate(lupdate, catalogue, copies, keep_vanished=True,
                            plural_only=plural_only)
                for copy in copies:
                    problems += problems_in(copy, f"translations/{copy.name}")
    for problem in problems:
        print(problem)
    if problems:
        print("Run tools/update_translations.py and translate every unfinished entry.")
        return 1
    print("Every text is translated into " + " and ".join(LANGUAGES) +
          ", and English has every plural form.")
    return 0


def update(lupdate):
    for catalogue in CATALOGUES:
        files, plurals = ts_files_of(catalogue, ROOT / "translations")
        run_lupdate(lupdate, catalogue, files, keep_vanished=False)
        if plurals:
            run_lupdate(lupdate, catalogue, [plurals], keep_vanished=False, plural_only=True)
            files.append(plurals)
        for path in files:
            unfinished = [problem for problem in problems_in(path, f"translations/{path.name}")
                          if problem.endswith("not translated")]
            print(f"translations/{path.name}: {len(unfinished)} texts to translate")
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="change nothing; fail when a text lacks a translation")
    parser.add_argument("--lupdate", help="the lupdate program to run")
    arguments = parser.parse_args()
    lupdate = find_lupdate(arguments.lupdate)
    return check(lupdate) if arguments.check else update(lupdate)


if __name__ == "__main__":
    sys.exit(main())
