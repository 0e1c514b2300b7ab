#!/usr/bin/env python3
"""Counts test cases of one ctest run: GoogleTest XML per program, ctest's JUnit for the rest.

Usage: count_results.py CTEST_JUNIT_XML GTEST_RESULTS_DIR
Prints "PASSED FAILED SKIPPED". A program that failed without writing its own results (a crash) counts
as one failed case.
"""
import os
import sys
import xml.etree.ElementTree as ElementTree


def gtest_counts(path):
    """Cases of one program: (passed, failed, skipped)."""
    passed = failed = skipped = 0
    for case in ElementTree.parse(path).getroot().iter("testcase"):
        if case.get("status") == "notrun":
            continue
        if case.find("failure") is not None or case.find("error") is not None:
            failed += 1
        elif case.find("skipped") is not None or case.get("result") == "skipped":
            skipped += 1
        else:
            passed += 1
    return passed, failed, skipped


def main():
    junit, results = sys.argv[1], sys.argv[2]
    passed = failed = skipped = 0
    try:
        cases = ElementTree.parse(junit).getroot().iter("testcase")
    except (OSError, ElementTree.ParseError):
        print("0 1 0")
        return
    for case in cases:
        name = case.get("name")
        program_failed = case.get("status") not in ("run", "passed") or \
            case.find("failure") is not None or case.find("error") is not None
        own = os.path.join(results, name + ".xml")
        if os.path.exists(own):
            try:
                good, bad, left = gtest_counts(own)
            except ElementTree.ParseError:
                good, bad, left = 0, 0, 0
            if program_failed and bad == 0:
                bad = 1
            passed, failed, skipped = passed + good, failed + bad, skipped + left
        elif program_failed:
            failed += 1
        else:
            passed += 1
    print(passed, failed, skipped)


if __name__ == "__main__":
    main()
