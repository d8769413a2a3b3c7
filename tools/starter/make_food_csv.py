#!/usr/bin/env python3
"""Builds data/starter_foods.csv from the USDA National Nutrient Database for
Standard Reference, release 24 (public domain), as Debian's `cronometer`
package ships it: usr/share/cronometer/usda_sr24.jar, one XML file per food.

    tools/starter/make_food_csv.py                # downloads the package
    tools/starter/make_food_csv.py --source JAR_OR_DIR --out FILE

The selection and naming rules are in FOOD_RULES.md beside this script.
"""

import argparse
import csv
import io
import os
import re
import subprocess
import sys
import tempfile
import zipfile
import xml.etree.ElementTree as ET
from decimal import Decimal, ROUND_HALF_UP
from fractions import Fraction

MAX_NAME = 30
MAX_ITEMS = 1800

# Nutrient names in the XML, in the order of the program's six values.
NUTRIENTS = ["Energy", "Carbs", "Protein", "Fat", "Sodium", "Cholesterol"]
DECIMALS = [0, 1, 1, 1, 0, 0]

# Food groups (first two digits of the USDA number) left out: baby foods,
# fast-food chains, brand-name meals and soups, American Indian/Alaska Native
# foods, restaurant foods, and the later supplements made of those.
EXCLUDED_GROUPS = {"03", "21", "22", "27", "31", "35", "36", "42", "43", "44", "46", "47", "48", "80", "83", "90", "93"}

# Words that mark foods few people plan a diet with.
EXCLUDED_WORDS = re.compile(
    r"\b(babyfood|infant|formula|game|bear|beaver|bison|buffalo|caribou|deer|elk|moose|opossum|rabbit|"
    r"raccoon|squirrel|muskrat|boar|antelope|seal|whale|walrus|emu|ostrich|squab|pheasant|quail|goose|"
    r"variety meats|by-products|brain|lungs|spleen|pancreas|thymus|kidneys|tongue|heart|feet|ears|tail|"
    r"chitterlings|jowl|gizzard|giblets|mechanically|industrial|institutional|usda commodity|school lunch|"
    r"military|dehydrated|freeze-dried|imitation|ns as to|formulated|powder|nutritional supplement|"
    r"alaska native|shortening|leavening|stabilizer|lard|tallow|suet|bacon bits|protein isolate|meal, |"
    r"flour, |salted, |dry mix|concentrate|dry form|unprepared|undiluted|yolk, |whites, dried|separable fat|fish oil|mature seeds, raw|"
    r"sprouted, raw)\b", re.IGNORECASE)

# Staples that pick their names before any other food, so that the plain name
# ("Rice, white, cooked") goes to the plain food and not to a rarer variety.
EVERYDAY = {
    "20045",  # Rice, white, long-grain, regular, cooked
    "20037",  # Rice, brown, long-grain, cooked
    "16043",  # Beans, pinto, mature seeds, cooked, boiled, without salt
    "05064",  # Chicken, broilers or fryers, breast, meat only, cooked, roasted
    "01077",  # Milk, whole, 3.25% milkfat, with added vitamin D
    "18069",  # Bread, white, commercially prepared
    "20121",  # Pasta, cooked, enriched, without added salt
    "11674",  # Potatoes, baked, flesh and skin, without salt
}

# Meat, poultry and fish are eaten cooked: their raw forms are left out.
COOKED_GROUPS = {"05", "07", "10", "13", "15", "17", "23"}

# Parts of a description dropped from the name: they rarely tell foods apart
# for a person planning a menu.
DROPPED_PARTS = {
    "all grades", "choice", "select", "prime", "all varieties", "regular", "commercial", "commercially prepared",
    "ready-to-eat", "ready-to-serve", "ready-to-drink", "mature seeds", "meat only", "flesh only", "fresh",
    "composite of trimmed retail cuts", "separable lean and fat", "bone-in", "boneless", "with added ascorbic acid",
    "unenriched", "enriched", "all commercial varieties", "not further specified", "yellow or white",
    "includes foods for usda's food distribution program", "prepared", "drained solids", "solids and liquids",
    "nfs", "with salt", "drained", "dry heat", "moist heat", "simmered", "year round average", "california", "florida", "domestic", "imported",
    "u.s. commercial", "stick", "made with milk", "made with water", "home-prepared", "from recipe",
    "not packed", "unheated", "packed in syrup",
}
DROPPED_PATTERNS = [re.compile(p) for p in (r"^trimmed to .*fat$", r"^\d+(/\d+)?\" fat$", r"^\(.*\)$",
                                             r"^(with|without) added ", r"^(vitamin|calcium|iron)\b",
                                             r"^(fortified|enriched) with")]

