#!/usr/bin/env python3
"""Validates configuration files against the JSON Schema.

Every *.setrix file in the folders or files given must be valid; every JSON block of the
README that names the format must be valid; every file under --bad must be refused (so the
schema is known to say something). Exit status 1 with one line per fault.
"""
import argparse
import json
import pathlib
import re
import sys

import jsonschema


def files(paths):
    for p in map(pathlib.Path, paths):
        if p.is_dir():
            yield from sorted(f for f in p.glob("*.setrix"))
        else:
            yield p


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--schema", required=True)
    ap.add_argument("--readme")
    ap.add_argument("--bad")
    ap.add_argument("paths", nargs="*")
    a = ap.parse_args()
    schema = json.loads(pathlib.Path(a.schema).read_text(encoding="utf-8"))
    jsonschema.Draft202012Validator.check_schema(schema)
    v = jsonschema.Draft202012Validator(schema)
    faults, checked = [], 0

    def check(name, text, want_valid):
        nonlocal checked
        checked += 1
        try:
            doc = json.loads(text)
        except ValueError as e:
            if want_valid:
                faults.append(f"{name}: not JSON: {e}")
            return
        errors = list(v.iter_errors(doc))
        if want_valid and errors:
            faults.append(f"{name}: {errors[0].json_path}: {errors[0].message}")
        if not want_valid and not errors:
            faults.append(f"{name}: accepted, but it is meant to be refused")

    for f in files(a.paths):
        check(str(f), f.read_text(encoding="utf-8"), True)
    if a.bad:
        for f in sorted(pathlib.Path(a.bad).glob("*.setrix")):
            check(str(f), f.read_text(encoding="utf-8", errors="replace"), False)
    if a.readme:
        text = pathlib.Path(a.readme).read_text(encoding="utf-8")
        blocks = [b for b in re.findall(r"```json\n(.*?)```", text, re.S) if '"setrix-configuration"' in b]
        if not blocks:
            faults.append(f"{a.readme}: no configuration example found")
        for i, b in enumerate(blocks, 1):
            check(f"{a.readme} example {i}", b, True)
    for line in faults:
        print(line)
    print(f"{checked} files checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
