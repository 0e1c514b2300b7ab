#!/usr/bin/env python3
"""The layer check finds what it must: run on small made-up trees."""
import os
import subprocess
import sys
import tempfile
import unittest

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "check_layers.py")


def run_on(files):
    """Writes the files (path -> text) into a fresh tree and runs the check: (exit code, output)."""
    with tempfile.TemporaryDirectory() as root:
        for path, text in files.items():
            os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
            with open(os.path.join(root, path), "w", encoding="utf-8") as f:
                f.write(text)
        done = subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True)
        return done.returncode, done.stdout


SOUND = {
    "base/os.h": "#pragma once\n",
    "store/store.h": '#include "base/os.h"\n',
    "app/app_core.h": '#include "store/store.h"\n',
    "app/app_core.cpp": '#include "app/app_core.h"\n',
    "views/view_win32.cpp": '#include <windows.h>\n#include "resources/resource.h"\n',
    "resources/resource.h": "#define IDD_PANEL 100\n",
    "tests/app/app_core_test.cpp": '#include "app/app_core.h"\n',
}


class CheckLayers(unittest.TestCase):
    def test_a_tree_whose_includes_point_down_passes(self):
        self.assertEqual(run_on(SOUND)[0], 0)

    def test_an_include_up_the_layers_fails_and_names_the_file(self):
        code, output = run_on(dict(SOUND, **{"store/store.cpp": '#include "app/app_core.h"\n'}))
        self.assertEqual(code, 1)
        self.assertIn("store/store.cpp: includes app/app_core.h", output)
        self.assertIn("circle", output)

    def test_a_windows_header_in_a_portable_file_fails(self):
        code, output = run_on(dict(SOUND, **{"store/file.cpp": "#include <windows.h>\n"}))
        self.assertEqual(code, 1)
        self.assertIn("<windows.h>", output)

    def test_the_core_reaching_a_resource_header_fails(self):
        code, output = run_on(dict(SOUND, **{"store/store.h": '#include "resources/resource.h"\n'}))
        self.assertEqual(code, 1)
        self.assertIn("app/app_core.h: reaches resources/resource.h", output)

    def test_program_code_never_includes_tests(self):
        code, _ = run_on(dict(SOUND, **{"app/x.cpp": '#include "tests/app/helper.h"\n',
                                        "tests/app/helper.h": "#pragma once\n"}))
        self.assertEqual(code, 1)


if __name__ == "__main__":
    unittest.main()
