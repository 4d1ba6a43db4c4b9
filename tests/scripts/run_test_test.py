"""When scripts/run-test lets a test program pass, when it runs it again, and when not."""
import contextlib
import importlib.machinery
import importlib.util
import os
import stat
import io
import tempfile
import time
import unittest

_PATH = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "run-test")
_LOADER = importlib.machinery.SourceFileLoader("run_test", _PATH)
run_test = importlib.util.module_from_spec(importlib.util.spec_from_loader("run_test", _LOADER))
_LOADER.exec_module(run_test)

PASSED = "[  PASSED  ] 3 tests.\r\n"
FAILED = "[  FAILED  ] Launcher.ShowsOneSkinnedLoginWindowAndItsCloseButtonEndsTheProgram (30012 ms)\r\n"
# A failed assertion as GoogleTest built by mingw-w64 prints it: the launcher
# test's check of a launcher's exit code.
EXIT_CODE_CHECK_FAILED = ("C:/work/main/tests/app/launcher_test.cpp:60: Failure\r\n"
                          "Expected equality of these values:\r\n  exitCode\r\n    Which is: 3221225477\r\n  0u\r\n")
OTHER_CHECK_FAILED = ("C:/work/main/tests/app/launcher_test.cpp:48: Failure\r\n"
                      "Value of: session.LoginWindowsVisible()\r\n  Actual: false\r\nExpected: true\r\n")
PAGE_FAULT = ("wine: Unhandled page fault on read access to 0000000000000010 at address 00006FFFF8F1C2D7 "
              "(thread 0128), starting debugger...\n")
# Wine's words for other unhandled exceptions, as Wine 8 prints them.
OTHER_CRASHES = [
    "wine: Unhandled stack overflow at address 0000000140002876 (thread 0114), starting debugger...\n",
    "wine: Unhandled illegal instruction at address 000000014000166E (thread 0024), starting debugger...\n",
    "wine: Unhandled division by zero at address 0000000140001666 (thread 0024), starting debugger...\n",
    "wine: Unhandled privileged instruction at address 000000014000174D (thread 0154), starting debugger...\n",
    "wine: Unhandled exception 0xe0001234 in thread 138 at address 000000007B013D7E (thread 0138), "
    "starting debugger...\n",
    "wine: Unimplemented function dwmapi.dll.DwmFlush called at address 000000007B00CD6C (thread 0024), "
    "starting debugger...\n",
    "wine: Assertion failed at address 000000007B00CD6C (thread 0024), starting debugger...\n",
]


def begins(process_id="0020"):
    """The begin line as Wine 8 prints the engine layer's debug string."""
    return f'{process_id}:0024:warn:debugstr:OutputDebugStringA "{run_test.SHUTDOWN_BEGINS}"\n'


def ends(process_id="0020"):
    return f'{process_id}:0024:warn:debugstr:OutputDebugStringA "{run_test.SHUTDOWN_ENDS}"\n'


def browsers_left_open(process_id="0020"):
    return f'{process_id}:0024:warn:debugstr:OutputDebugStringA "{run_test.BROWSERS_STILL_OPEN}"\n'


def started(test):
    return f"[ RUN      ] {test}\r\n"


def succeeded(test):
    return f"[       OK ] {test} (812 ms)\r\n"


def failed(test):
    return f"[  FAILED  ] {test} (30012 ms)\r\n"


def summary(passed, failed_tests=()):
    """GoogleTest's summary at the program's end."""
    text = f"[==========] {passed + len(failed_tests)} tests from 1 test suite ran. (52311 ms total)\r\n"
    text += f"[  PASSED  ] {passed} tests.\r\n"
    if failed_tests:
        text += f"[  FAILED  ] {len(failed_tests)} tests, listed below:\r\n"
        text += "".join(f"[  FAILED  ] {test}\r\n" for test in failed_tests)
        text += f"\r\n {len(failed_tests)} FAILED TESTS\r\n"
    return text


def passes(exit_code, output):
    return run_test.failures(exit_code, output) == []


def repeats(exit_code, output):
    return not passes(exit_code, output) and run_test.engine_shutdown_fault(exit_code, output)


