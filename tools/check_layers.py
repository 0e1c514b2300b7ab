#!/usr/bin/env python3
"""Checks that every #include of the program points down the layers, that the folders' include
graph has no cycle, and that the README's layout table is the list of layers.

Usage: check_layers.py [PROJECT_ROOT]
The layers are read from layers.txt in the project root (its comment says what the columns mean).
Each folder that holds program files is one node. A file may include files of its own folder and
of the folders it may use, never of a folder on its own layer or above. A sub-folder is on its
parent's layer: unlisted, it is part of its parent's node and builds as its parent does; listed on
another layer, it fails. The test folders sit above every layer: program code never includes them.
Two more rules keep the portable code portable: outside Windows-only folders a program file whose
name lacks "_win32" includes neither a Windows header nor a "_win32" header, and the application
core (CAppCore) reaches no resource header, not even through other headers. In a seam folder each
X_win32.cpp has its X_posix.cpp partner and the other way round; elsewhere there is no _posix file.
A free function lives in the folder of the header that declares it: a definition in another
folder's file would hide a use of that folder from the include check.
Prints every problem found; exits 1 when there is one, 0 otherwise.
"""
import functools
import os
import re
import sys

LAYER_LIST = "layers.txt"
BUILD_KINDS = {"seam", "core", "windows", "resources", "updater", "publisher", "library"}
TESTS = "tests"
WINDOWS_ONLY = {"windows"}
README = "README.md"
# tests/publish/PublisherTests.cmake; tests/framework: Windows only (tests/CMakeLists.txt)
TEST_FOLDERS_OF_THEIR_OWN = {"publish", "framework"}
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


class Layers:
    """The list of layers: each folder's layer number, what it builds into and what it may use."""

    def __init__(self, rows):
        self.rows = rows  # (layer, folder, builds, uses) in the list's order; uses None = below
        self.layer = {folder: layer for layer, folder, _, _ in rows}
        self.builds = {folder: builds for _, folder, builds, _ in rows}
        self.uses = {folder: uses for _, folder, _, uses in rows}
        self.top = max(self.layer.values(), default=0) + 1  # the tests' layer

    def home(self, folder):
        """The listed folder whose row a folder follows: itself when listed, else the nearest
        listed folder above it (a sub-folder is on its parent's layer and builds as it does);
        None for a folder outside the list."""
        while folder not in self.layer:
            if "/" not in folder:
                return None
            folder = folder.rsplit("/", 1)[0]
        return folder

    def layer_of(self, folder):
        """The layer of a program folder; the top for test folders; None for others."""
        if folder == TESTS or folder.startswith(TESTS + "/"):
            return self.top
        return self.layer.get(self.home(folder))

    def builds_of(self, folder):
        """What a program folder's files build into; None for others."""
        return self.builds.get(self.home(folder))

    def uses_of(self, folder):
        """The only folders a program folder may use; None when it may use every folder below."""
        return self.uses.get(self.home(folder))

    def may_include(self, folder, target):
        """Whether a file of folder may include a file of target (both on layers)."""
        own, other = self.layer_of(folder), self.layer_of(target)
        if own == self.top:
            return True
        if other >= own:
            return False
        return self.uses_of(folder) is None or self.home(target) in self.uses_of(folder)

    def grouped(self):
        """[(layer, [folders])] bottom to top."""
        groups = []
        for layer, folder, _, _ in self.rows:
            if groups and groups[-1][0] == layer:
                groups[-1][1].append(folder)
            else:
                groups.append((layer, [folder]))
        return groups


def read_layers(root):
    """The layer list of the project, and the problems with the list itself."""
    rows, problems = [], []
    path = os.path.join(root, LAYER_LIST)
    if not os.path.isfile(path):
        return Layers(rows), [f"{LAYER_LIST}: missing"]
    with open(path, encoding="utf-8") as text:
        lines = [line.split("#", 1)[0].split() for line in text]
    for number, fields in enumerate(lines, 1):
        if not fields:
            continue
        where = f"{LAYER_LIST}:{number}"
        if len(fields) != 4 or not fields[0].isdigit() or fields[2] not in BUILD_KINDS:
            problems.append(f"{where}: expected: layer folder builds may-use")
            continue
        layer, folder, builds, uses = int(fields[0]), fields[1], fields[2], fields[3]
        if rows and layer < rows[-1][0]:
            problems.append(f"{where}: layers go bottom to top")
        rows.append((layer, folder, builds, None if uses == "below" else uses.split(",")))
    layers = Layers(rows)
    for layer, folder, _, uses in rows:
        for used in uses or []:
            if layers.layer_of(used) is None or layers.layer_of(used) >= layer:
                problems.append(f"{LAYER_LIST}: {folder} may use {used}, which is not a folder below it")
    return layers, problems


@functools.lru_cache(maxsize=None)
def read_source(path):
    """A source file's text, read once however many rules look at it."""
    with open(path, encoding="utf-8", errors="replace") as source:
        return source.read()


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
        text = read_source(path)
        for included in INCLUDE.findall(text):
            if not os.path.isfile(os.path.join(root, included)):
                continue  # a generated header or one beside the file
            target = os.path.dirname(included)
            yield os.path.relpath(path, root), folder, included, target


