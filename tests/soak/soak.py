"""Runs the real Orvelle.exe under Wine for a long while and reads what it holds and what it costs.

    soak.py [--minutes N]        the soak: N minutes (10 unless told) at 20 ms with a 1920 x 1060 window, the
                                 pointer moving, grid and marker on and the filter switched every few seconds;
                                 a reading every minute, and a verdict: memory and handle counts flat after the
                                 first minute, the frequency within 10 % of 50 Hz
    soak.py --short [--seconds S]  the processor's cost: each filter S seconds (10 unless told) with the pointer
                                 still, then S seconds with it moving
    soak.py --short --compare OTHER_BUILD  the same for another build first (an older one, say), then for this
                                 one, and the two side by side with the ratio of each figure

Processor time is read from Linux for the program's own process (all its threads), and beside it for the X
server and the Wine server, which do work on the program's behalf. It is given in percent of one core.
Ends with exit code 1 when the soak's verdict fails.
"""

import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent / "e2e"))

import harness  # noqa: E402
from harness import Session, wait_until  # noqa: E402

SCREEN = (2560, 1600)
WINDOW = (0, 0, 1920, 1060)
NOMINAL_HZ = 50.0
# The pointer stays in the band below the window, so that the view shows the screen and never itself.
BAND = (40, WINDOW[3] + 160, SCREEN[0] - 40, SCREEN[1] - 160)
MOVE_STEP_S = 0.05
FILTER_PERIOD_S = 5
FREQUENCY_PERIOD_S = 10

FILTERS = [("exact", ["menuPrecise"])] + [
    (name, ["menuSmooth", f"menu{name}"]) for name in ["Simple", "Linear", "Cosine", "Bicubic", "Lanczos", "Mitchell"]
]

SETTINGS = ("[Magnification]\r\nPrecise=0\r\nSmoothing=Simple\r\nLevel=4\r\nRefresh=20ms\r\n"
            "[Grid]\r\nShowGrid=1\r\nShowCursor=1\r\n[Options]\r\nStartupCheck=0\r\n"
            f"[Window]\r\nLeft={WINDOW[0]}\r\nTop={WINDOW[1]}\r\nWidth={WINDOW[2]}\r\nHeight={WINDOW[3]}\r\n")

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


# -- Linux's view of the processes ---------------------------------------------------------------------------------

def processor_seconds(pid):
    """User and system time of every thread of the process so far."""
    try:
        stat = Path(f"/proc/{pid}/stat").read_text()
    except OSError:
        return 0.0
    fields = stat[stat.rindex(")") + 2:].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def anonymous_memory(pid):
    """The process's private memory in bytes, as Linux counts it (Wine leaves PrivateUsage empty)."""
    try:
        for line in Path(f"/proc/{pid}/status").read_text().splitlines():
            if line.startswith("RssAnon:"):
                return int(line.split()[1]) * 1024
    except OSError:
        pass
    return 0


def wine_processes(prefix, marker):
    """Linux processes of this Wine prefix whose command line holds `marker`."""
    wanted = f"WINEPREFIX={prefix}".encode()
    found = []
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            if marker.encode() in (entry / "cmdline").read_bytes() and \
                    wanted in (entry / "environ").read_bytes().split(b"\0"):
                found.append(int(entry.name))
        except OSError:
            continue
    return found


class Meters:
    """Processor time of the program, the X server and the Wine server, read between two moments."""

    def __init__(self, session):
        programs = wine_processes(session.prefix, "Orvelle.exe")
        servers = wine_processes(session.prefix, "wineserver")
        if len(programs) != 1:
            raise harness.E2EError(f"expected one Orvelle.exe process, found {programs}")
        self.pids = {"program": programs[0], "X server": session.xvfb.pid,
                     "wineserver": servers[0] if servers else None}
        self.mark()

    def mark(self):
        self.since = time.monotonic()
        self.start = {name: processor_seconds(pid) if pid else 0.0 for name, pid in self.pids.items()}

    def percent(self):
        """Percent of one core each used since the last mark."""
        wall = max(time.monotonic() - self.since, 1e-6)
        return {name: 100.0 * ((processor_seconds(pid) if pid else 0.0) - self.start[name]) / wall
                for name, pid in self.pids.items()}


# -- driving the program -------------------------------------------------------------------------------------------

