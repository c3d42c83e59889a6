#!/usr/bin/env python3
"""scripts/report-skips.py on hand-written ctest and gtest results: the list of skipped
tests with their reasons, --strict, and a sanitizer report behind a skip."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parent.parent / "scripts" / "report-skips.py"

CTEST = """<?xml version="1.0" encoding="UTF-8"?>
<testsuite name="x" tests="3" failures="0" disabled="0" skipped="2">
  <testcase name="keys_tests" classname="keys_tests" time="0.1" status="notrun">
    <skipped message="SKIP_RETURN_CODE=77"/>
    <system-out>[ RUN      ] Keys.Typed
keys_test.cpp:24: Skipped
no X display
</system-out>
  </testcase>
  <testcase name="layer_check" classname="layer_check" time="0.1" status="notrun">
    <skipped message="SKIP_RETURN_CODE=77"/>
    <system-out>{extra}</system-out>
  </testcase>
  <testcase name="text_tests" classname="text_tests" time="0.1" status="run">
    <system-out>[  PASSED  ] 3 tests.</system-out>
  </testcase>
</testsuite>
"""

GTEST = """<?xml version="1.0" encoding="UTF-8"?>
<testsuites tests="2" failures="0" disabled="0" errors="0" name="AllTests">
  <testsuite name="Keys" tests="2" failures="0" disabled="0" skipped="1" errors="0">
    <testcase name="Typed" status="run" result="skipped" time="0" classname="Keys">
      <skipped message="keys_test.cpp:24&#x0A;no X display"><![CDATA[keys_test.cpp:24
no X display]]></skipped>
    </testcase>
    <testcase name="Other" status="run" result="completed" time="0" classname="Keys"/>
  </testsuite>
</testsuites>
"""


def report(extra="", strict=False):
    with tempfile.TemporaryDirectory() as folder:
        folder = pathlib.Path(folder)
        (folder / "ctest.xml").write_text(CTEST.replace("{extra}", extra))
        (folder / "keys_tests.xml").write_text(GTEST)
        args = [sys.executable, str(SCRIPT)] + (["--strict"] if strict else [])
        done = subprocess.run(args + [str(folder / "ctest.xml"), str(folder)], capture_output=True, text=True)
        return done.returncode, done.stdout


class ReportSkips(unittest.TestCase):
    def test_lists_each_skipped_test_with_its_reason(self):
        rc, out = report()
        self.assertEqual(rc, 0)
        self.assertEqual(out.splitlines(), [
            "== skipped tests",
            "  keys_tests: Keys.Typed: no X display",
            "  layer_check: SKIP_RETURN_CODE=77",
        ])

    def test_strict_fails_on_a_skip(self):
        self.assertEqual(report(strict=True)[0], 1)

    def test_a_sanitizer_report_behind_a_skip_fails(self):
        rc, _ = report("==12==ERROR: AddressSanitizer: heap-use-after-free")
        self.assertEqual(rc, 1)


if __name__ == "__main__":
    unittest.main()
