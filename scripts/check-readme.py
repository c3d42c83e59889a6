#!/usr/bin/env python3
"""Checks that the README stays true to the tree: every file and folder of the project it
names exists, every source folder is in its layout, and it keeps its list of what the
programs do not do on Linux (one line per entry)."""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
text = (root / "README.md").read_text(encoding="utf-8")
faults = []

# Paths of the project the README names (outputs such as sample/ and build/ are made by the run).
named = set(re.findall(r"(?<![\w/.-])((?:scripts|apps|src|tests|docs|bench|fuzz)/[A-Za-z0-9_./-]*[A-Za-z0-9_/-])", text))
for rel in sorted(named):
    if not (root / rel).exists():
        faults.append(f"names {rel}, which does not exist")

# The layout lists every source folder.
layout = text.split("## Layout", 1)[1].split("\n## ", 1)[0] if "## Layout" in text else ""
if not layout:
    faults.append("has no Layout section")
for folder in sorted(p for p in (root / "src").iterdir() if p.is_dir()):
    if f"src/{folder.name}" not in layout:
        faults.append(f"Layout does not list src/{folder.name}")

# What the system does not do on Linux: a section of one-line entries.
m = re.search(r"^## What it does not do on Linux\n(.*?)(?=^## |\Z)", text, re.S | re.M)
if not m:
    faults.append("has no section 'What it does not do on Linux'")
else:
    body = m.group(1)
    entries = [line for line in body.splitlines() if line.startswith("- ")]
    if not entries:
        faults.append("'What it does not do on Linux' lists nothing")
    for line in body.splitlines():
        if line.startswith("  ") and line.strip():
            faults.append(f"'What it does not do on Linux' has an entry over more than one line: {line.strip()[:60]}")

for f in faults:
    print(f"README {f}")
if faults:
    sys.exit(1)
print("check-readme: the README matches the tree")