class PointerWalk:
    """Moves the pointer over the band in one xdotool process, a step every MOVE_STEP_S, for `seconds`."""

    def __init__(self, session, seconds, phase=0):
        steps = max(int(seconds / MOVE_STEP_S), 1)
        arguments = []
        width, height = BAND[2] - BAND[0], BAND[3] - BAND[1]
        for step in range(phase, phase + steps):
            # A diagonal walk, wrapping at the band's edges: every step moves the captured patch by some pixels.
            x = BAND[0] + (step * 7) % width
            y = BAND[1] + (step * 3) % height
            arguments += ["mousemove", str(x), str(y), "sleep", str(MOVE_STEP_S)]
        self.process = subprocess.Popen(["xdotool", *arguments], env=session.env(), stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()


def choose_filter(session, index):
    for command in FILTERS[index % len(FILTERS)][1]:
        session.command(command)


def frequency(session):
    """The achieved frequency the status bar shows, in Hz."""
    text = session.window().panels()[5]
    match = re.search(r"(\d[\d,]*\.\d)", text)
    return float(match.group(1).replace(",", "")) if match else 0.0


def lay_noise_picture(session, folder):
    """A picture of random pixels over the whole screen: every filter has real work on every tick."""
    path = folder / "noise.ppm"
    width, height = SCREEN
    path.write_bytes(b"P6\n%d %d\n255\n" % (width, height) + os.urandom(width * height * 3))
    subprocess.run(["display", "-window", "root", str(path)], env=session.env(), timeout=60,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)


def start(session):
    lay_noise_picture(session, session.root)
    wait_until(lambda: session.window()["window"] == list(WINDOW), 15, f"the window at {WINDOW}")
    session.move_pointer(BAND[0], BAND[1])
    # The first frequency reading needs a second of ticks behind it.
    wait_until(lambda: frequency(session) > 0, 15, "the status bar's first frequency")


def usage(session):
    _, output = session.probe("usage")
    return json.loads(output)


# -- the soak ------------------------------------------------------------------------------------------------------

def soak(session, minutes):
    meters = Meters(session)
    readings = []
    print(f"{'min':>3} {'working set':>12} {'private':>10} {'GDI':>5} {'USER':>5} {'f min..max (Hz)':>16} "
          f"{'program %':>10} {'X %':>6} {'wineserver %':>13}", flush=True)
    filter_index = 0
    step = 0
    for minute in range(1, minutes + 1):
        meters.mark()
        walk = PointerWalk(session, 60, phase=step)
        step += int(60 / MOVE_STEP_S)
        began = time.monotonic()
        rates = []
        next_filter, next_rate = began + FILTER_PERIOD_S, began + FREQUENCY_PERIOD_S
        while time.monotonic() - began < 60:
            now = time.monotonic()
            if now >= next_filter:
                filter_index += 1
                choose_filter(session, filter_index)
                next_filter += FILTER_PERIOD_S
            if now >= next_rate:
                rates.append(frequency(session))
                next_rate += FREQUENCY_PERIOD_S
            time.sleep(max(min(next_filter, next_rate, began + 60) - time.monotonic(), 0))
        walk.stop()
        cpu = meters.percent()
        held = usage(session)
        held["privateBytes"] = held["privateBytes"] or anonymous_memory(meters.pids["program"])
        readings.append({"minute": minute, "rates": rates, "cpu": cpu, **held})
        print(f"{minute:>3} {held['workingSet'] / 2**20:>9.1f} MiB {held['privateBytes'] / 2**20:>6.1f} MiB "
              f"{held['gdiObjects']:>5} {held['userObjects']:>5} {min(rates):>7.1f}..{max(rates):<7.1f} "
              f"{cpu['program']:>10.1f} {cpu['X server']:>6.1f} {cpu['wineserver']:>13.1f}", flush=True)
    if not session.program_running():
        print("FAILED: the program ended during the soak")
        return False
    first = readings[0]
    print(f"GDI objects counted by {first['gdiSource']}, USER objects by {first['userSource']}")
    return verdict(readings)


def verdict(readings):
    """Flat after the first minute, and the frequency near the nominal rate all along."""
    first, later = readings[0], readings[1:] or readings
    problems = []
    for key, slack in [("workingSet", 2 * 2**20), ("privateBytes", 2 * 2**20), ("gdiObjects", 2), ("userObjects", 2)]:
        growth = max(r[key] for r in later) - first[key]
        if growth > slack:
            problems.append(f"{key} grew by {growth} after the first minute")
    rates = [rate for r in readings for rate in r["rates"]]
    off = [rate for rate in rates if abs(rate - NOMINAL_HZ) > 0.1 * NOMINAL_HZ]
    if off:
        problems.append(f"frequency off by more than 10 % in {len(off)} of {len(rates)} readings: {off}")
    for problem in problems:
        print(f"FAILED: {problem}")
    if not problems:
        print(f"PASSED: memory and handle counts flat after the first minute; frequency "
              f"{min(rates):.1f} to {max(rates):.1f} Hz against {NOMINAL_HZ:.0f} Hz")
    return not problems


# -- the short form: the processor's cost per filter ---------------------------------------------------------------

def cost(session, seconds):
    """{filter: {"still": percentages, "moving": percentages}}, printed as they come."""
    meters = Meters(session)
    print(f"{'filter':<9} {'still: program %':>17} {'X %':>6} {'moving: program %':>18} {'X %':>6}", flush=True)
    totals = {"still": [], "moving": []}
    rows = {}
    for index, (name, _) in enumerate(FILTERS):
        choose_filter(session, index)
        row = {}
        for phase in ("still", "moving"):
            walk = PointerWalk(session, seconds + 1) if phase == "moving" else None
            time.sleep(1)  # the switch and the walk's start are not part of the figure
            meters.mark()
            time.sleep(seconds)
            row[phase] = meters.percent()
            totals[phase].append(row[phase]["program"])
            if walk:
                walk.stop()
        rows[name] = row
        print(f"{name:<9} {row['still']['program']:>17.1f} {row['still']['X server']:>6.1f} "
              f"{row['moving']['program']:>18.1f} {row['moving']['X server']:>6.1f}", flush=True)
    print(f"{'mean':<9} {sum(totals['still']) / len(FILTERS):>17.1f} {'':>6} "
          f"{sum(totals['moving']) / len(FILTERS):>18.1f}")
    return rows if session.program_running() else None


def measure_cost(name, build, probe, seconds):
    harness.config.update(exe=str(build / "src/win32/Orvelle.exe"), probe=str(probe))
    print(f"-- {name}: {build / 'src/win32/Orvelle.exe'}", flush=True)
    with Session(f"soak-{name}", settings=SETTINGS, screen=SCREEN) as session:
        start(session)
        return cost(session, seconds)


def compare(before, after):
    """The two builds side by side: the program's % of one core, and how many times less the second one takes."""
    print(f"\n{'filter':<9} {'still: before':>14} {'after':>7} {'ratio':>7}   {'moving: before':>15} {'after':>7} "
          f"{'ratio':>7}")
    sums = {key: 0.0 for key in ("still0", "still1", "moving0", "moving1")}
    for name, _ in FILTERS:
        figures = []
        for phase in ("still", "moving"):
            old, new = before[name][phase]["program"], after[name][phase]["program"]
            sums[phase + "0"] += old
            sums[phase + "1"] += new
            figures.append((old, new, old / new if new > 0 else float("inf")))
        (s0, s1, sr), (m0, m1, mr) = figures
        print(f"{name:<9} {s0:>14.1f} {s1:>7.1f} {sr:>6.1f}x   {m0:>15.1f} {m1:>7.1f} {mr:>6.2f}x")
    n = len(FILTERS)
    print(f"{'mean':<9} {sums['still0'] / n:>14.1f} {sums['still1'] / n:>7.1f} "
          f"{sums['still0'] / max(sums['still1'], 1e-9):>6.1f}x   {sums['moving0'] / n:>15.1f} "
          f"{sums['moving1'] / n:>7.1f} {sums['moving0'] / max(sums['moving1'], 1e-9):>6.2f}x")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--minutes", type=int, default=10)
    parser.add_argument("--short", action="store_true")
    parser.add_argument("--seconds", type=int, default=10)
    parser.add_argument("--build", default=str(harness.REPO / "build" / "win64"))
    parser.add_argument("--compare", metavar="OTHER_BUILD", help="with --short: measure that build first")
    arguments = parser.parse_args()
    build = Path(arguments.build)
    probe = build / "tests/e2e/probe/probe.exe"
    if arguments.compare:
        print(f"{1000 / NOMINAL_HZ:.0f} ms refresh, window {WINDOW[2]} x {WINDOW[3]}, screen {SCREEN[0]} x "
              f"{SCREEN[1]}, grid and marker on, zoom 4")
        try:
            before = measure_cost("before", Path(arguments.compare), probe, arguments.seconds)
            after = measure_cost("after", build, probe, arguments.seconds) if before else None
        finally:
            shutil.rmtree(harness.run_dir(), ignore_errors=True)
        if before and after:
            compare(before, after)
        return 0 if before and after else 1
    harness.config.update(exe=str(build / "src/win32/Orvelle.exe"), probe=str(build / "tests/e2e/probe/probe.exe"))
    print(f"{1000 / NOMINAL_HZ:.0f} ms refresh, window {WINDOW[2]} x {WINDOW[3]}, screen {SCREEN[0]} x {SCREEN[1]}, "
          "grid and marker on, zoom 4")
    try:
        with Session("soak", settings=SETTINGS, screen=SCREEN) as session:
            start(session)
            passed = cost(session, arguments.seconds) is not None if arguments.short else soak(session, arguments.minutes)
    finally:
        shutil.rmtree(harness.run_dir(), ignore_errors=True)
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