# Shorter spellings, applied to each part of a description.
SHORTER = [
    (r"^separable lean only$", "lean"),
    (r"^cooked, boiled$", "boiled"),
    (r"^without salt$", "no salt"),
    (r"^without skin$", "no skin"),
    (r"^with skin$", "with skin"),
    (r"^low sodium$", "low salt"),
    (r"^reduced fat$", "low fat"),
    (r"^nonfat$", "fat free"),
    (r"^(\d+)% milkfat$", r"\1% fat"),
    (r"^with added vitamin a$", ""),
    (r"^alcoholic beverage$", "Alcohol"),
    (r"^beverages$", "Drink"),
    (r"^vegetable oil$", "Oil"),
    (r"^fluid$", ""),
    (r"\bwithout\b", "w/o"),
    (r"\bwith\b", "w/"),
    (r"\band\b", "&"),
    (r"\bchocolate\b", "choc."),
    (r"\bvegetables\b", "veg."),
    (r"\bflavored\b", "flav."),
]

# Household measures in the order they are preferred for a serving; weights
# (oz, lb) and vague ones come last.
PREFERRED_MEASURES = ["medium", "large", "small", "slice", "cup", "tbsp", "piece", "fruit", "patty", "fillet",
                      "breast", "chop", "link", "tsp", "serving", "oz", "fl oz"]


def round_half_up(value, decimals):
    quantum = Decimal(1).scaleb(-decimals)
    return Decimal(value).quantize(quantum, rounding=ROUND_HALF_UP)


def amount_text(amount):
    fraction = Fraction(amount).limit_denominator(8)
    if abs(float(fraction) - amount) > 0.01:
        return None
    if fraction.denominator == 1:
        return str(fraction.numerator)
    whole, rest = divmod(fraction.numerator, fraction.denominator)
    rest_text = f"{rest}/{fraction.denominator}"
    return f"{whole} {rest_text}" if whole else rest_text


def serving_of(food, energy_per_100g):
    """The household measure used as one serving: (text, grams) or None. A
    measure of more than 500 kcal (a cup of oil) gives way to a smaller one."""
    best = None
    for order, measure in enumerate(food.findall("measure")):
        name = measure.get("name").strip()
        grams = float(measure.get("grams"))
        amount = float(measure.get("amount"))
        shown = re.split(r"[,(]", name)[0].strip().lower()
        for long_name, short in (("tablespoon", "tbsp"), ("teaspoon", "tsp")):
            shown = re.sub(rf"\b{long_name}s?\b", short, shown)
        head = "fl oz" if shown.startswith("fl oz") else shown.split(" ")[0]
        if head.startswith("nlea") or grams <= 0 or amount <= 0:
            continue
        amount_str = amount_text(amount)
        if amount_str is None:
            continue
        rank = PREFERRED_MEASURES.index(head) if head in PREFERRED_MEASURES else len(PREFERRED_MEASURES)
        too_big = energy_per_100g * grams / 100 > 500
        key = (too_big, grams if too_big else 0, rank, order)
        text = f"{amount_str} {shown}"
        if best is None or key < best[0]:
            best = (key, text, grams)
    if best is None or best[0][2] == len(PREFERRED_MEASURES):
        return None
    return best[1], best[2]


def short_parts(description):
    parts = []
    for part in [p.strip() for p in description.split(",")]:
        lower = re.sub(r"\s*\(.*?\)", "", part.lower()).strip()
        if lower in DROPPED_PARTS or any(p.match(lower) for p in DROPPED_PATTERNS):
            continue
        text = re.sub(r"\s*\(.*?\)", "", lower)
        for pattern, replacement in SHORTER:
            text = re.sub(pattern, replacement, text)
        text = text.strip()
        if text and text not in parts:
            parts.append(text)
    if parts:
        parts[0] = parts[0][0].upper() + parts[0][1:]
    return parts


STATE = re.compile(r"\b(raw|cooked|dry|dried|boiled|baked|roasted|fried|broiled|braised|stewed|grilled|"
                   r"canned|frozen|toasted|steamed|condensed|evaporated|sweetened|unsweetened)\b")


# Of the states, these tell a person most and are dropped last of all.
KEY_STATE = re.compile(r"\b(raw|cooked|dry|dried)\b")


