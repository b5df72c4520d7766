#!/usr/bin/python3
"""brivonce --import-ics on calendars written by real programs: its own
export read back byte for byte, directly and through calcurse and khal;
calcurse's and khal's files made here from data the test writes; and
repeating events checked against
python3-dateutil's rrule. Usage: ics_import_test.py BINARY. A client that is
not installed skips its test with a line saying so; without dateutil the
whole test is skipped (exit 77)."""
import datetime
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from black_box import import_or_skip, write_week  # noqa: E402

rrule = import_or_skip("dateutil.rrule", "python3-dateutil")

BINARY = sys.argv[1]
ZONE = "Europe/Paris"


def run(args, env_extra=None, check=True):
    env = {"HOME": "/nonexistent", "TZ": ZONE, "PATH": os.environ.get("PATH", "/usr/bin"),
           "XDG_RUNTIME_DIR": RUNTIME}
    env.update(env_extra or {})
    result = subprocess.run([BINARY] + args, env=env, capture_output=True, check=False)
    if check:
        assert result.returncode == 0, result.stderr.decode()
    return result


def import_ics(folder, calendar, first, last, check=True):
    return run(["--data-dir", folder, "--import-ics", calendar,
                "--from", first.isoformat(), "--to", last.isoformat()], check=check)


