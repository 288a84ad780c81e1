#!/usr/bin/env python3
"""Counts non-blank, non-comment lines of the product code and of the tests, and their
ratio: the measure the suite's size is held to (about a third, at most 40 %)."""
import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parents[1]
PRODUCT = ["engine", "sky", "view", "app", "platform", "cli"]
TESTS = ["tests"]
SUFFIXES = {".cpp", ".h"}


def code_lines(path):
    text = re.sub(r"/\*.*?\*/", "", path.read_text(), flags=re.S)
    return sum(1 for line in text.splitlines()
               if line.strip() and not line.strip().startswith("//"))


def count(folders):
    return sum(code_lines(p) for folder in folders for p in sorted((ROOT / folder).rglob("*"))
               if p.suffix in SUFFIXES and p.is_file())


product, tests = count(PRODUCT), count(TESTS)
print(f"product {product}, tests {tests}, ratio {100.0 * tests / product:.1f} %")
