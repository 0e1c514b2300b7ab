#!/usr/bin/env python3
"""Checks that every #include of the program points down the layers, and that the folders'
include graph has no cycle.

Usage: check_layers.py [PROJECT_ROOT]
Each folder that holds program files is one node; a sub-folder is a node of its own. A file may
include files of its own folder and of folders on lower layers, never of a folder on its own
layer or above. The test folders sit above every layer: program code never includes them.
Two more rules keep the portable code portable: outside framework/ (Windows only) a program
file whose name lacks "_win32" includes neither a Windows header nor a "_win32" header, and the
application core (CAppCore) reaches no resource header, not even through other headers.
Prints every offending include and every cycle; exits 1 when there is one, 0 otherwise.
"""
import os
import re
import sys

# Bottom to top. Folders on one line share a layer and may not include each other.
LAYERS = [
    ["base"],
    ["framework", "resources"],
    ["store"],
    ["metatrader"],
    ["net"],
    ["update"],
    ["app"],
    ["metatrader/dialogs", "prefs", "publish", "updater"],
    ["views"],
    ["panel"],
    ["shell"],
]
TESTS = "tests"
WINDOWS_ONLY_FOLDERS = {"framework"}
PLATFORM_FREE = ["app/app_core.h", "app/app_core.cpp"]
SOURCE_SUFFIXES = (".h", ".cpp")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SYSTEM_INCLUDE = re.compile(r'^\s*#\s*include\s+<([^>]+)>', re.MULTILINE)
WINDOWS_HEADERS = {
    "windows.h", "winsock2.h", "ws2tcpip.h", "windowsx.h", "commctrl.h", "commdlg.h", "shlobj.h",
    "shellapi.h", "shlwapi.h", "objbase.h", "ole2.h", "oleauto.h", "ocidl.h", "exdisp.h",
    "mshtml.h", "mmsystem.h", "urlmon.h", "wininet.h", "gdiplus.h", "bcrypt.h", "wincrypt.h",
    "dbghelp.h", "process.h", "io.h", "direct.h",
}


def layer_of(folder):
    """The layer index of a program folder; len(LAYERS) for test folders; None for others."""
    for index, folders in enumerate(LAYERS):
        if folder in folders:
            return index
    if folder == TESTS or folder.startswith(TESTS + "/"):
        return len(LAYERS)
    return None


def source_files(root):
    """(folder, path) of every source file below root, build and hidden folders left out."""
    for current, subfolders, names in os.walk(root):
        subfolders[:] = sorted(name for name in subfolders
                               if not name.startswith(".") and name != "build")
        folder = os.path.relpath(current, root).replace(os.sep, "/")
        for name in sorted(names):
            if name.endswith(SOURCE_SUFFIXES):
                yield folder, os.path.join(current, name)


def include_edges(root):
    """(including file, its folder, included path, the included file's folder) of every include
    of a file in the project."""
    for folder, path in source_files(root):
        with open(path, encoding="utf-8", errors="replace") as source:
            text = source.read()
        for included in INCLUDE.findall(text):
            if not os.path.isfile(os.path.join(root, included)):
                continue  # a generated header or one beside the file
            target = os.path.dirname(included)
            yield os.path.relpath(path, root), folder, included, target


def platform_problems(root):
    """Windows headers in portable files, and resource headers the application core reaches."""
    problems = []
    quoted = {}
    for folder, path in source_files(root):
        name = os.path.relpath(path, root).replace(os.sep, "/")
        with open(path, encoding="utf-8", errors="replace") as source:
            text = source.read()
        quoted[name] = INCLUDE.findall(text)
        if layer_of(folder) in (None, len(LAYERS)) or folder in WINDOWS_ONLY_FOLDERS:
            continue
        if "_win32" in os.path.basename(name):
            continue
        for header in SYSTEM_INCLUDE.findall(text):
            if header.lower() in WINDOWS_HEADERS:
                problems.append(f"{name}: a portable file includes the Windows header <{header}>")
        for header in quoted[name]:
            if "_win32" in os.path.basename(header):
                problems.append(f"{name}: a portable file includes the Windows-only {header}")
    for start in PLATFORM_FREE:
        seen, waiting = set(), [start]
        while waiting:
            current = waiting.pop()
            for header in quoted.get(current, []):
                if header.startswith(("resources/", "framework/")) or "_win32" in header:
                    problems.append(f"{start}: reaches {header} through {current}")
                elif header not in seen:
                    seen.add(header)
                    waiting.append(header)
    return problems


def find_cycle(graph):
    """One cycle of the folder graph as a list of folders, or None."""
    state = {}

    def visit(node, trail):
        state[node] = "open"
        trail.append(node)
        for successor in sorted(graph.get(node, ())):
            if state.get(successor) == "open":
                return trail[trail.index(successor):] + [successor]
            if successor not in state:
                found = visit(successor, trail)
                if found:
                    return found
        trail.pop()
        state[node] = "done"
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node, [])
            if found:
                return found
    return None


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    problems = []
    graph = {}
    for path, folder, included, target in include_edges(root):
        if folder == target or not target:
            continue
        graph.setdefault(folder, set()).add(target)
        own, other = layer_of(folder), layer_of(target)
        if own is None:
            problems.append(f"{path}: folder {folder} is on no layer")
        elif other is None:
            problems.append(f"{path}: includes {included}, whose folder {target} is on no layer")
        elif other >= own and not (own == len(LAYERS) and other == own):
            problems.append(f"{path}: includes {included}, which is not on a layer below {folder}")
    problems.extend(platform_problems(root))
    cycle = find_cycle(graph)
    if cycle:
        problems.append("the folders include each other in a circle: " + " -> ".join(cycle))
    for problem in problems:
        print(problem)
    if problems:
        return 1
    print(f"layers: {len(graph)} folders, every include points down, no cycle")
    return 0


if __name__ == "__main__":
    sys.exit(main())
