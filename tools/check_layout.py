#!/usr/bin/env python3
"""Checks the library's layering: which folder may include which, and that
the platform-neutral core never reaches Windows.

    check_layout.py [source root]

The folders of src/interface/ stand on floors.  A file may include headers
of its own folder and of folders on lower floors, never of a folder on its
own floor or above: so no two folders can include each other.

The core is every file of text/, labels/, imaging/, settings/ and
print_ticket/ whose name does not end in _win32, and every page model (pages/*_model.*).  It builds
natively as well, so it includes no Windows header and no header of the
Windows shell.  Exit status 0 when every rule holds; otherwise one line per
broken rule and status 1.
"""
import os
import re
import sys

FLOORS = {
    "text": 0,
    "resources": 0,
    "labels": 1,
    "imaging": 1,
    "settings": 2,
    "sheet_context": 3,
    "pages": 4,
    "print_ticket": 5,
    "sheets": 6,
}
CORE_FOLDERS = {"text", "labels", "imaging", "settings", "print_ticket"}
# Headers of the platform and of the C runtime's Windows-only parts.
WINDOWS_HEADERS = {
    "windows.h", "winspool.h", "commctrl.h", "commdlg.h", "compstui.h", "prsht.h",
    "shlobj.h", "winddiui.h", "io.h", "shellapi.h", "winreg.h", "setupapi.h",
}
# Resources the core may name: plain identifiers, no Windows types.
CORE_RESOURCE_HEADERS = {"resources/resource_ids.h"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def is_core(folder, name):
    stem = os.path.splitext(name)[0]
    if folder in CORE_FOLDERS:
        return not stem.endswith("_win32")
    return folder == "pages" and stem.endswith("_model")


def is_core_header(include):
    folder, _, name = include.partition("/")
    if include in CORE_RESOURCE_HEADERS:
        return True
    return bool(name) and is_core(folder, name)


def check_file(root, folder, name):
    problems = []
    path = os.path.join(root, folder, name)
    core = is_core(folder, name)
    with open(path, encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, include = match.groups()
            where = f"src/interface/{folder}/{name}:{number}"
            if bracket == "<":
                if core and include.lower() in WINDOWS_HEADERS:
                    problems.append(f"{where}: the core includes the Windows header <{include}>")
                continue
            target = include.partition("/")[0]
            if target not in FLOORS:
                continue
            if target != folder and FLOORS[target] >= FLOORS[folder]:
                problems.append(f"{where}: {folder}/ (floor {FLOORS[folder]}) includes {include}, "
                                f"which is on floor {FLOORS[target]}")
            if core and not is_core_header(include):
                problems.append(f"{where}: the core includes {include}, a header of the Windows shell")
    return problems


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.join(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(here), "src", "interface")
    problems = []
    for folder in sorted(os.listdir(root)):
        if not os.path.isdir(os.path.join(root, folder)):
            continue
        if folder not in FLOORS:
            problems.append(f"src/interface/{folder}/: a folder without a floor; add it to {__file__}")
            continue
        for name in sorted(os.listdir(os.path.join(root, folder))):
            if name.endswith((".h", ".cpp")):
                problems.extend(check_file(root, folder, name))
    for problem in problems:
        print(problem)
    if problems:
        return 1
    print("layout: every include points down; the core stays off Windows")
    return 0


if __name__ == "__main__":
    sys.exit(main())
