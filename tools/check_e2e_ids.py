#!/usr/bin/env python3
"""Checks that the end-to-end cases name what they drive.

Usage: check_e2e_ids.py [FILE...]          (default: tests/e2e/*.py)
A case sends a command by its resource name (r.command("ID_EXIT")) and works a dialog control
through a name (ids.IDC_TERMS_AGREED or a constant), never by a number written out, so that a
renumbered resource cannot leave a case sending another command or pressing another button.
Fails on
  - the number of a menu command (ID_... in resources/resource*.h) anywhere in a case, also
    inside a text ("command 32772 quits"),
  - a number given as the command to send (to r.command or the probe) or as the control or
    button to work,
  - a resource name (ids.X, or a text that looks like one) that no resource header defines.
Prints every finding as FILE:LINE: what; exits 1 when there is one, 0 otherwise.
"""
import ast
import glob
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
import resource_ids  # noqa: E402

# The probe's verbs whose argument after the title (or the message text) is a control or button.
CONTROL_VERBS = {"answer", "press", "dlgkey", "settext", "check", "lvcheck", "lvdblclick",
                 "lbselect", "cbselect"}
RESOURCE_NAME = re.compile(r"ID[A-Z]?_[A-Z0-9_]+")
NUMBER = re.compile(r"(?<![\d.])\d+(?![\d.])")


def spelled_number(node):
    """The number a literal spells out: 32772, "32772" or str(32772); None for anything else."""
    if isinstance(node, ast.Constant):
        if isinstance(node.value, int) and not isinstance(node.value, bool):
            return node.value
        if isinstance(node.value, str) and node.value.isascii() and node.value.isdigit():
            return int(node.value)
    if (isinstance(node, ast.Call) and isinstance(node.func, ast.Name) and node.func.id == "str"
            and len(node.args) == 1):
        return spelled_number(node.args[0])
    return None


def called_name(call):
    function = call.func
    return function.attr if isinstance(function, ast.Attribute) else getattr(function, "id", None)


def call_findings(call):
    """A call that gives the command to send, or the control to work, as a number."""
    if called_name(call) == "command" and call.args and spelled_number(call.args[0]) is not None:
        return ["a command sent by number: r.command(NAME) names it"]
    if called_name(call) != "probe" or not call.args:
        return []
    verb = call.args[0].value if isinstance(call.args[0], ast.Constant) else None
    if verb == "command" and len(call.args) > 1 and spelled_number(call.args[1]) is not None:
        return ["a command sent by number: r.command(NAME) names it"]
    if verb in CONTROL_VERBS and len(call.args) > 2 and spelled_number(call.args[2]) is not None:
        return ["a %s control given by number: name it" % verb]
    return []


def literal_findings(value, numbers, commands):
    """A menu command's number, or an unknown resource name, in a literal's value."""
    if isinstance(value, bool) or not isinstance(value, (int, str)):
        return []
    if isinstance(value, int):
        spelled = [value]
    else:
        spelled = [int(n) for n in NUMBER.findall(value)]
    problems = ["the number of %s written out: name it" % commands[n]
                for n in spelled if n in commands]
    if isinstance(value, str) and RESOURCE_NAME.fullmatch(value) and value not in numbers:
        problems.append("no resource %s in resources/resource*.h" % value)
    return problems


def findings(source, numbers, name="<case>"):
    """(line, what) of every number that stands for a command or control in a case's source."""
    commands = resource_ids.command_names(numbers)
    found = set()
    for node in ast.walk(ast.parse(source, name)):
        problems = []
        if isinstance(node, ast.Constant):
            problems = literal_findings(node.value, numbers, commands)
        elif isinstance(node, ast.Call):
            problems = call_findings(node)
        elif (isinstance(node, ast.Attribute) and isinstance(node.value, ast.Name)
              and node.value.id == "ids" and node.attr not in numbers):
            problems = ["no resource %s in resources/resource*.h" % node.attr]
        found.update((node.lineno, problem) for problem in problems)
    return sorted(found)


def main(paths):
    numbers = resource_ids.read()
    paths = paths or sorted(glob.glob(os.path.join(ROOT, "tests", "e2e", "*.py")))
    bad = 0
    for path in paths:
        with open(path, encoding="utf-8") as f:
            source = f.read()
        for line, problem in findings(source, numbers, path):
            print("%s:%d: %s" % (os.path.relpath(path, ROOT), line, problem))
            bad += 1
    print("%d files, %d bare ids" % (len(paths), bad))
    if not paths:
        print("no case file found")
    return 1 if bad or not paths else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
