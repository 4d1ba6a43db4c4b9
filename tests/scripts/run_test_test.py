"""When scripts/run-test runs a test program again, and when it does not."""
import importlib.machinery
import importlib.util
import os
import stat
import tempfile
import time
import unittest

_PATH = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "run-test")
_LOADER = importlib.machinery.SourceFileLoader("run_test", _PATH)
run_test = importlib.util.module_from_spec(importlib.util.spec_from_loader("run_test", _LOADER))
_LOADER.exec_module(run_test)

BEGINS = run_test.SHUTDOWN_BEGINS
ENDS = run_test.SHUTDOWN_ENDS
PASSED = "[  PASSED  ] 3 tests.\n"
FAULT = "wine: Unhandled page fault on read access to 0000000000000010\n"


class RepeatsOnlyAFailedEngineShutdown(unittest.TestCase):
    def repeats(self, exit_code, output):
        return run_test.failed_only_while_ending_engine(exit_code, output)

    def test_fault_or_hang_inside_an_unfinished_shutdown_after_passing_tests(self):
        self.assertTrue(self.repeats(0, PASSED + BEGINS + "\n" + FAULT))
        self.assertTrue(self.repeats(None, PASSED + BEGINS + "\n"))
        self.assertTrue(self.repeats(1, BEGINS + "\n" + FAULT + "[  FAILED  ] Launcher.Close\n" + BEGINS + "\n" + ENDS))

    def test_a_finished_shutdown_or_no_shutdown_at_all(self):
        self.assertFalse(self.repeats(0, PASSED + BEGINS + "\n" + ENDS + "\n"))
        self.assertFalse(self.repeats(1, "[  FAILED  ] A.b\n"))
        self.assertFalse(self.repeats(1, BEGINS + "\n" + ENDS + "\n[  FAILED  ] A.b\n" + BEGINS + "\n" + ENDS))

    def test_anything_wrong_before_the_shutdown(self):
        self.assertFalse(self.repeats(1, "[  FAILED  ] A.b\n" + BEGINS + "\n" + FAULT))
        self.assertFalse(self.repeats(0, FAULT + PASSED + BEGINS + "\n"))


class StopsAHungShutdown(unittest.TestCase):
    def test_a_program_silent_after_the_begin_marker_is_stopped(self):
        with tempfile.TemporaryDirectory() as folder:
            fake_wine = os.path.join(folder, "fake-wine-run")
            with open(fake_wine, "w") as script:
                script.write(f"#!/bin/sh\necho '{PASSED.strip()}'\necho '{BEGINS}'\nexec sleep 600\n")
            os.chmod(fake_wine, stat.S_IRWXU)
            saved = run_test.WINE_RUN, run_test.SHUTDOWN_TIMEOUT
            run_test.WINE_RUN, run_test.SHUTDOWN_TIMEOUT = fake_wine, 1
            try:
                started = time.monotonic()
                exit_code, output = run_test.run_once(["program.exe"], timeout=60)
            finally:
                run_test.WINE_RUN, run_test.SHUTDOWN_TIMEOUT = saved
            self.assertIsNone(exit_code)
            self.assertLess(time.monotonic() - started, 30)
            self.assertTrue(run_test.failed_only_while_ending_engine(exit_code, output))


if __name__ == "__main__":
    unittest.main()
