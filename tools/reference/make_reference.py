#!/usr/bin/env python3
"""Builds data/usda_reference.tsv, the USDA reference the program searches in
"Add from USDA": every current food of the USDA National Nutrient Database for
Standard Reference, release 24 (public domain), as Debian's `cronometer`
package ships it (usr/share/cronometer/usda_sr24.jar), the same source as the
starter food list.

    tools/reference/make_reference.py                      # the installed package
    tools/reference/make_reference.py --source JAR --out FILE
    tools/reference/make_reference.py --check data/usda_reference.tsv

--check regenerates the table and fails unless the file is byte for byte the
same: every value of it recomputes from the USDA records.

One line a food, tab-separated, sorted by USDA number; the first line names
the columns:
  number   the USDA number (5 digits)
  group    the food group, from the number's first two digits as USDA numbers them
  rank     commonness, most everyday first: 1..272 the staples in their order
           (tools/starter/staples.csv), 273 the other foods of the starter list
           and the everyday foods it leaves out (everyday_foods.csv),
           274 the other foods, 275 the kinds the starter list leaves out (baby
           foods, brands, restaurant foods, game, organ meats, powders, dry mixes...)
  name     the proposed food item name (at most 30 characters, without its measure)
  description  USDA's full description
  measures     "amount|name|grams|calories|carbo|protein|fat|sodium|chol", joined by
           ";": every household measure of USDA and the six values of the food item
           table for it, rounded as the starter list rounds them (0,1,1,1,0,0 decimals,
           halves up) from the values per 100 g times grams / 100
  then one column per nutrient: USDA's amount per 100 g as USDA writes it, empty
           where USDA gives none (unknown is not 0); the header gives the units.
"""

import argparse
import os
import re
import sys
import zipfile
import xml.etree.ElementTree as ET
from decimal import Decimal

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "../starter"))
import make_food_csv as starter  # noqa: E402  (the naming and rounding rules are shared)

DEFAULT_JAR = "/usr/share/cronometer/usda_sr24.jar"

# The food groups of USDA SR24, by the first two digits of the number. The
# numbers 27, 31 and 42-93 were given to foods of several groups.
GROUPS = {
    "01": "Dairy and Egg Products", "02": "Spices and Herbs", "03": "Baby Foods", "04": "Fats and Oils",
    "05": "Poultry Products", "06": "Soups, Sauces, and Gravies", "07": "Sausages and Luncheon Meats",
    "08": "Breakfast Cereals", "09": "Fruits and Fruit Juices", "10": "Pork Products",
    "11": "Vegetables and Vegetable Products", "12": "Nut and Seed Products", "13": "Beef Products",
    "14": "Beverages", "15": "Finfish and Shellfish Products", "16": "Legumes and Legume Products",
    "17": "Lamb, Veal, and Game Products", "18": "Baked Products", "19": "Sweets",
    "20": "Cereal Grains and Pasta", "21": "Fast Foods", "22": "Meals, Entrees, and Side Dishes",
    "25": "Snacks", "35": "American Indian/Alaska Native Foods", "36": "Restaurant Foods",
}
OTHER_GROUP = "Other Foods"

# (column, USDA name, unit): the six of the food item table come first.
NUTRIENT_COLUMNS = [
    ("energy_kcal", "Energy", "kcal"), ("carbs_g", "Carbs", "g"), ("protein_g", "Protein", "g"),
    ("fat_g", "Fat", "g"), ("sodium_mg", "Sodium", "mg"), ("cholesterol_mg", "Cholesterol", "mg"),
    ("fiber_g", "Fiber", "g"), ("sugars_g", "Sugars", "g"), ("saturated_g", "Saturated", "g"),
    ("monounsaturated_g", "Monounsaturated", "g"), ("polyunsaturated_g", "Polyunsaturated", "g"),
    ("trans_g", "Trans-Fats", "g"), ("potassium_mg", "Potassium", "mg"), ("calcium_mg", "Calcium", "mg"),
    ("iron_mg", "Iron", "mg"), ("magnesium_mg", "Magnesium", "mg"), ("phosphorus_mg", "Phosphorus", "mg"),
    ("zinc_mg", "Zinc", "mg"), ("copper_mg", "Copper", "mg"), ("selenium_ug", "Selenium", "ug"),
    ("vitamin_a_iu", "Vitamin A", "IU"), ("retinol_ug", "Retinol", "ug"),
    ("beta_carotene_ug", "Beta-carotene", "ug"), ("alpha_carotene_ug", "Alpha-carotene", "ug"),
    ("beta_cryptoxanthin_ug", "Beta-cryptoxanthin", "ug"), ("vitamin_c_mg", "Vitamin C", "mg"),
    ("vitamin_d_iu", "Vitamin D", "IU"), ("vitamin_e_mg", "Vitamin E", "mg"), ("vitamin_k_ug", "Vitamin K", "ug"),
    ("thiamin_mg", "B1 (Thiamine)", "mg"), ("riboflavin_mg", "B2 (Riboflavin)", "mg"),
    ("niacin_mg", "B3 (Niacin)", "mg"), ("vitamin_b6_mg", "B6 (Pyridoxine)", "mg"),
    ("folate_total_ug", "Folate", "ug"), ("vitamin_b12_ug", "B12 (Cyanocobalamin)", "ug"),
    ("choline_mg", "Choline", "mg"), ("caffeine_mg", "Caffeine", "mg"), ("alcohol_g", "Alcohol", "g"),
]
SIX = 6


