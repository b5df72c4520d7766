#!/usr/bin/python3
"""brivonce --export-ics read back by a real iCalendar parser (Debian's
python3-icalendar): events, alarms, folding, stable UIDs, a data folder left
as it was, and a 20-year agenda exported in well under a second.
Usage: ics_export_test.py BINARY SECONDS_ALLOWED_FOR_20_YEARS. Exit 77
(skipped) without python3-icalendar."""
import datetime
import os
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from black_box import import_or_skip, write_week  # noqa: E402

icalendar = import_or_skip("icalendar", "python3-icalendar")

BINARY = sys.argv[1]
TWENTY_YEARS_SECONDS = float(sys.argv[2])
LONG = "Réunion d'équipe au siège, salle « Hélène Boucher » ; apporter le " \
       "bilan € du trimestre et les comptes rendus des visites"


def export(folder, out):
    # No display and no usable home: the export needs neither.
    result = subprocess.run([BINARY, "--data-dir", folder, "--export-ics", out],
                            env={"HOME": "/nonexistent", "QT_QPA_PLATFORM": "xcb"},
                            capture_output=True, check=False)
    assert result.returncode == 0, result.stderr.decode()
    with open(out, "rb") as calendar:
        return calendar.read()


def events(ics):
    return {str(event["UID"]): event
            for event in icalendar.Calendar.from_ical(ics).walk("VEVENT")}


def snapshot(folder):
    return {entry.name: (entry.stat().st_mtime_ns, open(entry.path, "rb").read())
            for entry in os.scandir(folder)}


class ExportTest(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.data = os.path.join(self.scratch.name, "data")
        self.out = os.path.join(self.scratch.name, "agenda.ics")
        os.mkdir(self.data)
        write_week(self.data, datetime.date(2026, 12, 7), {
            (1, 9): ("08:30", "Dentiste, cabinet; 2e étage"),
            (3, 15): ("14:00", LONG),
            (7, 24): ("23:30", "Réveillon"),
        })
        write_week(self.data, datetime.date(2027, 1, 4), {(1, 1): ("07:15", "Yoga")})

    def tearDown(self):
        self.scratch.cleanup()

    def test_a_parser_reads_the_events_and_their_alarms(self):
        found = events(export(self.data, self.out))
        self.assertEqual(len(found), 4)
        dentist = found["20261207-09@brivonce"]
        self.assertEqual(str(dentist["SUMMARY"]), "Dentiste, cabinet; 2e étage")
        # Floating local times: no time zone at all.
        self.assertEqual(dentist.decoded("DTSTART"), datetime.datetime(2026, 12, 7, 8, 30))
        self.assertEqual(dentist.decoded("DTEND"), datetime.datetime(2026, 12, 7, 9, 0))
        [alarm] = dentist.walk("VALARM")
        self.assertEqual(str(alarm["ACTION"]), "DISPLAY")
        self.assertEqual(alarm.decoded("TRIGGER"), datetime.timedelta(0))
        self.assertEqual(str(found["20261209-15@brivonce"]["SUMMARY"]), LONG)
        self.assertEqual(found["20261213-24@brivonce"].decoded("DTEND"),
                         datetime.datetime(2026, 12, 14, 0, 0))

    def test_lines_end_in_cr_lf_and_fold_at_75_octets(self):
        lines = export(self.data, self.out).split(b"\r\n")
        self.assertEqual(lines.pop(), b"")
        self.assertTrue(any(line.startswith(b" ") for line in lines))
        for line in lines:
            self.assertNotIn(b"\n", line)
            self.assertNotIn(b"\r", line)
            self.assertLessEqual(len(line), 75, line)
            line.decode("utf-8")  # fails when a fold cut a character

    def test_uids_stay_and_the_data_folder_is_left_as_it_was(self):
        before = snapshot(self.data)
        first = events(export(self.data, self.out))
        self.assertEqual(set(first), set(events(export(self.data, self.out))))
        self.assertEqual(snapshot(self.data), before)
        # New time and text in the same slot: the same event, updated.
        write_week(self.data, datetime.date(2026, 12, 7), {
            (1, 9): ("09:45", "Dentiste (reporté)"),
            (3, 15): ("14:00", LONG),
            (7, 24): ("23:30", "Réveillon"),
        })
        again = events(export(self.data, self.out))
        self.assertEqual(set(again), set(first))
        self.assertEqual(str(again["20261207-09@brivonce"]["SUMMARY"]), "Dentiste (reporté)")

    def test_twenty_years_export_in_well_under_a_second(self):
        busy = {(day, slot): ("%02d:30" % (slot - 1), "Rendez-vous n° %d" % slot)
                for day in (1, 3, 5) for slot in (9, 14)}
        folder = os.path.join(self.scratch.name, "twenty-years")
        os.mkdir(folder)
        monday = datetime.date(2007, 1, 1)
        weeks = 0
        while monday < datetime.date(2027, 1, 1):
            write_week(folder, monday, busy)
            monday += datetime.timedelta(days=7)
            weeks += 1
        start = time.monotonic()
        ics = export(folder, self.out)
        elapsed = time.monotonic() - start
        print("20 years, %d weeks, %d events: %.3f s" % (weeks, ics.count(b"BEGIN:VEVENT"), elapsed))
        self.assertEqual(ics.count(b"BEGIN:VEVENT"), weeks * len(busy))
        self.assertLess(elapsed, TWENTY_YEARS_SECONDS)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
