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


LAYERS = """# layer folder builds may-use
1 base seam below
2 resources resources below
3 store core below
4 app core below
5 views core below
6 publish publisher base
"""

SOUND = {
    "layers.txt": LAYERS,
    "base/os.h": "#pragma once\n",
    "store/store.h": '#include "base/os.h"\n',
    "app/app_core.h": '#include "store/store.h"\n',
    "app/app_core.cpp": '#include "app/app_core.h"\n',
    "views/view_win32.cpp": '#include <windows.h>\n#include "resources/resource.h"\n',
    "resources/resource.h": "#define IDD_PANEL 100\n",
    "publish/writer.cpp": '#include "base/os.h"\n',
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

    def test_a_portable_file_including_a_windows_only_folder_fails(self):
        tree = dict(SOUND, **{"layers.txt": LAYERS.replace("2 resources resources below\n",
                                                           "2 resources resources below\n2 framework windows below\n"),
                              "framework/wnd.h": "#include <windows.h>\n"})
        self.assertEqual(run_on(dict(tree, **{"views/pane_win32.cpp": '#include "framework/wnd.h"\n'}))[0], 0)
        code, output = run_on(dict(tree, **{"views/pane.cpp": '#include "framework/wnd.h"\n'}))
        self.assertEqual(code, 1)
        self.assertIn("views/pane.cpp: a portable file includes the Windows-only framework/wnd.h", output)

    def test_unit_tests_of_a_folder_no_test_program_builds_fail(self):
        self.assertEqual(run_on(dict(SOUND, **{"tests/publish/writer_test.cpp": "\n",
                                               "tests/views/pane_test.cpp": "\n"}))[0], 0)
        code, output = run_on(dict(SOUND, **{"tests/resources/art_test.cpp": "\n",
                                             "tests/gone/old_test.cpp": "\n"}))
        self.assertEqual(code, 1)
        self.assertIn("tests/resources/art_test.cpp: no test program builds tests/resources/", output)
        self.assertIn("tests/gone/old_test.cpp: no test program builds tests/gone/", output)

    def test_the_libraries_folder_has_tests_and_windows_halves_of_its_own(self):
        files = dict(SOUND, **{"layers.txt": LAYERS.replace("6 publish", "5 ea library below\n6 publish"),
                               "ea/decide.h": '#include "store/store.h"\n',
                               "ea/exports_win32.cpp": '#include <windows.h>\n#include "ea/decide.h"\n',
                               "tests/ea/decide_test.cpp": '#include "ea/decide.h"\n'})
        code, output = run_on(files)
        self.assertEqual(code, 0, output)
        code, output = run_on(dict(files, **{"ea/decide.cpp": '#include <windows.h>\n'}))
        self.assertEqual(code, 1)
        self.assertIn("ea/decide.cpp: a portable file includes the Windows header <windows.h>", output)

    def test_the_core_reaching_a_resource_header_fails(self):
        code, output = run_on(dict(SOUND, **{"store/store.h": '#include "resources/resource.h"\n'}))
        self.assertEqual(code, 1)
        self.assertIn("app/app_core.h: reaches resources/resource.h", output)

    def test_program_code_never_includes_tests(self):
        code, _ = run_on(dict(SOUND, **{"app/x.cpp": '#include "tests/app/helper.h"\n',
                                        "tests/app/helper.h": "#pragma once\n"}))
        self.assertEqual(code, 1)

    def test_a_folder_outside_its_may_use_list_fails(self):
        code, output = run_on(dict(SOUND, **{"publish/writer.cpp": '#include "store/store.h"\n'}))
        self.assertEqual(code, 1)
        self.assertIn("publish/writer.cpp: includes store/store.h, but publish may use only base", output)
        self.assertEqual(run_on(dict(SOUND, **{"publish/writer.cpp": '#include "base/os.h"\n'}))[0], 0)

    def test_a_folder_missing_from_the_list_fails_even_without_includes(self):
        code, output = run_on(dict(SOUND, **{"sound/cue.h": "#pragma once\n"}))
        self.assertEqual(code, 1)
        self.assertIn("folder sound holds program files but is on no layer", output)

    def test_a_listed_folder_that_is_gone_fails(self):
        code, output = run_on(dict(SOUND, **{"layers.txt": LAYERS + "7 shell core below\n"}))
        self.assertEqual(code, 1)
        self.assertIn("folder shell does not exist", output)

    def test_a_list_that_goes_down_or_uses_a_higher_folder_fails(self):
        code, output = run_on(dict(SOUND, **{"layers.txt": LAYERS + "2 shell core app\n",
                                             "shell/main.cpp": "\n"}))
        self.assertEqual(code, 1)
        self.assertIn("layers go bottom to top", output)
        self.assertIn("shell may use app, which is not a folder below it", output)

    def test_a_seam_half_needs_its_partner_and_a_posix_file_needs_a_seam(self):
        code, output = run_on(dict(SOUND, **{"base/clock_win32.cpp": "\n", "store/file_posix.cpp": "\n"}))
        self.assertEqual(code, 1)
        self.assertIn("base/clock_win32.cpp: a seam half without its partner clock_posix.cpp", output)
        self.assertIn("store/file_posix.cpp: a _posix file outside a seam folder", output)
        self.assertEqual(run_on(dict(SOUND, **{"base/clock_win32.cpp": "\n",
                                               "base/clock_posix.cpp": "\n"}))[0], 0)

    def test_the_readme_table_must_be_the_list(self):
        table = "\n".join(f"| `{folder}/` | what | {uses} |" for folder, uses in [
            ("base", "nothing"), ("resources", "the layers below"), ("store", "the layers below"),
            ("app", "the layers below"), ("views", "the layers below"), ("publish", "`base/`")])
        readme = ("# P\n\n## Layout\n\n| layer | what | may use |\n|---|---|---|\n" + table
                  + "\n\nOther folders:\n\n| folder | what |\n|---|---|\n| `tests/` | tests |\n\n## Next\n")
        self.assertEqual(run_on(dict(SOUND, **{"README.md": readme}))[0], 0)
        code, output = run_on(dict(SOUND, **{"README.md": readme.replace("`app/`", "`app/`, `views/`")}))
        self.assertEqual(code, 1)
        self.assertIn("should name layer 4: `app/`", output)
        code, output = run_on(dict(SOUND, **{"README.md": readme.replace("| `base/` |", "| `store/` |")}))
        self.assertEqual(code, 1)
        code, output = run_on(dict(SOUND, **{"README.md": readme.replace("`base/` |\n\n", "`base/`, `store/` |\n\n")}))
        self.assertEqual(code, 1)
        self.assertIn("the layout row of publish/ says it may use base, store; layers.txt says base", output)
        code, output = run_on(dict(SOUND, **{"README.md": readme.replace("| `views/` | what | the layers below |\n", "")}))
        self.assertEqual(code, 1)
        self.assertIn("the layout table has 5 rows, layers.txt 6 layers", output)

    def test_a_function_defined_in_another_folder_than_its_header_fails(self):
        code, output = run_on(dict(SOUND, **{
            "store/player.h": "#pragma once\nclass Sink;\n\n// Windows only.\nSink& FilePlayer();\n",
            "app/player_win32.cpp": '#include "store/player.h"\n\nSink& FilePlayer() {\n    return sink;\n}\n'}))
        self.assertEqual(code, 1)
        self.assertIn("app/player_win32.cpp: defines FilePlayer(), which store/player.h declares", output)
        # A declaration over two lines, ending in an attribute macro, is a declaration too.
        code, output = run_on(dict(SOUND, **{
            "store/text.h": "std::string FormatText(const char* format,\n                       ...) PRINTF_LIKE;\n",
            "app/text.cpp": "std::string FormatText(const char* format, ...) {\n    return {};\n}\n"}))
        self.assertEqual(code, 1)
        self.assertIn("app/text.cpp: defines FormatText(), which store/text.h declares", output)

    def test_members_and_file_local_functions_of_the_same_name_elsewhere_pass(self):
        header = "#pragma once\n\nint Count(int a,\n          int b);\nvoid Reset();\nint Rank(int x);\n"
        elsewhere = (
            '#include "store/count.h"\n\n'
            "namespace {\nint Count(int a, int b) {\n    if (a) { return b; }\n    return a;\n}\n}\n\n"
            "static int Rank(int x) { return x; }\n"
            "void Table::Reset() {}\n"
            'Table::Table() : Count(0), name_("{") {}\n'
            "int Table::Size() const {\n    return Count(1, 2);\n}\n")
        self.assertEqual(run_on(dict(SOUND, **{
            "store/count.h": header,
            "store/count.cpp": "int Count(int a, int b) { return a + b; }\nvoid Reset() {}\n",
            "app/table.cpp": elsewhere}))[0], 0)

    def test_a_listed_sub_folder_must_be_on_its_parents_layer(self):
        on_parents = LAYERS.replace("3 store core below\n", "3 store core below\n3 store/sub core below\n")
        tree = dict(SOUND, **{"store/sub/index.h": '#include "base/os.h"\n'})
        self.assertEqual(run_on(dict(tree, **{"layers.txt": on_parents}))[0], 0)
        above = LAYERS.replace("4 app core below\n", "4 app core below\n4 store/sub core below\n")
        code, output = run_on(dict(tree, **{"layers.txt": above}))
        self.assertEqual(code, 1)
        self.assertIn("store/sub is on layer 4, but its parent store on layer 3", output)
        deeper = on_parents.replace("4 app core below\n", "4 app core below\n4 store/sub/deep core below\n")
        code, output = run_on(dict(tree, **{"layers.txt": deeper, "store/sub/deep/a.h": "\n"}))
        self.assertEqual(code, 1)
        self.assertIn("store/sub/deep is on layer 4, but its parent store/sub on layer 3", output)

    def test_an_unlisted_sub_folder_is_on_its_parents_layer(self):
        tree = dict(SOUND, **{"store/sub/index.h": '#include "base/os.h"\n#include "store/store.h"\n',
                              "store/store.cpp": '#include "store/sub/index.h"\n',
                              "app/sub/deep/rules.h": '#include "store/sub/index.h"\n'})
        self.assertEqual(run_on(tree)[0], 0)
        code, output = run_on(dict(tree, **{"store/sub/index.h": '#include "app/app_core.h"\n'}))
        self.assertEqual(code, 1)
        self.assertIn("store/sub/index.h: includes app/app_core.h, which is not on a layer below store", output)
        self.assertNotIn("on no layer", output)
        code, output = run_on(dict(SOUND, **{"publish/sub/reader.cpp": '#include "store/store.h"\n'}))
        self.assertEqual(code, 1)
        self.assertIn("publish/sub/reader.cpp: includes store/store.h, but publish may use only base", output)

    def test_an_unlisted_sub_folder_builds_as_its_parent(self):
        self.assertEqual(run_on(dict(SOUND, **{"base/sub/clock_win32.cpp": "\n",
                                               "base/sub/clock_posix.cpp": "\n",
                                               "views/sub/pane_win32.cpp": "#include <windows.h>\n"}))[0], 0)
        code, output = run_on(dict(SOUND, **{"base/sub/clock_win32.cpp": "\n",
                                             "store/sub/file_posix.cpp": "\n",
                                             "views/sub/pane.cpp": "#include <windows.h>\n"}))
        self.assertEqual(code, 1)
        self.assertIn("base/sub/clock_win32.cpp: a seam half without its partner clock_posix.cpp", output)
        self.assertIn("store/sub/file_posix.cpp: a _posix file outside a seam folder", output)
        self.assertIn("views/sub/pane.cpp: a portable file includes the Windows header <windows.h>", output)


if __name__ == "__main__":
    unittest.main()