def platform_problems(root, layers):
    """Windows headers in portable files, and resource headers the application core reaches."""
    problems = []
    quoted = {}
    for folder, path in source_files(root):
        name = os.path.relpath(path, root).replace(os.sep, "/")
        text = read_source(path)
        quoted[name] = INCLUDE.findall(text)
        if layers.layer_of(folder) in (None, layers.top) or layers.builds_of(folder) in WINDOWS_ONLY:
            continue
        if "_win32" in os.path.basename(name):
            continue
        for header in SYSTEM_INCLUDE.findall(text):
            if header.lower() in WINDOWS_HEADERS:
                problems.append(f"{name}: a portable file includes the Windows header <{header}>")
        for header in quoted[name]:
            windows_folder = layers.builds_of(os.path.dirname(header)) in WINDOWS_ONLY
            if "_win32" in os.path.basename(header) or windows_folder:
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


def seam_problems(root, layers):
    """A seam half without its partner, and a _posix file outside the seam: each would build a
    different program on one of the two systems."""
    problems = []
    for folder, path in source_files(root):
        name = os.path.basename(path)
        if not name.endswith(".cpp") or layers.layer_of(folder) in (None, layers.top):
            continue
        half = re.match(r"(.*)_(win32|posix)\.cpp$", name)
        if not half:
            continue
        if layers.builds_of(folder) != "seam":
            if half.group(2) == "posix":
                problems.append(f"{folder}/{name}: a _posix file outside a seam folder")
            continue
        partner = half.group(1) + ("_posix.cpp" if half.group(2) == "win32" else "_win32.cpp")
        if not os.path.isfile(os.path.join(os.path.dirname(path), partner)):
            problems.append(f"{folder}/{name}: a seam half without its partner {partner}")
    return problems


# A function at namespace level (unindented), its return type before its name: a declaration when
# the parameter list ends in ";", a definition when it ends in "{" (words such as noexcept or an
# attribute macro may come between). The return type ends in a space, "*" or "&", so a member
# "Class::name" never matches.
FREE_FUNCTION = re.compile(
    r"^([A-Za-z_\[][^\n;{}=]*?[\s*&])([A-Za-z_]\w*)\s*\([^;{}]*\)\s*(?:\w+\s*)*([;{])",
    re.MULTILINE)
# Before the name: a function of its file alone, or a constructor's member initializer list.
NOT_FREE_FUNCTION = re.compile(r"\bstatic\b|\)\s*:(?!:)")
NOT_FUNCTIONS = {"if", "for", "while", "switch", "return", "sizeof", "decltype", "alignas",
                 "static_assert"}
ANONYMOUS_NAMESPACE = re.compile(r"^namespace \{", re.MULTILINE)
LITERAL = re.compile(r'"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])+\'')


def without_anonymous_namespaces(text):
    """text without its literals and the bodies of its anonymous namespaces, whose functions are
    the file's own."""
    text = LITERAL.sub('""', text)
    kept, position = [], 0
    for opening in ANONYMOUS_NAMESPACE.finditer(text):
        if opening.start() < position:
            continue  # one inside a namespace already left out
        kept.append(text[position:opening.start()])
        position, depth = opening.end() - 1, 0  # at its "{"
        while position < len(text):
            depth += {"{": 1, "}": -1}.get(text[position], 0)
            position += 1
            if depth == 0:
                break
    kept.append(text[position:])
    return "".join(kept)


def free_functions(text, ending):
    """Names of the functions at namespace level that text declares (ending ";") or defines
    ("{"), leaving out file-local ones."""
    return {name for prefix, name, end in FREE_FUNCTION.findall(without_anonymous_namespaces(text))
            if end == ending and name not in NOT_FUNCTIONS and not NOT_FREE_FUNCTION.search(prefix)}


def definition_problems(root, layers):
    """Functions defined in a folder other than the one whose header declares them."""
    declared, defined = {}, []
    for folder, path in source_files(root):
        if layers.layer_of(folder) in (None, layers.top):
            continue
        text = read_source(path)
        name = os.path.relpath(path, root).replace(os.sep, "/")
        if path.endswith(".h"):
            for function in free_functions(text, ";"):
                declared.setdefault(function, {}).setdefault(folder, name)
        else:
            defined.extend((name, folder, function) for function in sorted(free_functions(text, "{")))
    problems = []
    for name, folder, function in defined:
        headers = declared.get(function, {})
        if headers and folder not in headers:
            problems.append(f"{name}: defines {function}(), which {sorted(headers.values())[0]} "
                            "declares; a function belongs to the folder of its header")
    return problems


