#!/usr/bin/env python3
"""The include-layer check finds each kind of fault in a small tree and passes a clean one."""
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "scripts"))
import check_layers  # noqa: E402

TABLE = """# Architecture

## Layers

| module | portable | what is built there |
|---|---|---|
| `src/base` | yes | bottom |
| `src/draw` | yes | portable drawing |
| `src/win` | Windows | wrappers |
| `src/engine` | Windows | above the wrappers |
| `src/cli`, `tools/` | yes | programs |

## Next section
| `src/ignored` | yes | not a layer row |
"""


def tree(files):
    root = pathlib.Path(tempfile.mkdtemp())
    (root / "docs").mkdir()
    (root / "docs" / "architecture.md").write_text(TABLE)
    for name, body in files.items():
        path = root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(body)
    return root


class CheckLayers(unittest.TestCase):
    def test_includes_of_own_and_upper_rows_pass(self):
        root = tree({
            "src/base/geometry.h": "",
            "src/draw/strip.h": '#include "base/geometry.h"\n#include "draw/strip.h"\n',
            "src/win/gdi.h": "#include <windows.h>\n#include \"draw/strip.h\"\n",
            "src/engine/form.cpp": '#include "win/gdi.h"\n#include "local.h"\n',
            "tools/gen/main.cpp": '#include "draw/strip.h"\n#include "gen_local.h"\n',
            "src/base/file_win32.cpp": "#include <windows.h>\n",
        })
        self.assertEqual(check_layers.check(root), [])

    def test_each_broken_rule_is_reported_once_with_its_file(self):
        root = tree({
            "src/base/geometry.h": '#include "draw/strip.h"\n',
            "src/draw/strip.h": "#include <windows.h>\n",
            "src/win/gdi.h": '#include "engine/form.h"\n',
            "src/engine/form.h": "",
            "tools/gen/main.cpp": '#include "win/gdi.h"\n',
        })
        self.assertEqual(check_layers.check(root), [
            'src/base/geometry.h: includes "draw/strip.h" of src/draw, a layer below src/base',
            "src/draw/strip.h: a portable module includes <windows.h>",
            'src/win/gdi.h: includes "engine/form.h" of src/engine, a layer below src/win',
            'tools/gen/main.cpp: a portable module includes "win/gdi.h" of the Windows module src/win',
        ])

    def test_the_project_keeps_its_own_table(self):
        root = pathlib.Path(__file__).resolve().parents[2]
        self.assertEqual(check_layers.check(root), [])


if __name__ == "__main__":
    unittest.main()
