#!/usr/bin/env python3
"""tools/release.sh refuses a release without compiled expert advisors, naming what is missing,
before it builds anything."""
import os
import subprocess
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
KEY = os.path.join(ROOT, "tools", "keys", "test-only-update-key.pem")
PLACEHOLDERS = os.path.join(ROOT, "resources", "program")


def release(*arguments):
    with tempfile.TemporaryDirectory() as out:
        done = subprocess.run(["bash", os.path.join(ROOT, "tools", "release.sh"), "--version", "3101",
                               "--key", KEY, "--out", out] + list(arguments),
                              capture_output=True, text=True, cwd=ROOT)
    return done.returncode, done.stderr


class ReleaseRefusals(unittest.TestCase):
    def test_without_compiled_advisors_it_names_all_three(self):
        code, error = release()
        self.assertEqual(code, 1)
        self.assertIn("QZEA.ex4 QZEA_TT.ex4 QZGI.ex4 missing", error)
        self.assertIn("--demo", error)

    def test_it_names_only_the_files_the_folder_lacks(self):
        with tempfile.TemporaryDirectory() as folder:
            with open(os.path.join(folder, "QZEA.ex4"), "wb") as f:
                f.write(b"compiled in MetaEditor")
            code, error = release("--ea-binaries", folder)
        self.assertEqual(code, 1)
        self.assertIn("QZEA_TT.ex4 QZGI.ex4 missing in", error)
        self.assertNotIn(" QZEA.ex4", error)

    def test_the_placeholders_never_pass_for_compiled_advisors(self):
        code, error = release("--ea-binaries", PLACEHOLDERS)
        self.assertEqual(code, 1)
        self.assertIn("QZEA.ex4 QZEA_TT.ex4 QZGI.ex4 missing", error)

    def test_a_demonstration_takes_no_compiled_advisors(self):
        code, error = release("--demo", "--ea-binaries", PLACEHOLDERS)
        self.assertEqual(code, 2)
        self.assertIn("--demo ships the placeholders", error)


if __name__ == "__main__":
    unittest.main()
