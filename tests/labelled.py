#!/usr/bin/python3
"""Fails when a test that ctest knows carries no label.

    labelled.py CTEST BUILD_TREE

The loops pick their tests by label (quick, program, soak, ...), so a test with none
runs in no loop that picks; and a list given to a test's properties unquoted loses
the properties after it, labels among them, without a word.
"""
import json
import subprocess
import sys

ctest, tree = sys.argv[1:3]
shown = subprocess.run([ctest, "--test-dir", tree, "--show-only=json-v1"],
                       check=True, capture_output=True, text=True).stdout
tests = json.loads(shown)["tests"]
unlabelled = [t["name"] for t in tests
              if not any(p["name"] == "LABELS" and p["value"] for p in t.get("properties", []))]
if unlabelled:
    sys.exit(f"{len(unlabelled)} of {len(tests)} tests carry no label: " + ", ".join(unlabelled))
print(f"all {len(tests)} tests carry a label")