def make_names(description, serving):
    """Names within 30 characters, best first: the first part of the
    description, the state (raw, cooked, dry) and as many other parts as fit,
    earlier parts before later ones, which USDA lists from most to least
    telling. A later name is used when an earlier one is taken."""
    parts = short_parts(description)
    suffix = ", " + serving
    # A name keeps at least two parts of a longer description: "Chicken" alone
    # would not say which chicken.
    least = min(2, len(parts))
    rest = range(1, len(parts))
    kept_always = [i for i in rest if KEY_STATE.search(parts[i])]
    names = []
    for mask in range(1 << (len(parts) - 1)):
        kept = [0] + [i for i in rest if mask & (1 << (i - 1)) or i in kept_always]
        if len(kept) < least:
            continue
        name = ", ".join(parts[i] for i in kept) + suffix
        if len(name) <= MAX_NAME:
            # More parts first, then parts that come earlier, then the
            # states beyond raw/cooked/dry.
            key = (-len(kept), [i for i in kept])
            names.append((key, name))
    seen = set()
    ordered = []
    for _, name in sorted(names):
        if name not in seen:
            seen.add(name)
            ordered.append(name)
    return ordered


def is_windows1252(text):
    try:
        text.encode("cp1252")
        return True
    except UnicodeEncodeError:
        return False


def read_foods(source):
    """(number, XML text) of every food of a jar or a folder of XML files."""
    if os.path.isdir(source):
        for name in sorted(os.listdir(source)):
            if name.endswith(".xml"):
                with open(os.path.join(source, name), encoding="utf-8") as f:
                    yield name[:-4], f.read()
        return
    with zipfile.ZipFile(source) as jar:
        for name in sorted(jar.namelist()):
            base = os.path.basename(name)
            if base.endswith(".xml"):
                yield base[:-4], jar.read(name).decode("utf-8")


def candidates(source):
    for number, text in read_foods(source):
        group = number[:2]
        if group in EXCLUDED_GROUPS:
            continue
        food = ET.fromstring(text)
        description = food.get("name")
        if EXCLUDED_WORDS.search(description) or re.search(r"\b[A-Z]{3,}\b", description):
            continue
        if group in COOKED_GROUPS and re.search(r"\braw\b", description) or "producer" in description:
            continue
        per100 = {n.get("name"): n.get("amount") for n in food.findall("nutrient")}
        if any(n not in per100 for n in NUTRIENTS):
            continue  # a value USDA does not give is never guessed
        serving = serving_of(food, float(per100["Energy"]))
        if serving is None:
            continue
        names = [n for n in make_names(description, serving[0]) if is_windows1252(n)]
        if not names:
            continue
        grams = Decimal(str(serving[1]))
        values = [round_half_up(Decimal(per100[n]) * grams / 100, d) for n, d in zip(NUTRIENTS, DECIMALS)]
        # Foods whose name keeps their whole description pick first, so a
        # shortened name never takes the place of a full one; then simple
        # descriptions, which are the everyday foods.
        dropped = len(short_parts(description)) - names[0].count(", ")
        rank = (number not in EVERYDAY, dropped, description.count(","), len(description), number)
        yield rank, number, names, description, serving, values


def select(source, limit):
    chosen = {}
    for rank, number, names, description, serving, values in sorted(candidates(source)):
        free = [n for n in names if n.casefold() not in chosen]
        if not free:
            continue
        name = free[0]
        key = name.casefold()
        chosen[key] = (name, values, number, serving, description)
        if len(chosen) >= limit:
            break
    return sorted(chosen.values(), key=lambda row: row[0].casefold())


def write_csv(rows, out):
    writer = csv.writer(out, lineterminator="\r\n")
    writer.writerow(["Name", "Calories", "Carbo", "Protein", "Fat", "Sodium", "Chol",
                     "USDA number", "Serving", "Serving grams", "USDA description"])
    for name, values, number, serving, description in rows:
        writer.writerow([name, *[str(v) for v in values], number, serving[0], f"{serving[1]:g}", description])


def download_jar(folder):
    subprocess.run(["apt-get", "download", "cronometer"], cwd=folder, check=True)
    deb = next(f for f in os.listdir(folder) if f.endswith(".deb"))
    subprocess.run(["dpkg-deb", "-x", deb, "x"], cwd=folder, check=True)
    return os.path.join(folder, "x/usr/share/cronometer/usda_sr24.jar")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--source", help="usda_sr24.jar or a folder of its XML files")
    parser.add_argument("--out", default=os.path.join(os.path.dirname(__file__), "../../data/starter_foods.csv"))
    parser.add_argument("--limit", type=int, default=MAX_ITEMS)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as folder:
        source = args.source or download_jar(folder)
        rows = select(source, args.limit)
    text = io.StringIO()
    write_csv(rows, text)
    with open(args.out, "w", encoding="utf-8", newline="") as f:
        f.write(text.getvalue())
    print(f"{len(rows)} foods written to {args.out}", file=sys.stderr)


if __name__ == "__main__":
    main()