class APassingProgram(unittest.TestCase):
    def test_exits_with_0_after_its_summary_of_passed_tests(self):
        self.assertTrue(passes(0, "[==========] 3 tests ran.\r\n" + PASSED))
        self.assertTrue(passes(0, PASSED + begins() + ends()))
        self.assertTrue(passes(0, begins("0100") + ends("0100") + PASSED + begins() + ends()))

    def test_without_the_summary_or_with_no_test_run_it_fails(self):
        self.assertFalse(passes(0, "[==========] 3 tests ran.\r\n"))
        self.assertFalse(passes(0, "[  PASSED  ] 0 tests.\r\n"))
        self.assertFalse(passes(0, ""))

    def test_a_failed_test_fails_it_whatever_else(self):
        self.assertFalse(passes(0, FAILED + PASSED))


class ItsExitCodeCounts(unittest.TestCase):
    def test_a_program_that_hangs_after_its_summary_fails_and_is_not_repeated(self):
        self.assertFalse(passes(None, PASSED))
        self.assertFalse(repeats(None, PASSED))
        self.assertFalse(repeats(None, PASSED + begins() + ends()))

    def test_a_program_that_aborts_or_exits_with_an_error_after_its_summary_fails(self):
        # abort() of the C runtime ends the program with 3 and no report of Wine's.
        self.assertFalse(passes(3, PASSED))
        self.assertFalse(repeats(3, PASSED + begins() + ends()))
        self.assertFalse(passes(1, PASSED + begins() + ends()))


class EveryCrashReportOfWineFails(unittest.TestCase):
    def test_whatever_its_words_even_with_exit_code_0(self):
        for crash in [PAGE_FAULT] + OTHER_CRASHES:
            with self.subTest(crash=crash):
                self.assertFalse(passes(0, PASSED + crash))
                self.assertFalse(passes(0, crash + PASSED))
                self.assertFalse(repeats(0, PASSED + crash))

    def test_the_debuggers_own_report_and_missing_libraries_fail_too(self):
        self.assertFalse(passes(0, PASSED + "Unhandled exception: page fault on read access to 0x10\n"))
        self.assertFalse(passes(0, PASSED + "wine: could not load kernel32.dll, status c0000135\n"))


class RepeatsOnlyTheEnginesOwnShutdown(unittest.TestCase):
    def test_a_fault_or_hang_inside_a_shutdown_that_never_ended(self):
        self.assertTrue(repeats(0, PASSED + begins() + PAGE_FAULT))
        self.assertTrue(repeats(None, PASSED + begins()))
        for crash in OTHER_CRASHES:
            with self.subTest(crash=crash):
                self.assertTrue(repeats(0, PASSED + begins() + crash))
        # Ended inside the engine's call without any report: it never came back.
        self.assertTrue(repeats(0, PASSED + begins()))

    def test_what_a_hang_of_another_programs_shutdown_causes_afterwards(self):
        # The launcher hangs in the engine's shut-down; the test that waits
        # for it to end fails after the begin and goes on.
        output = begins("0100") + FAILED + begins("0200") + ends("0200") + "[  FAILED  ] 1 test\r\n"
        self.assertTrue(repeats(1, output))

    def test_not_a_shutdown_that_ended_and_then_went_wrong(self):
        self.assertFalse(repeats(0, PASSED + begins() + ends() + PAGE_FAULT))
        self.assertFalse(repeats(None, PASSED + begins() + ends()))

    def test_not_when_something_went_wrong_before_the_begin(self):
        self.assertFalse(repeats(1, FAILED + begins() + PAGE_FAULT))
        self.assertFalse(repeats(0, PAGE_FAULT + PASSED + begins()))
        self.assertFalse(repeats(1, OTHER_CRASHES[0] + begins("0100")))

    def test_each_process_ends_only_its_own_stretch(self):
        self.assertTrue(repeats(None, PASSED + begins("0100") + ends("0200")))
        self.assertFalse(repeats(None, begins("0100") + begins("0200") + ends("0100") + ends("0200") + PASSED))

    def test_a_process_id_used_again_is_another_process(self):
        self.assertTrue(repeats(1, begins("0100") + FAILED + begins("0100") + ends("0100")))