def agenda(folder):
    """Every activity of the folder's week files: {(date, label, text)}."""
    found = set()
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".SEM"):
            continue
        monday = datetime.datetime.strptime(name[:8], "%Y%m%d").date()
        with open(os.path.join(folder, name), "rb") as week:
            lines = week.read().decode("cp1252").split("\r\n")
        for n in range(0, 336, 2):
            if lines[n + 1]:
                found.add((monday + datetime.timedelta(days=n // 48), lines[n], lines[n + 1]))
    return found


def week_files(folder):
    files = {}
    for name in os.listdir(folder):
        if name.endswith(".SEM"):
            with open(os.path.join(folder, name), "rb") as week:
                files[name] = week.read()
    return files


def expected_occurrences(dtstart, rule, first, last, text, exdates=()):
    """What dateutil's rrule gives, as agenda() reads the week files."""
    dates = rrule.rrulestr(rule, dtstart=dtstart)
    start = datetime.datetime.combine(first, datetime.time())
    end = datetime.datetime.combine(last, datetime.time(23, 59, 59))
    return {(when.date(), when.strftime("%H:%M"), text)
            for when in dates.between(start, end, inc=True) if when not in exdates}


def calcurse_export(folder):
    return subprocess.run(["calcurse", "-D", folder, "-C", folder, "-xical"],
                          capture_output=True, check=True).stdout


class ImportTest(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.data = os.path.join(self.scratch.name, "data")

    def tearDown(self):
        self.scratch.cleanup()

    def path(self, name):
        return os.path.join(self.scratch.name, name)

    def exported_agenda(self, shifted):
        """A small agenda and its export; `shifted` adds a label outside its
        slot's hour, which only the export's identifiers can put back."""
        source = self.path("source")
        os.mkdir(source)
        monday = {(1, 9): ("08:30", "Dentiste, cabinet; 2e étage \\ escalier B"),
                  (3, 15): ("14:00", "Réunion « Hélène » — bilan € " + "x" * 200),
                  (7, 24): ("23:30", "Réveillon\tdans la nuit")}
        if shifted:
            monday[(1, 10)] = ("14:10", "Déplacé à une autre heure que son créneau")
        write_week(source, datetime.date(2026, 12, 7), monday)
        write_week(source, datetime.date(2027, 1, 4), {(1, 1): ("00:00", "Minuit pile")})
        calendar = self.path("agenda.ics")
        run(["--data-dir", source, "--export-ics", calendar])
        return source, calendar

    def import_all(self, calendar):
        return import_ics(self.data, calendar, datetime.date(2026, 1, 1),
                          datetime.date(2027, 12, 31)).stdout.decode()

    def test_export_then_import_gives_the_same_week_files(self):
        source, calendar = self.exported_agenda(shifted=True)
        self.assertIn("Activités ajoutées : 5", self.import_all(calendar))
        self.assertEqual(week_files(self.data), week_files(source))
        # Twice adds nothing and rewrites nothing.
        before = {name: os.stat(os.path.join(self.data, name)).st_mtime_ns
                  for name in week_files(self.data)}
        self.assertIn("Activités ajoutées : 0\nDéjà présentes : 5\n", self.import_all(calendar))
        self.assertEqual({name: os.stat(os.path.join(self.data, name)).st_mtime_ns
                          for name in week_files(self.data)}, before)

    def test_round_trip_through_calcurse(self):
        if not shutil.which("calcurse"):
            self.skipTest("calcurse is not installed")
        source, calendar = self.exported_agenda(shifted=False)
        folder = self.path("calcurse")
        os.mkdir(folder)
        subprocess.run(["calcurse", "-D", folder, "-C", folder, "-q", "-i", calendar],
                       capture_output=True, check=True)
        with open(self.path("calcurse.ics"), "wb") as out:
            out.write(calcurse_export(folder))
        self.import_all(self.path("calcurse.ics"))
        self.assertEqual(week_files(self.data), week_files(source))

    def test_round_trip_through_khal(self):
        if not shutil.which("khal"):
            self.skipTest("khal is not installed")
        source, calendar = self.exported_agenda(shifted=True)
        self.khal("import", "--batch", "-a", "perso", calendar)
        for name in os.listdir(self.path("khal/perso")):
            self.import_all(os.path.join(self.path("khal/perso"), name))
        self.assertEqual(week_files(self.data), week_files(source))

    def khal(self, *arguments):
        """Runs khal on a calendar "perso" of its own, in the test's zone."""
        vdir = self.path("khal/perso")
        config = self.path("khal/config")
        if not os.path.exists(config):
            os.makedirs(vdir)
            with open(config, "w", encoding="utf-8") as out:
                out.write("[calendars]\n[[perso]]\npath = %s\n[locale]\n"
                          "local_timezone = %s\ndefault_timezone = %s\n"
                          "timeformat = %%H:%%M\ndateformat = %%Y-%%m-%%d\n"
                          "longdateformat = %%Y-%%m-%%d\ndatetimeformat = %%Y-%%m-%%d %%H:%%M\n"
                          "longdatetimeformat = %%Y-%%m-%%d %%H:%%M\n" % (vdir, ZONE, ZONE))
        subprocess.run(["khal", "-c", config] + list(arguments), capture_output=True, check=True,
                       env=dict(os.environ, XDG_DATA_HOME=self.path("khal/data"), TZ=ZONE))

    def test_calcurse_export(self):
        if not shutil.which("calcurse"):
            self.skipTest("calcurse is not installed")
        folder = self.path("calcurse")
        os.mkdir(folder)
        with open(os.path.join(folder, "apts"), "w", encoding="utf-8") as apts:
            apts.write("12/07/2026 @ 08:30 -> 12/07/2026 @ 09:30 |Dentiste, cabinet\n"
                       "12/08/2026 @ 18:00 -> 12/08/2026 @ 19:00 {1W -> 03/30/2027} |Gym\n"
                       "12/09/2026 @ 14:15 -> 12/09/2026 @ 15:00 {2D !12/11/2026} |Un jour sur deux\n"
                       "12/31/2026 @ 07:00 -> 12/31/2026 @ 07:30 {1M} |Fin de mois\n"
                       "12/25/2026 [1] Noël en famille\n")
        calendar = self.path("calcurse.ics")
        with open(calendar, "wb") as out:
            out.write(calcurse_export(folder))
        first, last = datetime.date(2026, 12, 1), datetime.date(2027, 6, 30)
        import_ics(self.data, calendar, first, last)
        want = {(datetime.date(2026, 12, 7), "08:30", "Dentiste, cabinet"),
                (datetime.date(2026, 12, 25), "08:00", "Noël en famille")}
        want |= expected_occurrences(datetime.datetime(2026, 12, 8, 18), "FREQ=WEEKLY;UNTIL=20270330T180000",
                                     first, last, "Gym")
        want |= expected_occurrences(datetime.datetime(2026, 12, 9, 14, 15), "FREQ=DAILY;INTERVAL=2",
                                     first, last, "Un jour sur deux",
                                     [datetime.datetime(2026, 12, 11, 14, 15)])
        # calcurse repeats the 31st only in months that have one, as RFC 5545 says.
        want |= expected_occurrences(datetime.datetime(2026, 12, 31, 7), "FREQ=MONTHLY",
                                     first, last, "Fin de mois")
        self.assertEqual(agenda(self.data), want)

    def test_khal_files(self):
        if not shutil.which("khal"):
            self.skipTest("khal is not installed")
        for arguments in (["2026-12-07", "08:30", "09:30", "Dentiste, cabinet"],
                          ["-r", "weekly", "-u", "2027-01-31", "2026-12-08", "18:00", "19:00", "Gym"],
                          ["2026-12-24", "2026-12-25", "Réveillon et Noël"],
                          ["2026-12-09", "14:15", "15:00", "America/New_York", "Appel New York"]):
            self.khal("new", "-a", "perso", *arguments)
        vdir = self.path("khal/perso")
        files = sorted(os.listdir(vdir))
        self.assertEqual(len(files), 4)
        first, last = datetime.date(2026, 12, 1), datetime.date(2027, 12, 31)
        for name in files:  # each event is a calendar file of its own
            import_ics(self.data, os.path.join(vdir, name), first, last)
        want = {(datetime.date(2026, 12, 7), "08:30", "Dentiste, cabinet"),
                (datetime.date(2026, 12, 24), "08:00", "Réveillon et Noël"),
                (datetime.date(2026, 12, 25), "08:00", "Réveillon et Noël"),
                (datetime.date(2026, 12, 9), "20:15", "Appel New York")}
        want |= expected_occurrences(datetime.datetime(2026, 12, 8, 18), "FREQ=WEEKLY",
                                     first, datetime.date(2027, 1, 31), "Gym")
        self.assertEqual(agenda(self.data), want)

    def test_repeating_events_follow_rrule(self):
        rules = [
            ("FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,WE,FR", datetime.datetime(2027, 1, 4, 0, 5)),
            ("FREQ=MONTHLY;BYMONTHDAY=31", datetime.datetime(2027, 1, 31, 1, 10)),
            ("FREQ=MONTHLY;BYDAY=-1FR", datetime.datetime(2027, 1, 29, 2, 15)),
            ("FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=29", datetime.datetime(2028, 2, 29, 3, 20)),
            ("FREQ=DAILY;INTERVAL=3;COUNT=40", datetime.datetime(2026, 12, 20, 4, 25)),
            ("FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-1", datetime.datetime(2027, 1, 29, 5, 30)),
            ("FREQ=WEEKLY;INTERVAL=2;WKST=SU;BYDAY=TU,SU;UNTIL=20280101T000000",
             datetime.datetime(2026, 12, 1, 6, 35)),
            ("FREQ=YEARLY;BYWEEKNO=20;BYDAY=MO", datetime.datetime(2027, 5, 17, 7, 40)),
            ("FREQ=MONTHLY;INTERVAL=5;BYMONTHDAY=1,15,-1", datetime.datetime(2027, 1, 1, 8, 45)),
            ("FREQ=DAILY;BYHOUR=9;BYMINUTE=50", datetime.datetime(2027, 1, 1, 9, 50)),
        ]
        exdate = datetime.datetime(2027, 1, 6, 0, 5)
        first, last = datetime.date(2027, 1, 1), datetime.date(2029, 12, 31)
        lines = ["BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//test//test//FR"]
        want = set()
        for number, (rule, start) in enumerate(rules):
            text = "Règle %d" % number
            excluded = [exdate] if number == 0 else []
            lines += ["BEGIN:VEVENT", "UID:rule-%d" % number,
                      "DTSTART:" + start.strftime("%Y%m%dT%H%M%S"), "RRULE:" + rule,
                      "SUMMARY:" + text]
            lines += ["EXDATE:" + when.strftime("%Y%m%dT%H%M%S") for when in excluded]
            lines += ["END:VEVENT"]
            want |= expected_occurrences(start, rule, first, last, text, excluded)
        lines += ["END:VCALENDAR", ""]
        calendar = self.path("rules.ics")
        with open(calendar, "w", encoding="utf-8", newline="\r\n") as out:
            out.write("\n".join(lines))
        import_ics(self.data, calendar, first, last)
        self.assertGreater(len(want), 1000)
        self.assertEqual(agenda(self.data), want)

    def test_a_file_that_is_no_calendar_changes_nothing(self):
        os.mkdir(self.data)
        write_week(self.data, datetime.date(2026, 12, 7), {(1, 9): ("08:30", "Dentiste")})
        before = {name: (entry.stat().st_mtime_ns, entry.stat().st_size)
                  for name, entry in ((e.name, e) for e in os.scandir(self.data))}
        for content, message in ((b"Bonjour\r\n", "n'est pas un calendrier iCalendar"),
                                 (b"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20261208T0900",
                                  "est incomplet ou illisible")):
            calendar = self.path("bad.ics")
            with open(calendar, "wb") as out:
                out.write(content)
            result = import_ics(self.data, calendar, datetime.date(2026, 12, 1),
                                datetime.date(2026, 12, 31), check=False)
            self.assertEqual(result.returncode, 1)
            self.assertIn(message, result.stderr.decode())
            self.assertEqual({name: (entry.stat().st_mtime_ns, entry.stat().st_size)
                              for name, entry in ((e.name, e) for e in os.scandir(self.data))},
                             before)

    def test_refused_while_the_program_runs(self):
        os.mkdir(self.data)
        tray = subprocess.Popen([BINARY, "--data-dir", self.data],
                                env={"HOME": self.scratch.name, "TZ": ZONE,
                                     "XDG_RUNTIME_DIR": RUNTIME, "QT_QPA_PLATFORM": "offscreen"},
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            lock = os.path.join(RUNTIME, os.path.basename(BINARY) + ".lock")
            deadline = time.monotonic() + 20
            while not os.path.exists(lock) and time.monotonic() < deadline:
                time.sleep(0.05)
            calendar = self.path("one.ics")
            with open(calendar, "w", encoding="utf-8") as out:
                out.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//FR\r\nBEGIN:VEVENT\r\n"
                          "DTSTART:20261207T083000\r\nSUMMARY:Dentiste\r\nEND:VEVENT\r\n"
                          "END:VCALENDAR\r\n")
            result = import_ics(self.data, calendar, datetime.date(2026, 12, 1),
                                datetime.date(2026, 12, 31), check=False)
            self.assertEqual(result.returncode, 1)
            self.assertIn("Brivonce est ouvert", result.stderr.decode())
            self.assertEqual(agenda(self.data), set())
        finally:
            tray.kill()
            tray.wait()


if __name__ == "__main__":
    with tempfile.TemporaryDirectory() as runtime:
        os.chmod(runtime, 0o700)
        RUNTIME = runtime
        outcome = unittest.main(argv=sys.argv[:1], exit=False)
    sys.exit(0 if outcome.result.wasSuccessful() else 1)