def read_current(source):
    """(number, food element) of every current food of the jar, by number."""
    foods = []
    for number, text, current in starter.read_foods(source):
        if current:
            foods.append((number, ET.fromstring(text)))
    return sorted(foods, key=lambda f: f[0])


def field(text):
    """A text as one field: no tab, no line break, no field separator."""
    return re.sub(r"[\t\r\n]+", " ", text).strip()


def measure_field(text):
    return field(text).replace("|", "/").replace(";", ",")


def six_for(per100, grams):
    values = []
    for (_, usda, _), decimals in zip(NUTRIENT_COLUMNS[:SIX], starter.DECIMALS):
        amount = per100.get(usda)
        values.append("" if amount is None else
                      str(starter.round_half_up(Decimal(amount) * Decimal(grams) / 100, decimals)))
    return values


def proposed_name(number, description, staple_name):
    """The food item name without its measure, by the starter list's rules,
    cut to 30 characters at a part where it is longer."""
    base = staple_name or ", ".join(starter.clean_parts(description, number[:2])) or description
    while len(base) > starter.MAX_NAME and ", " in base:
        base = base.rsplit(", ", 1)[0]
    return base[:starter.MAX_NAME].rstrip(" ,")


def commonness(number, description, staple_rank, starter_numbers):
    """The staples in their order (1, 2, ...), then, one rank each, the foods
    of the starter list, the other foods, and those of the kinds the starter
    list leaves out (baby foods, brands, restaurants, game, organ meats,
    powders, dry mixes...). Foods of one rank are
    ordered by the shorter description."""
    if number in staple_rank:
        return staple_rank[number] + 1
    staples = len(staple_rank)
    if number in starter_numbers:
        return staples + 1
    left_out = (number[:2] in starter.EXCLUDED_GROUPS or re.search(r"[A-Z]{3,}", description)
                or starter.EXCLUDED_WORDS.search(description))
    return staples + (3 if left_out else 2)


def starter_numbers_of(path, everyday_path):
    """The foods of the starter list and the everyday foods it leaves out."""
    import csv
    with open(path, encoding="utf-8") as f:
        numbers = {row["USDA number"] for row in csv.DictReader(f)}
    with open(everyday_path, encoding="utf-8") as f:
        numbers |= {line.split(",")[0].strip() for line in f if line.strip() and not line.startswith("#")}
    return numbers


def build(source, staples, starter_numbers):
    foods = read_current(source)
    staple_rank = {number: i for i, (number, _) in enumerate(staples)}
    staple_names = dict(staples)
    lines = ["\t".join(["number", "group", "rank", "name", "description", "measures"] +
                       [f"{column}" for column, _, _ in NUTRIENT_COLUMNS])]
    for number, food in foods:
        description = field(food.get("name"))
        per100 = {n.get("name"): n.get("amount") for n in food.findall("nutrient")}
        measures = []
        for m in food.findall("measure"):
            grams = m.get("grams")
            if Decimal(grams) <= 0 or Decimal(m.get("amount")) <= 0:
                continue
            measures.append("|".join([m.get("amount"), measure_field(m.get("name")), grams] + six_for(per100, grams)))
        name = proposed_name(number, description, staple_names.get(number, ""))
        row = [number, GROUPS.get(number[:2], OTHER_GROUP), str(commonness(number, description, staple_rank, starter_numbers)), name, description,
               ";".join(measures)] + [per100.get(usda, "") for _, usda, _ in NUTRIENT_COLUMNS]
        lines.append("\t".join(row))
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--source", default=DEFAULT_JAR, help="usda_sr24.jar or a folder of its XML files")
    parser.add_argument("--out", default=os.path.join(HERE, "../../data/usda_reference.tsv"))
    parser.add_argument("--check", help="regenerate and compare with this file instead of writing")
    args = parser.parse_args()
    staples = starter.read_staples(os.path.join(HERE, "../starter/staples.csv"))
    text = build(args.source, staples, starter_numbers_of(os.path.join(HERE, "../../data/starter_foods.csv"),
                                                      os.path.join(HERE, "everyday_foods.csv")))
    if args.check:
        with open(args.check, encoding="utf-8", newline="") as f:
            old = f.read()
        if old != text:
            old_lines, new_lines = old.splitlines(), text.splitlines()
            differing = next((i for i, (a, b) in enumerate(zip(old_lines, new_lines)) if a != b),
                             min(len(old_lines), len(new_lines)))
            sys.exit(f"{args.check}: line {differing + 1} differs from the USDA records "
                     f"({len(old_lines)} lines, {len(new_lines)} regenerated)")
        print(f"{args.check}: {len(text.splitlines()) - 1} foods recompute from the USDA records")
        return
    with open(args.out, "w", encoding="utf-8", newline="") as f:
        f.write(text)
    print(f"{len(text.splitlines()) - 1} foods written to {args.out}", file=sys.stderr)


if __name__ == "__main__":
    main()
