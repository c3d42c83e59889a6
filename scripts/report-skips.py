#!/usr/bin/env python3
"""Lists the tests that did not run, each with its reason.

report-skips.py [--strict] CTEST_JUNIT GTEST_XML_DIR

CTEST_JUNIT is ctest's --output-junit file; GTEST_XML_DIR the folder GTEST_OUTPUT=xml:DIR/
filled, one file per test program, which names each skipped test inside a program and why.
With --strict any skipped test fails the run: the machine has everything the tests need.
A skipped test whose output holds a sanitizer's report fails the run in any case (ctest
counts a run that ended with the skip code as skipped, whatever its output).
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

# The same as VX_SANITIZER_REPORT in cmake/project_options.cmake.
SANITIZER_REPORT = re.compile(r"ERROR: [A-Za-z]+Sanitizer|SUMMARY: [A-Za-z]+Sanitizer|: runtime error: ")


def ctest_skips(junit):
    """(ctest test name, message, whether its output holds a sanitizer report) of each test
    that ctest did not count as run."""
    skips = []
    for case in ET.parse(junit).getroot().iter("testcase"):
        if case.get("status") in ("notrun", "disabled") or case.find("skipped") is not None:
            skipped = case.find("skipped")
            message = skipped.get("message", "") if skipped is not None else case.get("status")
            out = case.find("system-out")
            reported = out is not None and SANITIZER_REPORT.search(out.text or "") is not None
            skips.append((case.get("name"), message, reported))
    return skips


def gtest_skips(xml_file):
    """(Suite.Name, reason) of each test a test program skipped."""
    skips = []
    try:
        root = ET.parse(xml_file).getroot()
    except (ET.ParseError, OSError):
        return skips
    for case in root.iter("testcase"):
        skipped = case.find("skipped")
        if case.get("result") != "skipped" and skipped is None:
            continue
        reason = skipped.get("message", "") if skipped is not None else ""
        # gtest writes "file:line\nreason"; the reason is what the test said.
        lines = [line for line in reason.splitlines() if line.strip()]
        if len(lines) > 1 and ":" in lines[0]:
            lines = lines[1:]
        skips.append((f"{case.get('classname')}.{case.get('name')}", " ".join(lines) or "skipped"))
    return skips


def main(argv):
    strict = "--strict" in argv
    args = [a for a in argv if a != "--strict"]
    if len(args) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    junit, xml_dir = pathlib.Path(args[0]), pathlib.Path(args[1])
    lines = []
    reported = []
    for name, message, sanitizer_report in ctest_skips(junit):
        inner = gtest_skips(xml_dir / f"{name}.xml")
        if inner:
            lines += [f"  {name}: {test}: {reason}" for test, reason in inner]
        else:
            lines.append(f"  {name}: {message}")
        if sanitizer_report:
            reported.append(name)
    print("== skipped tests")
    print("\n".join(lines) if lines else "  none")
    if reported:
        print("report-skips: a sanitizer reported in the output of " + ", ".join(reported), file=sys.stderr)
        return 1
    if lines and strict:
        print("report-skips: tests skipped on a machine that has everything they need "
              "(root, the packages of scripts/setup.sh, Xvfb)", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
