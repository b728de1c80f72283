#!/usr/bin/env python3
"""Runs the end-to-end tests (tests/e2e/test_*.py) against the real Orvelle.exe under Wine.

    run_e2e.py [--build DIR | --exe PATH --probe PATH] [-k PATTERN] [--repeat N] [--artifacts DIR]

Needs wine64, Xvfb, xdotool and ImageMagick. --build takes both programs from one 64-bit build tree; without it
(and without --exe/--probe) the newest 64-bit builds under build/ are used.
Ends with the line "<n> passed, <m> failed" and exits non-zero when any test failed or none ran.
"""

import argparse
import shutil
import signal
import sys
import time
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import harness  # noqa: E402


class CountingResult(unittest.TextTestResult):
    """Counts each test method once, failed when it or any of its subtests failed, and prints its time."""

    def __init__(self, *args, **kwargs):
        super().__init__(*args, **kwargs)
        self.outcomes = {}
        self.started = {}

    def _mark(self, test, failed):
        key = test.id()
        self.outcomes[key] = self.outcomes.get(key, False) or failed

    def startTest(self, test):
        self.started[test.id()] = time.monotonic()
        self.stream.write(f"{test.id()} ... ")
        self.stream.flush()
        unittest.TestResult.startTest(self, test)

    def stopTest(self, test):
        unittest.TestResult.stopTest(self, test)
        key = test.id()
        if key in self.started:
            failed = self.outcomes.get(key, False)
            seconds = time.monotonic() - self.started.pop(key)
            self.stream.write(f"{'FAILED' if failed else 'ok'} ({seconds:.1f} s)\n")
            self.stream.flush()

    def addSuccess(self, test):
        unittest.TestResult.addSuccess(self, test)
        self._mark(test, False)

    def addFailure(self, test, err):
        unittest.TestResult.addFailure(self, test, err)
        self._mark(test, True)

    def addError(self, test, err):
        unittest.TestResult.addError(self, test, err)
        self._mark(test, True)

    def addSubTest(self, test, subtest, err):
        unittest.TestResult.addSubTest(self, test, subtest, err)
        self._mark(test, err is not None)

    def addSkip(self, test, reason):
        unittest.TestResult.addSkip(self, test, reason)
        self.stream.write(f"skipped: {reason} ")

    def addExpectedFailure(self, test, err):
        unittest.TestResult.addExpectedFailure(self, test, err)
        self._mark(test, False)

    def addUnexpectedSuccess(self, test):
        unittest.TestResult.addUnexpectedSuccess(self, test)
        self._mark(test, True)


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", help="64-bit build tree holding Orvelle.exe and probe.exe")
    parser.add_argument("--exe", help="Orvelle.exe to test")
    parser.add_argument("--probe", help="probe.exe built with it")
    parser.add_argument("-k", dest="patterns", action="append", help="run only tests whose name contains this")
    parser.add_argument("--repeat", type=int, default=1, help="run the tests this many times in a row")
    parser.add_argument("--artifacts", default=str(harness.REPO / "build" / "e2e-artifacts"),
                        help="where failed tests leave their last screenshot, window reading and program log")
    return parser.parse_args()


def check_tools():
    missing = [tool for tool in ("wine", "wineboot", "wineserver", "Xvfb", "xdotool", "import", "display")
               if shutil.which(tool) is None]
    if missing:
        raise harness.E2EError(f"missing tools: {', '.join(missing)}")
    harness.exe_path()
    harness.probe_path()


def interrupted(signum, frame):
    raise KeyboardInterrupt(f"signal {signum}")


def main():
    arguments = parse_arguments()
    if arguments.build:
        build = Path(arguments.build)
        arguments.exe = arguments.exe or next(build.glob("**/Orvelle.exe"), build / "src/win32/Orvelle.exe")
        arguments.probe = arguments.probe or next(build.glob("**/probe.exe"), build / "tests/e2e/probe/probe.exe")
    harness.config.update(exe=arguments.exe or harness.config["exe"],
                          probe=arguments.probe or harness.config["probe"], artifacts=arguments.artifacts)
    signal.signal(signal.SIGTERM, interrupted)
    try:
        check_tools()
    except harness.E2EError as problem:
        print(f"cannot run the end-to-end tests: {problem}")
        print("0 passed, 1 failed")
        return 2
    print(f"program: {harness.exe_path()}\nprobe:   {harness.probe_path()}")

    loader = unittest.TestLoader()
    if arguments.patterns:
        loader.testNamePatterns = [f"*{pattern}*" for pattern in arguments.patterns]
    stream = unittest.runner._WritelnDecorator(sys.stdout)
    outcomes = {}
    began = time.monotonic()
    try:
        setup = time.monotonic()
        harness.template_prefix()
        print(f"template Wine prefix ready in {time.monotonic() - setup:.1f} s")
        for round_number in range(arguments.repeat):
            if arguments.repeat > 1:
                print(f"-- round {round_number + 1} of {arguments.repeat}")
            suite = loader.discover(str(HERE), pattern="test_*.py", top_level_dir=str(HERE))
            result = CountingResult(stream, descriptions=False, verbosity=0)
            suite.run(result)
            result.printErrors()
            for key, failed in result.outcomes.items():
                outcomes[f"{round_number}:{key}"] = failed
    except KeyboardInterrupt:
        print("\ninterrupted")
        outcomes["interrupted"] = True
    finally:
        harness.cleanup_run()

    failed = sum(1 for value in outcomes.values() if value)
    passed = len(outcomes) - failed
    print(f"\ntotal time {time.monotonic() - began:.1f} s")
    if failed:
        print(f"artifacts of failed tests: {arguments.artifacts}")
    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 and passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
