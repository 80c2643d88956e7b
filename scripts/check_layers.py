#!/usr/bin/env python3
"""Fails when a module includes a header of a module it may not use.

The layer table of docs/architecture.md is the source of truth: its rows list the modules
from the bottom of the stack up, each row's first column names the module's directories (in
backquotes) and its second says whether the module is portable. A module may include headers
of its own row and of the rows above it; a portable module includes no header of a Windows
module and no <windows.h>, except in its platform halves (files with "win32" in their name).

Usage: check_layers.py ROOT   (ROOT holds docs/architecture.md and the module directories)
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".c", ".rc"}


def read_layers(root):
    """(directories, portable) per table row, top row first."""
    text = (root / "docs" / "architecture.md").read_text(encoding="utf-8")
    section = text.split("## Layers", 1)
    if len(section) < 2:
        sys.exit("check_layers: docs/architecture.md has no \"## Layers\" section")
    layers = []
    for line in section[1].splitlines():
        if line.startswith("## "):
            break
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) < 2 or not cells[0].startswith("`"):
            continue
        dirs = [d.rstrip("/") for d in re.findall(r"`([^`]+)`", cells[0])]
        layers.append((dirs, cells[1].lower().startswith("yes")))
    if not layers:
        sys.exit("check_layers: the layer table of docs/architecture.md has no rows")
    return layers


def module_of(path, layers):
    """Index of the row whose directory holds path (the longest match), or None."""
    best, best_len = None, -1
    for index, (dirs, _) in enumerate(layers):
        for d in dirs:
            if (path == d or path.startswith(d + "/")) and len(d) > best_len:
                best, best_len = index, len(d)
    return best


def check(root):
    layers = read_layers(root)
    faults = []
    for index, (dirs, portable) in enumerate(layers):
        for d in dirs:
            for file in sorted((root / d).rglob("*")):
                if file.suffix not in SOURCE_SUFFIXES or not file.is_file():
                    continue
                name = file.relative_to(root).as_posix()
                if module_of(name, layers) != index:
                    continue  # a nested module's file, checked under its own row
                body = file.read_text(encoding="utf-8", errors="replace")
                for kind, header in INCLUDE.findall(body):
                    if kind == "<":
                        if portable and header.lower() == "windows.h" and "win32" not in file.name:
                            faults.append(f"{name}: a portable module includes <windows.h>")
                        continue
                    target = module_of("src/" + header, layers)
                    if target is None or not (root / "src" / header).exists():
                        continue  # a header beside the file, not a module's
                    if target > index:
                        faults.append(f"{name}: includes \"{header}\" of {layers[target][0][0]}, "
                                      f"a layer below {dirs[0]}")
                    elif portable and not layers[target][1]:
                        faults.append(f"{name}: a portable module includes \"{header}\" of the "
                                      f"Windows module {layers[target][0][0]}")
    return faults


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    faults = check(pathlib.Path(sys.argv[1]))
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) break the layer order of docs/architecture.md")
        return 1
    print("every include keeps the layer order of docs/architecture.md")
    return 0


if __name__ == "__main__":
    sys.exit(main())
