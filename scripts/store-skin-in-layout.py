#!/usr/bin/env python3
"""Writes a skin package into a stored layout as the "DataStream" of a skin
store's item, in the layout writer's form (32 bytes of hexadecimal a line).

Usage: store-skin-in-layout.py LAYOUT ITEM_NAME PACKAGE

The item's "DataStream = {...}" value is replaced; everything else of the
layout stays as it is. src/app/main_form.layout keeps data/skins/default.skn
this way (item 'SkinItem0'); a test of the main window compares the two.
"""
import re
import sys

BYTES_PER_LINE = 32


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__.strip().splitlines()[2])
    layout_path, item, package_path = sys.argv[1:]
    text = open(layout_path, encoding="utf-8").read()
    data = open(package_path, "rb").read()
    pattern = re.compile(
        r"(^( *)Name = '" + re.escape(item) + r"'\n\2DataStream = )\{[^}]*\}", re.MULTILINE)
    match = pattern.search(text)
    if not match:
        sys.exit(f"{layout_path}: no item '{item}' with a DataStream")
    indent = match.group(2) + "  "
    lines = [data[i:i + BYTES_PER_LINE].hex().upper() for i in range(0, len(data), BYTES_PER_LINE)]
    value = "{}" if not lines else "{\n" + "\n".join(indent + line for line in lines) + "}"
    text = text[:match.start()] + match.group(1) + value + text[match.end():]
    with open(layout_path, "w", encoding="utf-8") as out:
        out.write(text)


if __name__ == "__main__":
    main()