class NeverRepeatsAFaultOfTheProduct(unittest.TestCase):
    """The launcher's close and exit, which used to lie inside the marked stretch."""

    def test_a_close_button_that_does_nothing(self):
        # No shut-down of the engine begins at all; the test waits and fails.
        output = "[ RUN      ] Launcher.ShowsOneSkinnedLoginWindowAndItsCloseButtonEndsTheProgram\r\n"
        output += "launcher_test.cpp(57): error: the window stayed\r\n" + FAILED
        output += begins("0100") + ends("0100") + "[  FAILED  ] 1 test, listed below:\r\n"
        self.assertFalse(repeats(1, output))

    def test_an_error_exit_or_a_process_left_after_the_engine_ended(self):
        for error in ["launcher_test.cpp(60): error: Expected equality of these values:\r\n  exitCode\r\n"
                      "    Which is: 3\r\n  0u\r\n",
                      "launcher_test.cpp(61): error: Value of: NoLauncherProcessLeft()\r\n"]:
            with self.subTest(error=error):
                self.assertFalse(repeats(1, begins("0100") + ends("0100") + error + FAILED))

    def test_a_crash_of_the_launcher_after_its_engine_ended(self):
        self.assertFalse(repeats(1, begins("0100") + ends("0100") + OTHER_CRASHES[0] + FAILED))


class ExcusesOnlyTheTestThatEndedTheFaultingProcess(unittest.TestCase):
    """A launcher test's launcher faults or hangs in its engine's shut-down:
    that test sees its exit code, or waits in vain, and fails; the program
    goes on with its other tests."""

    CLOSES = "Launcher.CloseButtonEndsTheProgram"
    LATER = "Launcher.SiteButtonsOpenThePublishersPages"

    def test_the_test_that_saw_the_fault_fails_and_the_later_ones_pass(self):
        output = (started(self.CLOSES) + begins("0100") + PAGE_FAULT + EXIT_CODE_CHECK_FAILED + failed(self.CLOSES)
                  + started(self.LATER) + succeeded(self.LATER) + summary(1, [self.CLOSES]))
        self.assertTrue(repeats(1, output))

    def test_not_a_later_test_that_fails_too(self):
        output = (started(self.CLOSES) + begins("0100") + EXIT_CODE_CHECK_FAILED + failed(self.CLOSES)
                  + started(self.LATER) + OTHER_CHECK_FAILED + failed(self.LATER)
                  + summary(0, [self.CLOSES, self.LATER]))
        self.assertFalse(repeats(1, output))

    def test_not_a_check_that_failed_before_the_process_began_its_shutdown(self):
        output = (started(self.CLOSES) + OTHER_CHECK_FAILED + begins("0100") + EXIT_CODE_CHECK_FAILED
                  + failed(self.CLOSES) + summary(0, [self.CLOSES]))
        self.assertFalse(repeats(1, output))
        # In the form Microsoft's compiler gives GoogleTest, too.
        output = output.replace("launcher_test.cpp:48: Failure", "launcher_test.cpp(48): error: ")
        self.assertFalse(repeats(1, output))

    def test_not_a_crash_in_a_later_test(self):
        output = (started(self.CLOSES) + begins("0100") + PAGE_FAULT + succeeded(self.CLOSES)
                  + started(self.LATER) + OTHER_CRASHES[0] + succeeded(self.LATER) + summary(2))
        self.assertFalse(repeats(0, output))

    def test_not_a_later_test_that_hangs(self):
        output = (started(self.CLOSES) + begins("0100") + EXIT_CODE_CHECK_FAILED + failed(self.CLOSES)
                  + started(self.LATER))
        self.assertFalse(repeats(None, output))

    def test_not_an_error_exit_after_later_tests_ran(self):
        output = (started(self.CLOSES) + begins("0100") + EXIT_CODE_CHECK_FAILED + failed(self.CLOSES)
                  + started(self.LATER) + succeeded(self.LATER) + summary(1, [self.CLOSES]))
        self.assertTrue(repeats(1, output))
        # abort() of the C runtime, after its tests had run.
        self.assertFalse(repeats(3, output))
        self.assertFalse(repeats(None, output))

    def test_not_a_program_that_failed_without_its_summary_after_later_tests_ran(self):
        output = (started(self.CLOSES) + begins("0100") + EXIT_CODE_CHECK_FAILED + failed(self.CLOSES)
                  + started(self.LATER) + succeeded(self.LATER))
        self.assertFalse(repeats(1, output))

    def test_a_crash_only_inside_the_stretch_with_every_test_passed(self):
        # The launcher's fault went unseen by its test; the program ends as a passing one.
        output = (started(self.CLOSES) + begins("0100") + PAGE_FAULT + succeeded(self.CLOSES)
                  + started(self.LATER) + succeeded(self.LATER) + summary(2))
        self.assertTrue(repeats(0, output))
        self.assertFalse(repeats(0, output.replace(summary(2), "")))

    def test_the_test_programs_own_shutdown_after_its_summary(self):
        output = started(self.CLOSES) + succeeded(self.CLOSES) + summary(1) + begins("0020")
        self.assertTrue(repeats(0, output + PAGE_FAULT))
        self.assertTrue(repeats(None, output))
        self.assertFalse(repeats(None, output + ends("0020")))