def unlisted_folders(root, layers):
    """Folders that hold program files but are not on the list, and listed folders that are gone."""
    problems = []
    holding = {folder for folder, _ in source_files(root)
               if folder != "." and layers.layer_of(folder) != layers.top}
    for folder in sorted(folder for folder in holding if layers.home(folder) is None):
        problems.append(f"folder {folder} holds program files but is on no layer of {LAYER_LIST}")
    for folder in sorted(set(layers.layer) - holding):
        if not os.path.isdir(os.path.join(root, folder)):
            problems.append(f"{LAYER_LIST}: folder {folder} does not exist")
    return problems


def stray_test_folders(root, layers):
    """Unit-test folders that no test program builds: tests/X/*_test.cpp is a program of its own
    only for a folder X of the core (seam or core) or of the expert advisors' library, and the
    publisher's tests build in their own folder; any other X would be left out without a word."""
    problems = []
    for folder, path in source_files(root):
        if not folder.startswith(TESTS + "/") or not path.endswith("_test.cpp"):
            continue
        tested = folder.split("/")[1]
        if tested not in TEST_FOLDERS_OF_THEIR_OWN and layers.builds.get(tested) not in ("seam", "core", "library"):
            problems.append(f"{folder}/{os.path.basename(path)}: no test program builds tests/{tested}/, "
                            "which is not a folder of the core")
    return problems


def layer_table_rows(section):
    """The rows of the section's table headed "| layer |" (other tables may follow it)."""
    rows, inside = [], False
    for line in section.splitlines():
        if line.startswith("| layer |"):
            inside = True
        elif inside and line.startswith("| `"):
            rows.append(line)
        elif inside and not line.startswith("|"):
            break
    return rows


def readme_problems(root, layers):
    """Where the README's layout table and the list of layers disagree: the table has one row a
    layer, bottom to top, naming its folders and what they may use."""
    path = os.path.join(root, README)
    if not os.path.isfile(path):
        return []  # a made-up tree without a README
    with open(path, encoding="utf-8") as text:
        readme = text.read()
    section = re.search(r"^## Layout\n(.*?)(?=^## )", readme + "\n## ", re.MULTILINE | re.DOTALL)
    rows = layer_table_rows(section.group(1) if section else "")
    expected = layers.grouped()
    problems = []
    if len(rows) != len(expected):
        problems.append(f"{README}: the layout table has {len(rows)} rows, {LAYER_LIST} {len(expected)} layers")
    for row, (layer, folders) in zip(rows, expected):
        cells = [cell.strip() for cell in row.strip().strip("|").split("|")]
        named = re.findall(r"`([^`]+)/`", cells[0])
        if named != folders:
            problems.append(f"{README}: the layout row {cells[0]} should name layer {layer}: "
                            + ", ".join(f"`{folder}/`" for folder in folders))
            continue
        said = re.findall(r"`([^`]+)/`", cells[-1])
        for folder in folders:
            allowed = layers.uses[folder]
            if allowed is None and said:
                problems.append(f"{README}: the layout row of {folder}/ names folders it may use; "
                                f"{LAYER_LIST} says every folder below")
            elif allowed is not None and said != allowed:
                problems.append(f"{README}: the layout row of {folder}/ says it may use "
                                f"{', '.join(said) or 'everything below'}; {LAYER_LIST} says {', '.join(allowed)}")
    return problems


def subfolder_problems(layers):
    """Listed sub-folders on another layer than their parent: a folder's layer holds everything
    below it, so that a folder's place says what all of its files may use."""
    problems = []
    for layer, folder, _, _ in layers.rows:
        if "/" not in folder:
            continue
        parent = layers.home(folder.rsplit("/", 1)[0])
        if parent is not None and layers.layer[parent] != layer:
            problems.append(f"{LAYER_LIST}: {folder} is on layer {layer}, but its parent {parent} "
                            f"on layer {layers.layer[parent]}: a sub-folder is on its parent's layer")
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


def include_problems(root, layers, graph):
    """Includes that do not point down the layers; fills the folders' include graph."""
    problems = []
    for path, folder, included, target in include_edges(root):
        if not target:
            continue
        folder, target = layers.home(folder) or folder, layers.home(target) or target
        if folder == target:
            continue  # a folder and its unlisted sub-folders are one
        graph.setdefault(folder, set()).add(target)
        own, other = layers.layer_of(folder), layers.layer_of(target)
        if own is None:
            problems.append(f"{path}: folder {folder} is on no layer")
        elif other is None:
            problems.append(f"{path}: includes {included}, whose folder {target} is on no layer")
        elif not layers.may_include(folder, target):
            if other < own:
                problems.append(f"{path}: includes {included}, but {folder} may use only "
                                + ", ".join(layers.uses_of(folder)))
            else:
                problems.append(f"{path}: includes {included}, which is not on a layer below {folder}")
    return problems


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    layers, problems = read_layers(root)
    graph = {}
    problems.extend(include_problems(root, layers, graph))
    problems.extend(unlisted_folders(root, layers))
    problems.extend(stray_test_folders(root, layers))
    problems.extend(platform_problems(root, layers))
    problems.extend(seam_problems(root, layers))
    problems.extend(definition_problems(root, layers))
    problems.extend(readme_problems(root, layers))
    problems.extend(subfolder_problems(layers))
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
