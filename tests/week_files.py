"""Week files as the program writes them, for the black-box tests."""
import os


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
