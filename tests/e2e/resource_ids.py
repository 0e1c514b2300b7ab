"""The program's resource numbers by the names resources/resource*.h give them, so that a case
names the command it sends and the control it works (r.command("ID_EXIT"), ids.IDC_TERMS_AGREED)
and a renumbered resource cannot leave a case driving something else."""
import glob
import os
import re

HEADERS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources")
DEFINE = re.compile(r"^[ \t]*#define[ \t]+([A-Za-z_]\w*)[ \t]+(\d+)\b", re.MULTILINE)
# The menu's commands; the buttons' numbers (IDB_...) are commands too, but small numbers such as
# theirs stand for many other things in a case.
COMMAND_PREFIX = "ID_"


def parse(text):
    """Name -> number of the "#define NAME number" lines of a header's text."""
    return {name: int(number) for name, number in DEFINE.findall(text)}


def read(folder=HEADERS):
    """Name -> number over every resource header of the folder. A name that two headers number
    differently is an error rather than a silent pick, and so is a folder without menu commands,
    since then nothing could be named."""
    numbers = {}
    for path in sorted(glob.glob(os.path.join(folder, "resource*.h"))):
        with open(path, encoding="utf-8") as f:
            for name, number in parse(f.read()).items():
                if numbers.setdefault(name, number) != number:
                    raise ValueError("%s: %s is %d, elsewhere %d"
                                     % (os.path.basename(path), name, number, numbers[name]))
    if not command_names(numbers):
        raise ValueError("no menu command (%s...) in %s/resource*.h" % (COMMAND_PREFIX, folder))
    return numbers


PRIVATE_MESSAGES = os.path.join(HEADERS, "..", "framework", "private_messages.h")
FIXED_MESSAGE = re.compile(r"\b(UM_\w+) == (\d+)")


def fixed_message(name, path=PRIVATE_MESSAGES):
    """The number of one of the panel's private messages that others post to it (the header's
    static_assert fixes those numbers): what a case posts as the tray or a download would."""
    with open(path, encoding="utf-8") as f:
        fixed = dict(FIXED_MESSAGE.findall(f.read()))
    if name not in fixed:
        raise ValueError("%s fixes no number of %s" % (os.path.basename(path), name))
    return int(fixed[name])


def command_names(numbers):
    """Number -> name of every menu command."""
    return {number: name for name, number in numbers.items() if name.startswith(COMMAND_PREFIX)}


class Ids:
    """The numbers as attributes, each as the text the probe takes: ids.ID_EXIT."""

    def __init__(self, numbers):
        self._numbers = numbers

    def __getattr__(self, name):
        try:
            return str(self._numbers[name])
        except KeyError:
            raise AttributeError("no resource %s in resources/resource*.h" % name) from None


NUMBERS = read()
ids = Ids(NUMBERS)
