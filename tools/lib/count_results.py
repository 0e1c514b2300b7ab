#!/usr/bin/env python3
"""Counts test cases of one ctest run: GoogleTest XML per program, ctest's JUnit for the rest.

Usage: count_results.py CTEST_JUNIT_XML GTEST_RESULTS_DIR
Prints "PASSED FAILED". A program that failed without writing its own results (a crash) counts
as one failed case.
"""
import os
import sys
import xml.etree.ElementTree as ElementTree


def gtest_counts(path):
    root = ElementTree.parse(path).getroot()
    tests = int(root.get("tests", "0")) - int(root.get("disabled", "0"))
    failed = int(root.get("failures", "0")) + int(root.get("errors", "0"))
    return tests - failed, failed


def main():
    junit, results = sys.argv[1], sys.argv[2]
    passed = failed = 0
    try:
        cases = ElementTree.parse(junit).getroot().iter("testcase")
    except (OSError, ElementTree.ParseError):
        print("0 1")
        return
    for case in cases:
        name = case.get("name")
        program_failed = case.get("status") not in ("run", "passed") or \
            case.find("failure") is not None or case.find("error") is not None
        own = os.path.join(results, name + ".xml")
        if os.path.exists(own):
            try:
                good, bad = gtest_counts(own)
            except ElementTree.ParseError:
                good, bad = 0, 0
            if program_failed and bad == 0:
                bad = 1
            passed, failed = passed + good, failed + bad
        elif program_failed:
            failed += 1
        else:
            passed += 1
    print(passed, failed)


if __name__ == "__main__":
    main()
