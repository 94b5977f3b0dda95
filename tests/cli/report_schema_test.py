#!/usr/bin/env python3
"""Checks stowly-cli --json against docs/report.schema.json over a table of loads.

The schema is the report's published interface: every member is documented, none may go
missing (absent values are null) and none may appear undocumented, so every object in the
schema lists all its members as required and forbids others.
Usage: report_schema_test.py STOWLY_CLI SCHEMA
"""
import json
import os
import subprocess
import sys
import tempfile

import jsonschema

# Loads that between them give every member a value and, where it can have none, null.
LOADS = [
    ["600x400x300"],
    ["410x300x100", "--overhang", "50x0", "--bundles", "1000"],
    ["410", "300", "100", "--pallet", "800x1200", "--overhang", "0x50"],  # turned
    ["600x400x3000", "--bundles", "10"],  # nothing fits the height: no pallet count
    ["2000x2000x100", "--advice"],  # nothing fits the pallet
    ["600x400x150", "--height-without-pallet", "--bundles", "96"],  # the order fills 2 pallets
    ["600x400x100", "--max-height", "0"],  # no room above the pallet
    ["--box", "400x300x200", "--per-bundle", "10", "--boxes", "1001"],
    ["410x310x100", "--advice", "--bundles", "500"],  # a better layer than two blocks
    ["600x400x300", "--advice"],  # two blocks proven best
    ["410x300x100", "--advice", "--overhang", "30x30"],
    ["60cmx40cmx30cm", "--pallet", "1200.5x800.5"],  # fractional pallet sides
    ["600x400x300", "--color", "#123456", "--no-text"],
    ["600x400x150", "--bundles", "1000", "--bundle-weight", "10", "--max-gross", "400"],  # cut
    ["600x400x150", "--pallet", "EUR6", "--bundle-weight", "12.5"],  # no order
    ["600x400x150", "--box-weight", "350"],  # bundle weight not known
    ["--box", "400x300x200", "--per-bundle", "10", "--boxes", "1001", "--box-weight", "350"],
]


def walk(schema, path="$"):
    """Yields every object schema with its path."""
    if isinstance(schema, dict):
        if "properties" in schema:
            yield path, schema
        for key, value in schema.items():
            yield from walk(value, f"{path}/{key}")
    elif isinstance(schema, list):
        for i, value in enumerate(schema):
            yield from walk(value, f"{path}[{i}]")


def check_schema(schema):
    failures = []
    jsonschema.Draft202012Validator.check_schema(schema)
    for path, node in walk(schema):
        if node.get("additionalProperties") is not False:
            failures.append(f"{path}: does not forbid undocumented members")
        if sorted(node.get("required", [])) != sorted(node["properties"]):
            failures.append(f"{path}: not every member is required (null stands for no value)")
        for name, member in node["properties"].items():
            if not member.get("description"):
                failures.append(f"{path}/{name}: no description")
            if name.endswith("Mm") and "millimetres" not in member["description"]:
                failures.append(f"{path}/{name}: the description does not give the unit")
            if name.endswith("Kg") and "kg" not in member["description"]:
                failures.append(f"{path}/{name}: the description does not give the unit")
    return failures


def main():
    cli, schema_path = sys.argv[1], sys.argv[2]
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    failures = check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    env = dict(os.environ, LC_ALL="C.UTF-8")
    with tempfile.TemporaryDirectory() as runtime:
        env["XDG_RUNTIME_DIR"] = runtime
        for load in LOADS:
            run = subprocess.run([cli, *load, "--json"], capture_output=True, text=True,
                                 env=env, timeout=60)
            name = " ".join(load)
            if run.returncode != 0:
                failures.append(f"{name}: exit {run.returncode}: {run.stderr.strip()}")
                continue
            try:
                report = json.loads(run.stdout)
            except json.JSONDecodeError as error:
                failures.append(f"{name}: not JSON: {error}")
                continue
            for error in validator.iter_errors(report):
                where = "/".join(str(p) for p in error.absolute_path) or "(top)"
                failures.append(f"{name}: {where}: {error.message}")
    for failure in failures:
        print("FAILED:", failure)
    print(f"{len(LOADS)} loads checked, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
