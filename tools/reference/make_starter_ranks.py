#!/usr/bin/env python3
"""Builds data/starter_ranks.tsv: how everyday each food of the starter list is,
for the find field over the food lists, which puts everyday foods first among
names that match alike ("milk" finds "Milk, whole, 1 cup" before "Milk, goat").

    tools/reference/make_starter_ranks.py                  # writes data/starter_ranks.tsv
    tools/reference/make_starter_ranks.py --check FILE     # fails unless FILE is what it would write

A row's rank is the rank of its USDA food in data/usda_reference.tsv (1 the
most everyday; see make_reference.py). One line a row of data/starter_foods.csv,
in its order: the food item name, a tab, the rank. Names the list does not hold
(the user's own items) rank after every starter row.
"""

import argparse
import csv
import os
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../..")


def build(starter_path, reference_path):
    with open(reference_path, encoding="utf-8") as f:
        header = f.readline().rstrip("\n").split("\t")
        number, rank = header.index("number"), header.index("rank")
        ranks = {fields[number]: fields[rank] for fields in (line.split("\t") for line in f)}
    with open(starter_path, encoding="utf-8", newline="") as f:
        rows = list(csv.DictReader(f))
    missing = [row["Name"] for row in rows if row["USDA number"] not in ranks]
    if missing:
        sys.exit("not in the reference: " + ", ".join(missing))
    return "".join(f"{row['Name']}\t{ranks[row['USDA number']]}\n" for row in rows)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", help="compare with this file instead of writing")
    args = parser.parse_args()
    text = build(os.path.join(ROOT, "data/starter_foods.csv"), os.path.join(ROOT, "data/usda_reference.tsv"))
    if args.check:
        with open(args.check, encoding="utf-8", newline="") as f:
            if f.read() != text:
                sys.exit(f"{args.check} is not what tools/reference/make_starter_ranks.py writes: run it")
        return
    with open(os.path.join(ROOT, "data/starter_ranks.tsv"), "w", encoding="utf-8", newline="") as f:
        f.write(text)


if __name__ == "__main__":
    main()