class ACrashInsideAShutdownThatEnded(unittest.TestCase):
    """Another thread or process of the engine crashes while the launcher
    shuts the engine down; the shut-down ends, the launcher exits cleanly and
    every test passes: the program is run again."""

    TEST = "GamePageOpens.ThePublishersPopupsInWindowsOfTheirOwnOtherSitesAndMailOutsideTheGameStays"

    def output(self, inside, after=""):
        return (started(self.TEST) + begins("02c8") + inside + ends("02c8") + after + succeeded(self.TEST)
                + summary(3))

    def test_is_run_again_when_its_tests_passed(self):
        output = self.output(PAGE_FAULT)
        self.assertFalse(passes(0, output))
        self.assertTrue(run_test.engine_crash_in_ended_shutdown(0, output))

    def test_not_a_crash_after_the_end_or_a_failed_check_inside(self):
        self.assertFalse(run_test.engine_crash_in_ended_shutdown(0, self.output("", PAGE_FAULT)))
        self.assertFalse(run_test.engine_crash_in_ended_shutdown(0, self.output(PAGE_FAULT + OTHER_CHECK_FAILED)))

    def test_not_when_a_test_failed_the_program_failed_or_browsers_were_left_open(self):
        failing = (started(self.TEST) + begins("02c8") + PAGE_FAULT + ends("02c8") + EXIT_CODE_CHECK_FAILED
                   + failed(self.TEST) + summary(2, [self.TEST]))
        self.assertFalse(run_test.engine_crash_in_ended_shutdown(1, failing))
        self.assertFalse(run_test.engine_crash_in_ended_shutdown(3, self.output(PAGE_FAULT)))
        left_open = browsers_left_open("02c8") + self.output(PAGE_FAULT)
        self.assertFalse(run_test.engine_crash_in_ended_shutdown(0, left_open))


class NeverExcusesBrowsersLeftOpen(unittest.TestCase):
    """The engine layer says so when browsers were still open as it shut the
    engine down: the program's failure, before the engine's stretch begins."""

    def test_it_fails_a_program_that_passed_otherwise(self):
        self.assertFalse(passes(0, PASSED + browsers_left_open() + begins() + ends()))
        reasons = run_test.failures(0, PASSED + browsers_left_open("0100") + begins("0100") + ends("0100"))
        self.assertEqual(len(reasons), 1)
        self.assertIn("browsers were still open", reasons[0])
        self.assertIn("0100", reasons[0])

    def test_it_is_not_repeated_even_when_the_engines_shutdown_then_faulted(self):
        self.assertFalse(repeats(0, PASSED + browsers_left_open() + begins() + PAGE_FAULT))
        self.assertFalse(repeats(None, PASSED + browsers_left_open() + begins()))
        test = "Launcher.CloseButtonEndsTheProgram"
        self.assertFalse(repeats(1, started(test) + browsers_left_open("0100") + begins("0100")
                                 + EXIT_CODE_CHECK_FAILED + failed(test)))
        # Said by another process while the faulting one was inside its stretch.
        self.assertFalse(repeats(1, started(test) + begins("0100") + browsers_left_open("0200")
                                 + EXIT_CODE_CHECK_FAILED + failed(test)))


