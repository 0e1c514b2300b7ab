#!/usr/bin/env python3
"""Cases of check_mql4_sources.py on made-up sources and export headers."""
import os
import shutil
import tempfile
import unittest

import check_mql4_sources as check

HERE = os.path.dirname(os.path.abspath(__file__))
EXPORTS = """#define QZEA_EXPORT extern "C" __declspec(dllexport)
QZEA_EXPORT int __stdcall QzRead(int* time, const double* market, long long* last);
QZEA_EXPORT int __stdcall QzName(const wchar_t* symbol, double lots);
"""
SOURCE = """#property strict
#import "qzea.dll"
int QzRead(int &time, const double &market[], long &last);
int QzName(string symbol, double lots);
#import
input double Lots = 0.1;
int OnInit()
  {
   int time = 0;
   double market[6];
   long last = 0;
   QzRead(time, market, last);
   return(QzName(Symbol(), Lots) + OrderSend(Symbol(), 0, Lots, Ask, 3, 0, 0, "x", 1, 0, clrNONE));
  }
"""


class CheckMql4SourcesTest(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp()
        os.makedirs(os.path.join(self.root, "ea", "mql4"))
        os.makedirs(os.path.join(self.root, "tests", "ea"))
        shutil.copy(os.path.join(HERE, "..", check.TERMINAL_HEADER),
                    os.path.join(self.root, check.TERMINAL_HEADER))
        self.write(check.EXPORTS_HEADER, EXPORTS)

    def tearDown(self):
        shutil.rmtree(self.root)

    def write(self, name, text):
        with open(os.path.join(self.root, name), "w", encoding="utf-8") as f:
            f.write(text)

    def problems(self, source):
        self.write("ea/mql4/A.mq4", source)
        path = os.path.join(self.root, "ea/mql4/A.mq4")
        found, _ = check.import_problems(self.root, path, check.exported(self.root))
        return check.compile_problems(self.root, path) + found

    def test_a_matching_source_passes(self):
        self.assertEqual(self.problems(SOURCE), [])

    def test_a_misspelt_mql4_call_fails_to_compile(self):
        found = self.problems(SOURCE.replace("OrderSend(", "OrderSnd("))
        self.assertTrue(any("OrderSnd" in p for p in found), found)

    def test_a_wrong_argument_type_fails_to_compile(self):
        found = self.problems(SOURCE.replace('"x", 1, 0', '"x", "1", 0'))
        self.assertTrue(found)

    def test_an_import_with_another_parameter_type_fails(self):
        found = self.problems(SOURCE.replace("double lots);", "int lots);"))
        self.assertTrue(any("QzName" in p for p in found), found)

    def test_an_import_the_library_does_not_declare_fails(self):
        found = self.problems(SOURCE.replace("#import\ninput", "int QzGone(int a);\n#import\ninput"))
        self.assertTrue(any("QzGone" in p for p in found), found)

    def test_a_source_importing_nothing_fails(self):
        found = self.problems("int OnInit() { return(0); }\n")
        self.assertTrue(any("imports nothing" in p for p in found), found)

    def test_mql4_types_cross_as_their_c_types(self):
        self.assertEqual(check.mql4_type("const double &market[]"), "double*")
        self.assertEqual(check.mql4_type("int &commands[]"), "int*")
        self.assertEqual(check.mql4_type("long &last"), "long long*")
        self.assertEqual(check.mql4_type("long now"), "long long")
        self.assertEqual(check.mql4_type("string symbol"), "wchar_t*")
        self.assertEqual(check.c_type("const wchar_t* symbol"), "wchar_t*")
        self.assertEqual(check.c_type("long long* last"), "long long*")


if __name__ == "__main__":
    unittest.main()
