"""What the black-box tests share: their optional modules, and week files as
the program writes them."""
import importlib
import os
import sys


def import_or_skip(module, package):
    """The module, or exit 77 (skipped) when its Debian package is missing."""
    try:
        return importlib.import_module(module)
    except ImportError:
        print("skipped: %s is not installed" % package)
        sys.exit(77)


def write_week(folder, monday, activities):
    """A week file as the program writes it; activities maps (day 1..7,
    slot 1..24) to (label, text)."""
    lines = []
    for day in range(1, 8):
        for slot in range(1, 25):
            lines += activities.get((day, slot), ("%02d:00" % (slot - 1), ""))
    name = os.path.join(folder, monday.strftime("%Y%m%d") + ".SEM")
    with open(name, "wb") as week:
        week.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