class RunsTheProgram(unittest.TestCase):
    """run-test itself with a stand-in for Wine: a shell script."""

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.runs = os.path.join(self.folder.name, "runs")
        self.retry_log = os.path.join(self.folder.name, "retries.log")
        self.failure_log = os.path.join(self.folder.name, "failures.log")
        self.saved = run_test.WINE_RUN, run_test.SHUTDOWN_TIMEOUT
        self.saved_logs = {name: os.environ.get(name)
                           for name in (run_test.RETRY_LOG_VARIABLE, run_test.FAILURE_LOG_VARIABLE)}
        os.environ[run_test.RETRY_LOG_VARIABLE] = self.retry_log
        os.environ[run_test.FAILURE_LOG_VARIABLE] = self.failure_log

    def tearDown(self):
        run_test.WINE_RUN, run_test.SHUTDOWN_TIMEOUT = self.saved
        for name, log in self.saved_logs.items():
            if log is None:
                os.environ.pop(name, None)
            else:
                os.environ[name] = log
        self.folder.cleanup()

    def fake_wine(self, body):
        """A stand-in that counts its runs in a file and then runs the shell body."""
        path = os.path.join(self.folder.name, "fake-wine-run")
        with open(path, "w") as script:
            script.write(f"#!/bin/sh\necho run >> '{self.runs}'\nrun=$(wc -l < '{self.runs}')\n{body}\n")
        os.chmod(path, stat.S_IRWXU)
        run_test.WINE_RUN = path

    def run_test_script(self, *arguments):
        """run-test's exit code; what it prints is left out of the test's output."""
        with contextlib.redirect_stdout(io.StringIO()):
            return run_test.main(list(arguments))

    def run_count(self):
        with open(self.runs) as runs:
            return len(runs.readlines())

    def retries_noted(self):
        if not os.path.exists(self.retry_log):
            return []
        with open(self.retry_log) as log:
            return log.readlines()

    def test_wine_prints_the_debug_strings_with_process_ids(self):
        self.fake_wine('echo "WINEDEBUG=$WINEDEBUG"')
        _, output = run_test.run_once(["program.exe"], timeout=30)
        channels = output.strip().split("=", 1)[1].split(",")
        self.assertIn("+pid", channels)
        self.assertIn("warn+debugstr", channels)

    def test_a_program_silent_after_a_begin_is_stopped_and_run_again(self):
        run_test.SHUTDOWN_TIMEOUT = 1
        self.fake_wine(f"echo '{PASSED.strip()}'\n"
                       f"if [ $run -eq 1 ]; then echo '{begins().strip()}' >&2; exec sleep 600; fi\n"
                       f"echo '{begins().strip()}' >&2; echo '{ends().strip()}' >&2")
        started = time.monotonic()
        self.assertEqual(self.run_test_script("--timeout", "60", "--attempts", "3", "program.exe"), 0)
        self.assertLess(time.monotonic() - started, 30)
        self.assertEqual(self.run_count(), 2)
        self.assertEqual(len(self.retries_noted()), 1)
        self.assertIn("program.exe: attempt 1:", self.retries_noted()[0])

    def test_a_shutdown_left_behind_by_its_test_does_not_stop_the_program(self):
        # The launcher faulted inside its stretch and its test went on: the
        # stretch never ends, yet nothing waits for it any more.
        run_test.SHUTDOWN_TIMEOUT = 1
        self.fake_wine(f"echo '[ RUN      ] Launcher.CloseButtonEndsTheProgram'\n"
                       f"echo '{begins('0100').strip()}' >&2\n"
                       f"echo '[       OK ] Launcher.CloseButtonEndsTheProgram (5 ms)'\n"
                       f"echo '[ RUN      ] Launcher.SiteButtonsOpenThePublishersPages'\n"
                       f"sleep 3\necho '{PASSED.strip()}'")
        exit_code, output = run_test.run_once(["program.exe"], timeout=30)
        self.assertEqual(exit_code, 0)
        self.assertNotIn("run-test: stopped", output)

    def test_the_output_says_why_the_program_was_stopped(self):
        run_test.SHUTDOWN_TIMEOUT = 1
        self.fake_wine(f"echo '{begins('0100').strip()}' >&2\nexec sleep 600")
        exit_code, output = run_test.run_once(["program.exe"], timeout=30)
        self.assertIsNone(exit_code)
        self.assertIn("run-test: stopped the program: the engine's shut-down in process 0100 did not end", output)
        self.fake_wine("exec sleep 600")
        exit_code, output = run_test.run_once(["program.exe"], timeout=1)
        self.assertIsNone(exit_code)
        self.assertIn("run-test: stopped the program: the program did not end within 1 seconds", output)

    def test_browsers_left_open_fail_at_once_and_say_so(self):
        self.fake_wine(f"echo '{PASSED.strip()}'\necho '{browsers_left_open().strip()}' >&2\n"
                       f"echo '{begins().strip()}' >&2\necho '{PAGE_FAULT.strip()}' >&2")
        printed = io.StringIO()
        with contextlib.redirect_stdout(printed):
            self.assertEqual(run_test.main(["--timeout", "30", "--attempts", "3", "program.exe"]), 1)
        self.assertEqual(self.run_count(), 1)
        self.assertEqual(self.retries_noted(), [])
        self.assertIn("run-test: failed: ", printed.getvalue())
        self.assertIn("browsers were still open when process 0020 shut the engine down", printed.getvalue())

    def test_a_failed_program_is_noted_with_its_checks_and_their_messages(self):
        chatter = renderer_started().strip()
        repeated = f'0020:0024:warn:debugstr:OutputDebugStringA "{OTHER_CHECK_FAILED.splitlines()[0]}"'
        self.fake_wine(f"printf '%s\\n' '{started('HotKeys.Codes').strip()}' "
                       f"'{OTHER_CHECK_FAILED.splitlines()[0]}' '{chatter}' '{repeated}' "
                       + " ".join(f"'{line}'" for line in OTHER_CHECK_FAILED.splitlines()[1:])
                       + f" '{failed('HotKeys.Codes').strip()}' '{summary(0, ['HotKeys.Codes']).splitlines()[1]}'"
                       "\nexit 1")
        self.assertEqual(self.run_test_script("--timeout", "30", "--attempts", "3", "program.exe"), 1)
        with open(self.failure_log) as log:
            noted = log.read()
        self.assertTrue(noted.startswith("program.exe: C:/work/main/tests/app/launcher_test.cpp:48: Failure; "))
        self.assertIn("\n  C:/work/main/tests/app/launcher_test.cpp:48: Failure\n"
                      "      Value of: session.LoginWindowsVisible()\n        Actual: false\n"
                      "      Expected: true\n", noted)
        self.assertNotIn("renderer", noted)
        self.assertNotIn("debugstr", noted)
        self.assertNotIn("[  FAILED  ] HotKeys.Codes (", noted.split("\n", 1)[1])

    def test_a_hang_after_the_summary_fails_at_once(self):
        self.fake_wine(f"echo '{PASSED.strip()}'\nexec sleep 600")
        started = time.monotonic()
        self.assertEqual(self.run_test_script("--timeout", "2", "--attempts", "3", "program.exe"), 1)
        self.assertLess(time.monotonic() - started, 30)
        self.assertEqual(self.run_count(), 1)
        self.assertEqual(self.retries_noted(), [])

    def test_abort_after_the_summary_fails_at_once(self):
        self.fake_wine(f"echo '{PASSED.strip()}'\nexit 3")
        self.assertEqual(self.run_test_script("--timeout", "30", "--attempts", "3", "program.exe"), 1)
        self.assertEqual(self.run_count(), 1)

    def test_a_repeat_leaves_out_the_tests_that_passed(self):
        arguments = os.path.join(self.folder.name, "arguments")
        faulted = "LoginFlow.CloseEndsTheProgram"
        first = (started("LoginFlow.Opens") + succeeded("LoginFlow.Opens") + started(faulted) + begins()
                 + PAGE_FAULT + EXIT_CODE_CHECK_FAILED + failed(faulted) + started("LoginFlow.Returns")
                 + succeeded("LoginFlow.Returns") + summary(2, [faulted]))
        self.fake_wine(f"echo \"$*\" >> '{arguments}'\n"
                       f"if [ $run -eq 1 ]; then printf '%s' '{first}'; exit 1; fi\necho '{PASSED.strip()}'")
        self.assertEqual(self.run_test_script("--timeout", "30", "--attempts", "3", "program.exe", "--switch"), 0)
        with open(arguments) as runs:
            self.assertEqual(runs.read().splitlines(),
                             ["program.exe --switch",
                              "program.exe --switch --gtest_filter=-LoginFlow.Opens:LoginFlow.Returns"])

    def test_a_repeat_runs_the_tests_that_met_the_fault_and_those_never_reached(self):
        # A crash reported after its test's result belongs to that test.
        crashed_after_its_result = (started("A.B") + succeeded("A.B") + started("A.C") + succeeded("A.C") + PAGE_FAULT
                                    + started("A.D") + succeeded("A.D") + summary(3))
        self.assertEqual(run_test.cleanly_passed_tests(crashed_after_its_result), ["A.B", "A.D"])
        stopped_in_a_stretch = started("A.B") + succeeded("A.B") + started("A.C") + begins()
        self.assertEqual(run_test.cleanly_passed_tests(stopped_in_a_stretch), ["A.B"])
        self.assertEqual(run_test.cleanly_passed_tests(begins() + PAGE_FAULT + started("A.B") + succeeded("A.B")), [])

    def test_a_shutdown_that_always_faults_fails_after_the_last_attempt(self):
        self.fake_wine(f"echo '{PASSED.strip()}'\necho '{begins().strip()}' >&2\necho '{PAGE_FAULT.strip()}' >&2")
        self.assertEqual(self.run_test_script("--timeout", "30", "--attempts", "3", "program.exe"), 1)
        self.assertEqual(self.run_count(), 3)
        self.assertEqual(len(self.retries_noted()), 2)



