#!/usr/bin/env python3
"""Checks the expert advisors' MQL4 sources (ea/mql4/*.mq4) as far as a machine without MetaEditor
can: each compiles as C++ against the MQL4 declarations of tests/ea/mql4_terminal.h, and every
function a source imports from qzea.dll is declared in ea/qzea_exports.h with the same return and
parameter types. With --dll, also that the built library is a 32-bit DLL exporting each imported
function by its plain name.

Usage: check_mql4_sources.py [PROJECT_ROOT] [--dll QZEA_DLL]
Prints every problem found; exits 1 when there is one, 0 otherwise.
"""
import argparse
import glob
import os
import re
import subprocess
import sys
import tempfile

SOURCES = "ea/mql4/*.mq4"
TERMINAL_HEADER = "tests/ea/mql4_terminal.h"
EXPORTS_HEADER = "ea/qzea_exports.h"
LIBRARY = "qzea.dll"
OBJDUMP = "i686-w64-mingw32-objdump"

ARRAY_PARAMETER = re.compile(r"\b((?:const\s+)?\w+)\s*&\s*(\w+)\s*\[\s*\]")
IMPORT_BLOCK = re.compile(r'^#import\s+"([^"]+)"\s*$(.*?)^#import\s*$', re.MULTILINE | re.DOTALL)
DECLARATION = re.compile(r"(\w[\w\s]*?)\s+(\w+)\s*\(([^)]*)\)\s*;", re.DOTALL)
EXPORT = re.compile(r"QZEA_EXPORT\s+(\w[\w\s]*?)\s+__stdcall\s+(\w+)\s*\(([^)]*)\)\s*;", re.DOTALL)


def as_cpp(source):
    """The source as C++: no #property or #import lines, array parameters as pointers."""
    lines = [line for line in source.splitlines()
             if not re.match(r"\s*#\s*(property|import)\b", line)]
    return ARRAY_PARAMETER.sub(r"\1 *\2", "\n".join(lines)) + "\n"


def compile_problems(root, path):
    with tempfile.TemporaryDirectory() as folder:
        cpp = os.path.join(folder, os.path.basename(path) + ".cpp")
        with open(cpp, "w", encoding="utf-8") as f:
            f.write(as_cpp(read(path)))
        result = subprocess.run(
            ["g++", "-std=c++20", "-fsyntax-only", "-Wall", "-Werror",
             "-include", os.path.join(root, TERMINAL_HEADER), cpp],
            capture_output=True, text=True)
    if result.returncode == 0:
        return []
    errors = [line.replace(cpp, os.path.relpath(path, root)) for line in result.stderr.splitlines()
              if "error" in line]
    return errors or ["%s: does not compile as C++" % os.path.relpath(path, root)]


def mql4_type(parameter):
    """The C type an MQL4 parameter crosses the DLL boundary as."""
    text = " ".join(parameter.replace("&", " & ").replace("[", " [ ").split())
    text = re.sub(r"\s*=.*$", "", text)  # a default value
    array = "[" in text
    reference = "&" in text or array
    words = [w for w in text.replace("&", " ").replace("[", " ").replace("]", " ").split()
             if w != "const"]
    base = {"int": "int", "double": "double", "long": "long long", "string": "wchar_t*",
            "uint": "unsigned int", "ulong": "unsigned long long"}.get(words[0], "?" + words[0])
    if base == "wchar_t*" and reference:
        base = "?string reference"
    return base + ("*" if reference else "")


def c_type(parameter):
    text = " ".join(parameter.replace("*", " * ").split())
    words = text.split()
    pointer = words.count("*")
    words = [w for w in words if w not in ("const", "*")][:-1]  # drop the name
    return " ".join(words) + "*" * pointer


def parameters(text):
    text = text.strip()
    return [] if text in ("", "void") else [p.strip() for p in text.split(",")]


def imported(source):
    """{name: (return type, [parameter types])} of the functions imported from qzea.dll."""
    functions = {}
    for module, block in IMPORT_BLOCK.findall(source):
        if module.lower() != LIBRARY:
            continue
        for returned, name, listed in DECLARATION.findall(block):
            functions[name] = (mql4_type(returned), [mql4_type(p) for p in parameters(listed)])
    return functions


def exported(root):
    functions = {}
    for returned, name, listed in EXPORT.findall(read(os.path.join(root, EXPORTS_HEADER))):
        functions[name] = (returned.strip(), [c_type(p) for p in parameters(listed)])
    return functions


def import_problems(root, path, exports):
    problems = []
    where = os.path.relpath(path, root)
    functions = imported(read(path))
    if not functions:
        problems.append("%s: imports nothing from %s" % (where, LIBRARY))
    for name, (returned, types) in sorted(functions.items()):
        if name not in exports:
            problems.append("%s: imports %s, which %s does not declare" % (where, name, EXPORTS_HEADER))
        elif exports[name] != (returned, types):
            problems.append("%s: imports %s as %s %s; %s declares %s %s" % (
                where, name, returned, types, EXPORTS_HEADER, exports[name][0], exports[name][1]))
    return problems, set(functions)


def library_problems(dll, names):
    dump = subprocess.run([OBJDUMP, "-p", dll], capture_output=True, text=True).stdout
    problems = []
    if "file format pei-i386" not in dump or "(DLL)" not in subprocess.run(
            ["file", dll], capture_output=True, text=True).stdout:
        problems.append("%s: not a 32-bit DLL" % dll)
    table = dump.split("[Ordinal/Name Pointer] Table", 1)[-1]
    exported_names = set(re.findall(r"^\s*\[\s*\d+\]\s+(\w+)\s*$", table, re.MULTILINE))
    for name in sorted(names - exported_names):
        problems.append("%s: does not export %s by its plain name" % (dll, name))
    return problems


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("root", nargs="?", default=os.path.join(os.path.dirname(__file__), ".."))
    parser.add_argument("--dll")
    given = parser.parse_args()
    root = os.path.abspath(given.root)
    sources = sorted(glob.glob(os.path.join(root, SOURCES)))
    problems = [] if sources else ["no MQL4 sources in " + SOURCES]
    exports = exported(root)
    names = set()
    for path in sources:
        problems += compile_problems(root, path)
        found, used = import_problems(root, path, exports)
        problems += found
        names |= used
    if given.dll:
        problems += library_problems(given.dll, names)
    for problem in problems:
        print(problem)
    if not problems:
        print("MQL4 sources: %d compile against the MQL4 declarations, %d imports match qzea.dll"
              % (len(sources), len(names)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
