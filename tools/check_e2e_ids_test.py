#!/usr/bin/env python3
"""The check of the end-to-end cases' ids finds what it must: run on made-up headers and cases."""
import os
import subprocess
import sys
import tempfile
import unittest

TOOLS = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, TOOLS)
import check_e2e_ids  # noqa: E402
import resource_ids  # noqa: E402  (check_e2e_ids put tests/e2e on the path)

HEADER = """// Made-up numbers.
#pragma once
#define IDD_PANEL 102
#define IDC_AGREED 1047
  #define ID_QUIT 40001  // indented, with a comment
#define ID_ABOUT_BOX 40002
#define IDB_TAB 135
#define NOT_A_NUMBER (ID_QUIT + 1)
"""
NUMBERS = resource_ids.parse(HEADER)


def lines_found(source):
    return [line for line, _ in check_e2e_ids.findings(source, NUMBERS)]


def what_found(source):
    return " / ".join(what for _, what in check_e2e_ids.findings(source, NUMBERS))


class ReadingHeaders(unittest.TestCase):
    def test_every_numbered_define_is_read_and_nothing_else(self):
        self.assertEqual(NUMBERS, {"IDD_PANEL": 102, "IDC_AGREED": 1047, "ID_QUIT": 40001,
                                   "ID_ABOUT_BOX": 40002, "IDB_TAB": 135})

    def test_only_id_names_are_menu_commands(self):
        self.assertEqual(resource_ids.command_names(NUMBERS),
                         {40001: "ID_QUIT", 40002: "ID_ABOUT_BOX"})

    def test_names_read_as_the_probes_text(self):
        ids = resource_ids.Ids(NUMBERS)
        self.assertEqual(ids.IDC_AGREED, "1047")
        with self.assertRaises(AttributeError):
            ids.IDC_MISSING

    def test_a_name_two_headers_number_differently_fails(self):
        with tempfile.TemporaryDirectory() as folder:
            for name, text in {"resource.h": HEADER, "resource_more.h": "#define IDB_TAB 136\n"}.items():
                with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
                    f.write(text)
            with self.assertRaisesRegex(ValueError, "IDB_TAB"):
                resource_ids.read(folder)

    def test_headers_without_a_menu_command_fail(self):
        with tempfile.TemporaryDirectory() as folder:
            with open(os.path.join(folder, "resource.h"), "w", encoding="utf-8") as f:
                f.write("#define IDB_TAB 135\n")
            with self.assertRaises(ValueError):
                resource_ids.read(folder)


class BareIds(unittest.TestCase):
    def test_named_commands_and_controls_pass(self):
        self.assertEqual(lines_found(
            'from resource_ids import ids\n'
            'IDOK = "1"\n'
            'AGREED = ids.IDC_AGREED\n'
            'def run(r):\n'
            '    r.command("ID_QUIT")\n'
            '    r.command("IDB_TAB")\n'
            '    r.probe("press", "Title", AGREED)\n'
            '    r.probe("answer", "text", IDOK)\n'
            '    r.probe("key", "13")\n'
            '    r.check("ID_QUIT quits", True)\n'
            '    r.wait_for(lambda: True, 40)\n'), [])

    def test_a_command_number_in_a_constant_fails_and_is_named(self):
        source = 'ID_QUIT = "40001"\nOTHER = 40002\n'
        self.assertEqual(lines_found(source), [1, 2])
        self.assertIn("the number of ID_QUIT", what_found(source))
        self.assertIn("the number of ID_ABOUT_BOX", what_found(source))

    def test_a_command_number_inside_a_text_fails(self):
        self.assertEqual(lines_found('def run(r):\n    r.check("command 40001 quits", True)\n'),
                         [2])

    def test_a_longer_number_holding_the_command_number_passes(self):
        self.assertEqual(lines_found('PORT = 400011\nTIME = "1.40001"\n'), [])

    def test_a_command_sent_by_number_fails_whatever_the_number(self):
        source = ('def run(r):\n'
                  '    r.probe("command", "135")\n'
                  '    r.probe("command", str(136))\n'
                  '    r.probe("command", 137)\n'
                  '    r.command("138")\n')
        self.assertEqual(lines_found(source), [2, 3, 4, 5])
        self.assertIn("r.command(NAME)", what_found(source))

    def test_a_control_or_button_given_by_number_fails(self):
        self.assertEqual(lines_found(
            'def run(r):\n'
            '    r.probe("press", "Title", "1047")\n'
            '    r.probe("dlgkey", "Title", "1", "13")\n'
            '    r.probe("lvcheck", "Title", str(1000), "0", "1")\n'
            '    r.probe("answer", "text", "1")\n'), [2, 3, 4, 5])

    def test_an_unknown_resource_name_fails(self):
        source = ('from resource_ids import ids\n'
                  'BOX = ids.IDC_MISSING\n'
                  'def run(r):\n'
                  '    r.command("ID_QUTI")\n')
        self.assertEqual(lines_found(source), [2, 4])
        self.assertIn("no resource ID_QUTI", what_found(source))


class OnFiles(unittest.TestCase):
    def test_the_command_names_each_finding_by_file_and_line_and_fails(self):
        with tempfile.TemporaryDirectory() as folder:
            good = os.path.join(folder, "cases_good.py")
            bad = os.path.join(folder, "cases_bad.py")
            with open(good, "w", encoding="utf-8") as f:
                f.write('def run(r):\n    r.command("ID_EXIT")\n')
            with open(bad, "w", encoding="utf-8") as f:
                f.write('def run(r):\n    r.probe("command", "123")\n')
            done = subprocess.run([sys.executable, os.path.join(TOOLS, "check_e2e_ids.py"),
                                   good, bad], capture_output=True, text=True)
        self.assertEqual(done.returncode, 1)
        self.assertIn("cases_bad.py:2: a command sent by number", done.stdout)
        self.assertNotIn("cases_good.py", done.stdout)


if __name__ == "__main__":
    unittest.main()