def renderer_started(process_id="0204"):
    return (f'{process_id}:0210:warn:debugstr:OutputDebugStringA "[1209/081038:ERROR:renderer_main.cc(200)] '
            f'Running without renderer sandbox\\n"\n')


def renderer_out_of_memory(process_id="0204", thread_id="0208"):
    return (f'{process_id}:{thread_id}:warn:debugstr:OutputDebugStringA "[1209/081039:FATAL:memory.cc(18)] '
            f'Out of memory. size=4194304\\n"\n')


def breakpoint_in(thread_id="208"):
    return (f"wine: Unhandled exception 0x80000003 in thread {thread_id} at address 00000001801DA1DD "
            f"(thread 0{thread_id}), starting debugger...\n")


class ARendererOutOfMemory(unittest.TestCase):
    """The engine's renderer under Wine now and then fails an allocation as
    it is closed, logs a FATAL line and stops at a breakpoint: the program's
    tests all passed, and it is run again."""

    TEST = "GameAddressTest.RedirectOfAPagesImageIsNoNavigation"

    def output(self, crash):
        return (started(self.TEST) + renderer_started() + crash + succeeded(self.TEST) + summary(3))

    def test_is_run_again_when_its_tests_passed(self):
        output = self.output(renderer_out_of_memory() + breakpoint_in())
        self.assertFalse(passes(0, output))
        self.assertTrue(run_test.engine_renderer_fault(0, output))

    def test_not_a_breakpoint_on_another_thread_or_without_the_fatal_line(self):
        on_another_thread = renderer_out_of_memory() + breakpoint_in("20c")
        self.assertFalse(run_test.engine_renderer_fault(0, self.output(on_another_thread)))
        self.assertFalse(run_test.engine_renderer_fault(0, self.output(breakpoint_in())))

    def test_not_in_a_process_that_is_no_renderer(self):
        output = (started(self.TEST) + renderer_started("0300") + renderer_out_of_memory() + breakpoint_in()
                  + succeeded(self.TEST) + summary(3))
        self.assertFalse(run_test.engine_renderer_fault(0, output))

    def test_not_when_a_test_failed_or_something_else_crashed(self):
        crash = renderer_out_of_memory() + breakpoint_in()
        failing = (started(self.TEST) + renderer_started() + crash + OTHER_CHECK_FAILED + failed(self.TEST)
                   + summary(2, [self.TEST]))
        self.assertFalse(run_test.engine_renderer_fault(1, failing))
        self.assertFalse(run_test.engine_renderer_fault(0, self.output(crash + PAGE_FAULT)))
        self.assertFalse(run_test.engine_renderer_fault(1, self.output(crash)))


if __name__ == "__main__":
    unittest.main()
