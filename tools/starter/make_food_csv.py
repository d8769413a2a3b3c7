#!/usr/bin/env python3
"""Builds data/starter_foods.csv and its report from the USDA National
Nutrient Database for Standard Reference, release 24 (public domain), as
Debian's `cronometer` package ships it: usr/share/cronometer/usda_sr24.jar,
one XML file per food, with foods.index listing the current foods and
deprecated.index the withdrawn ones.

    tools/starter/make_food_csv.py                # downloads the package
    tools/starter/make_food_csv.py --source JAR_OR_DIR --out FILE

The selection and naming rules are in FOOD_RULES.md beside this script; the
staples are in staples.csv, the servings chosen by hand in servings.csv. The
rows of the list written over keep their names and servings.
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
from collections import defaultdict, namedtuple
from decimal import Decimal, ROUND_HALF_UP
from fractions import Fraction

HERE = os.path.dirname(os.path.abspath(__file__))
MAX_NAME = 30
MAX_ITEMS = 1800
MAX_SERVING_KCAL = 800
MAX_SERVING_GRAMS = 500

# Nutrient names in the XML, in the order of the program's six values.
NUTRIENTS = ["Energy", "Carbs", "Protein", "Fat", "Sodium", "Cholesterol"]
DECIMALS = [0, 1, 1, 1, 0, 0]

# Food groups (first two digits of the USDA number) left out: baby foods,
# brand-name meals and soups (the fast foods stay, without the chains' names), American Indian/Alaska Native
# foods, restaurant foods, and the later supplements made of those.
EXCLUDED_GROUPS = {"03", "22", "27", "31", "35", "36", "42", "43", "44", "46", "47", "48", "80", "83", "90", "93"}

# Words that mark foods few people plan a diet with, or forms sold to be made
# into something else (powders, concentrates, dry mixes).
EXCLUDED_WORDS = re.compile(
    r"\b(babyfood|infant|formula|game|bear|beaver|bison|buffalo|caribou|deer|elk|moose|opossum|rabbit|"
    r"raccoon|squirrel|muskrat|boar|antelope|seal|whale|walrus|emu|ostrich|squab|pheasant|quail|goose|"
    r"variety meats|by-products|brain|lungs|spleen|pancreas|thymus|kidneys|tongue|heart|feet|ears|tail|"
    r"chitterlings|jowl|gizzard|giblets|mechanically|industrial|institutional|usda commodity|school lunch|"
    r"military|dehydrated|freeze-dried|imitation|ns as to|formulated|powder|nutritional supplement|"
    r"alaska native|shortening|leavening|stabilizer|lard|tallow|suet|bacon bits|protein isolate|meal, |"
    r"salted, |dry mix|concentrate|dry form|unprepared|undiluted|yolk, |whites, dried|separable fat|fish oil|"
    r"mature seeds, raw|sprouted, raw|producer|human|retail parts|ns as to form|not reconstituted)\b", re.IGNORECASE)

# Meat, poultry and fish are eaten cooked: their raw forms are left out.
COOKED_GROUPS = {"05", "07", "10", "13", "15", "17", "23"}
NUT_GROUPS = {"12", "16"}
MEAT_GROUPS = {"05", "07", "10", "13", "15", "17", "23"}

# A leading USDA category that is not the food: "Nuts, almonds" is almonds.
CATEGORY_DROPPED = {
    "beverages", "alcoholic beverage", "alcoholic beverages", "nuts", "seeds", "snacks", "spices", "candies",
    "fish", "crustaceans", "mollusks", "cereals ready-to-eat", "cereals", "frozen novelties", "tomato products",
    "sweeteners", "carbonated beverage", "leavening agents", "vegetables", "fruit", "desserts", "fast foods",
    "fast food", "pizza chain", "carbonated", "soda",
}
# Words that say what kind, not what food: the category stays beside them.
ADJECTIVES = {"hard", "soft", "plain", "sweet", "light", "dark", "regular", "white", "mixed", "low calorie",
              "reduced sugar", "caramel", "red", "green", "black", "hot", "cold", "frozen", "canned", "sweetened",
              "unsweetened", "whole", "raw", "roasted", "dried", "salted", "assorted", "other"}
CATEGORY_NOUN = {"candies": "candy", "beverages": "drink", "alcoholic beverage": "drink", "nuts": "nuts",
                 "seeds": "seeds", "snacks": "snack", "spices": "spice", "fish": "fish", "carbonated": "soda",
                 "carbonated beverage": "soda", "frozen novelties": "frozen dessert", "cereals": "cereal",
                 "cereals ready-to-eat": "cereal", "desserts": "dessert", "sweeteners": "sweetener"}
# A leading category whose next part is its kind: "Oil, olive" is olive oil.
# The kind joins only when it is short (an adjective, not a dish).
CATEGORY_JOINED = {"oil": "oil", "fat": "fat", "sugars": "sugar", "soup": "soup", "sauce": "sauce", "syrups": "syrup",
                   "ice creams": "ice cream", "toppings": "topping", "puddings": "pudding",
                   "frostings": "frosting",
                   "ice cream": "ice cream", "beans": "beans", "cheese": "cheese", "rice": "rice",
                   "salad dressing": "dressing", "yogurt": "yogurt", "vinegar": "vinegar"}
JOIN_MAX_WORDS = 2

# Words a person types instead of USDA's (whole words of a part).
EVERYDAY_WORDS = [
    (r"\bcatsup\b", "ketchup"), (r"\bfrankfurters?\b", "hot dog"), (r"\bice creams\b", "ice cream"),
    (r"^potatoes, french fried\b", "french fries"), (r"^french fried\b", "french fries"),
    (r"\bcarbonated beverage\b", "soda"), (r"\bmature seeds\b", "dry"), (r"\bwith added\b", "with"),
    (r"\bwheat flour\b", "flour"), (r"\btable wine\b", "wine"), (r"\bspaghetti/marinara\b", "marinara"),
    (r"\blowfat\b", "low fat"), (r"^frozen novelties, ice type, pop\b", "ice pop"),
    (r"^frozen novelties, ice type\b", "italian ice"), (r"^turkey breast meat\b", "turkey breast, deli"),
    (r"^drumstick pods\b", "moringa pods"), (r"^broadbeans\b", "fava beans"), (r"\bmonterey\b", "monterey jack"),
    (r"^potatoes, (baked|raw), skin\b", r"potato skin, \1"), (r"\bprotein fortified\b", "protein added"),
    (r"^jellies\b", "jelly"), (r"^milk, dry, (nonfat|whole)\b", r"\1 dry milk"), (r"^fish, roughy, orange\b",
    "orange roughy"), (r"^fish, pout, ocean\b", "ocean pout"), (r"^pie, fried pies\b", "fried pie"),
    (r"^chicken, skin( only)?\b", "chicken skin"), (r"^java-plum\b", "java plum"),
    (r"^jew's ear\b", "wood ear mushroom"), (r"^yautia\b", "malanga"), (r"^drumstick leaves\b", "moringa leaves"),
    (r"^oheloberries\b", "ohelo berries"), (r"^fruit butters, (\w+)", r"\1 butter"),
    (r"^soup, stock, (\w+)", r"\1 stock"), (r"^jute, potherb\b", "jute leaves"), (r"^kanpyo\b", "kanpyo, dried gourd"),
]
# A category that says what the food is when what follows does not: a
# carbonated beverage "pepper-type" is a pepper-type soda; a cola is a soda.
CATEGORY_SAID = {"soda": ("soda", re.compile(r"\b(soda|cola|ale|beer|water)\b"))}
# Grains USDA names without a state are the dry grain ("Corn, white" is no
# corn on the cob).
GRAIN_GROUP = "20"
STATED = re.compile(r"\b(raw|cooked|uncooked|dry|dried|boiled|baked|flour|bran|germ|meal|canned|toasted|sprouted|"
                    r"prepared|frozen|puffed|fried|steamed|pasta|noodles)\b|starch\b")

# Parts of a description left out of the name: they do not change what the
# food is for a person planning a menu (a grade, a vitamin added, where it
# was grown, a state that is the usual one).
DROPPED_PARTS = {
    "all grades", "choice", "select", "prime", "all varieties", "regular", "commercial", "commercially prepared",
    "ready-to-eat", "ready-to-serve", "ready-to-drink", "fresh", "composite of trimmed retail cuts",
    "separable lean and fat", "bone-in", "boneless", "unenriched", "enriched", "all commercial varieties",
    "not further specified", "yellow or white", "nfs", "drained", "dry heat", "moist heat", "year round average",
    "domestic", "imported", "u.s. commercial", "home-prepared", "from recipe",
    "prepared-from-recipe", "unheated", "fluid", "broilers or fryers", "drained solids", "solids and liquids",
    "table", "all", "prepared with tap water", "white and yellow", "pasteurized", "flesh only", "mixed species",
    "with salt added in processing", "crude", "domesticated", "all classes", "without salt added in processing",
    "cultured",
    "all types", "plain or buttermilk", "shelf stable", "chilled", "refrigerated", "made from recipe",
    "red or white", "whole kernel", "retail", "frozen or fresh", "includes foods for usda's food distribution program",
    "with iodine", "iodized", "commercial, plain", "store brand", "not drained", "with skin, drained",
    "jarred", "full bodied", "strained", "canned or bottled", "bottled", "shelled", "hulled",
    "salt not added in processing", "salad or cooking", "contains caffeine",
}
DROPPED_PATTERNS = [re.compile(p) for p in (
    r"^trimmed to .*fat$", r"^\d+(/\d+)?\" fat$", r"^(with|without) added (vitamin|calcium|ascorbic|nonfat milk|"
    r"vitamins|iron|nutrients)", r"^(vitamin|calcium|iron)\b(?! reduced)", r"^(fortified|enriched) with",
    r"^with (vitamin|calcium|iron)", r"^and vitamin", r"^not? ?fortified")]

# Parts said the way a person says them; the rest of a part keeps its words.
PART_SPELLING = [
    (r"^separable lean only$", "lean"), (r"^(\d+(\.\d+)?)% milkfat$", r"\1%"),
    (r"^cooked, boiled$", "boiled"), (r"^without skin$", "no skin"),
    (r"^meat only$", "no skin"), (r"^meat and skin$", "with skin"), (r"^flesh and skin$", "with skin"),
    (r"^with (added )?salt( added)?$", "salted"), (r"^salt added in processing$", "salted"),
    (r"^without (added salt|salt added)$", "no salt added"),
    (r"^prepared with (equal volume )?(tap )?water$", "with water"),
    (r"^prepared with (equal volume )?(whole |reduced fat |lowfat |nonfat )?milk$", "with milk"),
    (r"^made with (whole |reduced fat |lowfat |nonfat )?milk$", "with milk"),
    (r"^made with water$", "with water"), (r"^brewed from grounds$", "brewed"),
    (r"^ready-to-bake or -fry$", "to bake"), (r"^pan-fried$", "pan-fried"), (r"^heated$", "heated"),
    (r"^without\b", "no"), (r"\bwithout\b", "no"), (r"\bwith\b", "w/"), (r"\band\b", "&"),
]

# Cooking that says the food is cooked: "cooked" goes when one of these stays.
COOKING = re.compile(r"\b(boiled|baked|roasted|fried|broiled|braised|stewed|grilled|steamed|scrambled|poached|"
                     r"toasted|simmered|microwaved|pan-browned|pan-fried|stir-fried|sauteed|heated|rotisserie)\b")

# Foods eaten by the spoon: seasonings, fats, sweeteners and sauces.
CONDIMENT = re.compile(
    r"\b(ketchup|mustard|mayonnaise|dressing|salt|syrup|honey|jam|jams|jelly|jellies|preserves|"
    r"marmalade|sugar|sugars|butter|margarine|margarine-like|vinegar|relish|horseradish|salsa|sauce|gravy|"
    r"frosting|frostings|cream cheese|sour cream|whipped|creamer|spread|oil|molasses|cocoa|miso|pesto|"
    r"tahini|hummus|adobo|cornstarch|dip|topping|toppings|extract|seasoning|bouillon|pepper, black)\b")
CONDIMENT_GROUPS = {"02", "04"}
# Foods with a condiment's word that are eaten by the cup or the piece.
NOT_CONDIMENT = re.compile(r"\b(spaghetti|pasta|marinara|tomato sauce|applesauce|cheese sauce|chili|soup|"
                           r"cookies?|cake|candy|candies|bread|butter beans|peanut butter|fudge|pie)\b")
# The last word of a drink's first part ("Orange juice", "Milk", "Wine").
DRINK = re.compile(r"\b(juice|nectar|milk|soymilk|soda|cola|beer|wine|coffee|espresso|tea|drink|lemonade|ale|"
                   r"water|beverage|eggnog|smoothie|cocktail|punch|liquor|buttermilk)$")
SPIRITS = re.compile(r"\b(distilled|liqueur|whiskey|vodka|rum|gin|liquor|\d+ proof)\b")

# Measures by kind of food, most preferred first. The word of a measure is its
# first word ("cup", "tbsp", "medium", "slice").
MEASURES = {
    "condiment": ["tbsp", "tsp", "packet", "pat", "piece", "serving"],
    "spirits": ["jigger", "fl oz", "shot"],
    "drink": ["can", "cup", "bottle", "glass", "serving", "fl oz"],
    "seasoning": ["tsp", "tbsp", "packet", "serving"],
    "nuts": ["oz", "tbsp", "package", "cup"],
    "cheese": ["slice", "oz", "cubic", "cup"],
    "other": ["medium", "large", "small", "slice", "clove", "cup", "piece", "bar", "fruit", "tbsp", "serving",
              "container", "order", "sandwich", "item", "strip", "oz", "tsp"],
}
# Meat and fish are planned by 3 oz (85 g, USDA's own weight of it); cuts and
# sausages named for their unit by that unit.
MEAT_UNITS = {"thigh": "thigh", "drumstick": "drumstick", "wing": "wing", "patty": "patty", "link": "link",
              "hot dog": "frankfurter|link|serving", "sausage": "link|sausage", "bacon": "slice|strip",
              "bologna": "slice", "salami": "slice", "pepperoni": "slice", "ham, sliced": "slice",
              "fillet": "fillet", "nugget": "piece|nugget"}
THREE_OZ = ("3 oz", 85.0)
# Nuts and seeds by the ounce (28.35 g) when USDA lists no other serving.
ONE_OZ = ("1 oz", 28.35)
# Measures too big to be one serving, whatever they weigh (a drink's can is
# one serving of it).
WHOLE_PACKS = re.compile(r"^(package|loaf|cake|pie|pizza|bag|box|jar|lb|pound|quart|gallon|head|recipe|batch|"
                         r"bunch|stalk|whole|pkg|yield|roast|unit)\b")
CANS = re.compile(r"^can\b")
SERVING_OF = re.compile(r"^(?:1 )?serving[\s(]*(\d*\.\d+|\d+(?:/\d+)?)\s*(cup|tbsp|tsp|fl oz|oz)\b")
SIZES = {"large", "medium", "small", "regular"}
UNCOUNTED = {"oz", "fl oz", "tbsp", "tsp", "cup"}
# A size a measure gives ("slice, large", "cookie, big") is said in the
# serving ("1 large slice"); medium and regular are what "1 slice" means.
SIZE_WORD = re.compile(r"^[a-z]+(?: [a-z]+)?[, ]\s*(extra large|very thin|large|small|big|jumbo|thin|thick)"
                       r"\s*(,|/|or\b|$)")
NOT_PLURAL = {"extra large", "large", "small", "big", "jumbo", "medium", "regular"}
CONTAINERS = {"box", "bag", "can", "bottle", "carton", "container", "cup", "glass", "jar", "packet"}
# Measures of the food in another state than the name says: the serving says
# the state ("1 cup whipped", "1 cup mashed": a cup packed denser than one of
# pieces), or the measure is not used (a cup of sunflower
# seeds "with hulls" holds a third of a cup of kernels; "1 oz dry, yield
# after cooking" is 69 g of cooked beans).
SAID_STATE = re.compile(r"\b(whipped|mashed|pureed)\b")
UNUSED_STATE = re.compile(r"\b(with hulls?|in shells?|with shells?|yield after cooking|dry, yields?)\b")
# Grams one of a measure may weigh, by the foods it applies to: outside them
# the measure is not what a person means by its word (a 64 g "slice" of
# French bread is two slices, a 491 g "can" a 16 fl oz bottle). A drink's can
# or bottle of another size is said in fl oz when USDA states it.
MEASURE_GRAMS = [
    ("oz", "any", 27, 30), ("fl oz", "any", 25, 40), ("tbsp", "any", 0.5, 25), ("tsp", "any", 0.3, 9),
    ("cup", "drink", 200, 280), ("can", "drink", 330, 375), ("bottle", "drink", 330, 375),
    ("glass", "drink", 90, 300), ("slice", "bread", 15, 50), ("slice", "cheese", 14, 35),
    ("slice", "produce", 0, 100),
]
BREAD = re.compile(r"^((\w+ )?bread|toast)\b")
QUICK_BREAD = re.compile(r"\b(banana|pumpkin|zucchini|boston brown|corn)\b")
STATED_FL_OZ = re.compile(r"(\d+(?:\.\d+)?)\s*(?:fl|lf) oz")
# Measures of a part of the food the name stands for: a doughnut hole is no
# doughnut, a miniature bar no bar.
SMALL_PIECES = re.compile(r",\s*small\b|\b(hole|crushed|miniature|mini|child|bite|fun size|snack size|"
                          r"of miniature|kernel|peanut|sprout|floweret|leaf|chip|piece of)\b")


def food_sorts(kind, group, name):
    """The sorts of food a measure's bounds may apply to."""
    sorts = {"any", kind}
    if group == "18" and BREAD.search(name) and not QUICK_BREAD.search(name):
        sorts.add("bread")
    if group in ("09", "11"):
        sorts.add("produce")
    return sorts


def plausible(head, grams_each, sorts):
    """Whether one of a measure weighs what a person means by its word."""
    return all(low <= grams_each <= high for word, applies, low, high in MEASURE_GRAMS
               if word == head and applies in sorts)


def wrong_skin(name, measure):
    """A measure of the food with its skin for a food without, or the other way."""
    without = re.search(r"\b(without skin|skin removed|bone and skin removed)\b", measure)
    with_skin = re.search(r"\bwith skin\b", measure)
    if "no skin" in name or "peeled" in name:
        return bool(with_skin)
    return bool(without) and "skin" in name


CURRENT_INDEX = "foods.index"
DEPRECATED_INDEX = "deprecated.index"


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


def measure_words(name):
    """The shown words of a USDA measure name ("cup, chopped" -> "cup",
    "tablespoon" -> "tbsp", "fluid ounce" -> "fl oz")."""
    shown = re.split(r"[,(]", name)[0].strip().lower()
    for long_name, short in (("tablespoons?", "tbsp"), ("teaspoons?", "tsp"), ("fluid ounces?", "fl oz"),
                             ("fl\\.? ?oz\\.?", "fl oz"), ("ounces?", "oz"), ("cups", "cup"), ("slices", "slice")):
        shown = re.sub(rf"\b{long_name}(?=\s|$)", short, shown)
    return re.sub(r"\s+", " ", shown)


def food_kind(group, name):
    """The kind of food that decides its serving, from its group and name."""
    lower = name.lower()
    first = lower.split(",")[0]
    if group == "14" and SPIRITS.search(lower):
        return "spirits"
    if group in MEAT_GROUPS and not CONDIMENT.search(first):
        return "meat"
    if DRINK.search(first) and not re.search(r"\b(dry|dried)\b", lower):  # dry milk is a powder
        return "drink"
    if group == "01" and re.search(r"\bcheese\b", first) and not re.search(r"\b(cottage|cream|spread)\b", first):
        return "cheese"
    if group == "02" or re.search(r"^(salt|black pepper|mustard)\b", first):
        return "seasoning"
    if (group in CONDIMENT_GROUPS or CONDIMENT.search(first) or first == "cream") and not NOT_CONDIMENT.search(first):
        return "condiment"
    if group == "14":
        return "drink"
    if group == "12" or re.search(r"^(peanuts|trail mix)\b|\b(nuts|seeds)$", first):
        return "nuts"
    return "other"


def servings_of(food, energy_per_100g, group, name):
    """The measures that may be one serving, best first: [(text, grams)]. The unit a food
    is named for comes first; then the measures of its kind, in order; a
    measure of more than 800 kcal is a wrong measure for one serving."""
    kind = food_kind(group, name)
    preferred = MEASURES.get(kind, [])
    lower = name.lower()
    words = set(re.findall(r"[a-z]+", lower))
    meat_units = [unit for word, unit in MEAT_UNITS.items() if word in lower]
    sorts = food_sorts(kind, group, lower)
    options = []
    if kind == "meat":
        options.append(((0, False, False, -1), *THREE_OZ))
    for order, measure in enumerate(food.findall("measure")):
        grams = float(measure.get("grams"))
        amount = float(measure.get("amount"))
        full = measure.get("name").lower()
        shown = measure_words(full)
        if shown.startswith("nlea") or grams <= 0 or amount <= 0 or WHOLE_PACKS.match(shown):
            continue
        if SMALL_PIECES.search(full) or (CANS.match(shown) and kind != "drink") or wrong_skin(lower, full):
            continue
        bare = re.sub(r"\([^)]*\)", "", full)  # the measure without its bracketed sizes
        unused = UNUSED_STATE.search(bare)
        if unused and unused.group(1) not in lower:
            continue
        amount_str = amount_text(amount)
        if amount_str is None or energy_per_100g * grams / 100 > MAX_SERVING_KCAL:
            continue
        if grams > MAX_SERVING_GRAMS and kind != "drink":
            continue  # a whole melon is no serving
        shown = re.sub(r"^each ", "", shown)  # "each taco"
        inner = SERVING_OF.match(full)
        if inner and amount == 1:
            # "serving 1/2 cup", "serving (5 fl oz)": say the measure itself.
            amount, shown = float(Fraction(inner.group(1))), inner.group(2)
            amount_str = amount_text(amount)
            if amount_str is None:
                continue
        head = "fl oz" if shown.startswith("fl oz") else shown.split(" ")[0]
        if kind == "drink" and head in ("can", "bottle") and not plausible(head, grams / amount, sorts):
            stated = STATED_FL_OZ.search(full)  # "can or bottle (16 fl oz)": say 16 fl oz
            if not stated or amount != 1:
                continue
            amount_str, amount, head = stated.group(1), float(stated.group(1)), "fl oz"
        if not plausible(head, grams / amount, sorts):
            continue
        named = kind != "nuts" and (head in words or head + "s" in words or head.rstrip("s") in words)
        size = next((w for w in shown.split(" ")[1:2] if w in SIZES and named), None)
        said_size = SIZE_WORD.search(bare)
        # The serving says its measure in a word: "1 can", "1 thigh", "1 medium".
        word = (size or head).replace("frankfurter", "hot dog")
        if head in SIZES and shown.split(" ")[1:2] and shown.split(" ")[1] in CONTAINERS:
            word = " ".join(shown.split(" ")[:2])  # "1 small box" of raisins
        elif not size and said_size and head not in SIZES and said_size.group(1) not in lower:
            word = f"{said_size.group(1)} {word}"  # "1 large slice", "1 big cookie"
        if amount > 1 and word not in UNCOUNTED and word not in NOT_PLURAL and not word.endswith("s"):
            word += "s"  # "10 strips"
        state = [s for s in SAID_STATE.findall(bare) if s not in lower]
        text = " ".join([amount_str, word] + state)  # "1 cup whipped"
        if kind == "meat":
            if not any(re.fullmatch(unit, head) for unit in meat_units) or amount != 1:
                continue
            rank = -1
        elif amount == 1 and named:
            rank = -1 if size in (None, "medium") else -0.5  # "Bagel, 1 bagel", "Potato, 1 medium"
        elif kind == "drink" and head == "fl oz":
            rank = len(preferred) if amount < 4 else preferred.index("fl oz")
        elif inner and "serving" in preferred:
            # USDA's serving ("serving 4 oz") ranks as a serving or as its measure.
            rank = min(preferred.index(h) for h in ("serving", head) if h in preferred)
        elif head in preferred:
            rank = preferred.index(head)
        else:
            continue
        # Six slices is no serving when one slice or an ounce is measured.
        # USDA lists its standard measure first; "slice, thin, crust not
        # eaten" is a lesser slice.
        # A measure whose words name the food ("wrapper, wonton" of wonton
        # wrappers) is no variant of it ("wrapper, eggroll").
        qualified = full != head and not full.startswith(head + " (") and not (
            set(re.findall(r"[a-z]+", bare)) - {head} <= words)
        options.append(((rank + (1.5 if amount > 2 and head not in UNCOUNTED else 0), amount != 1, qualified, order),
                        text, grams))
    if not options and kind == "nuts":
        options.append(((0, False, False, -1), *ONE_OZ))
    return [(text, grams) for _, text, grams in sorted(options)]


# Places and peoples keep their capitals ("Salmon, Atlantic").
PROPER = re.compile(r"\b(florida|california|atlantic|pacific|european|american|japanese|chinese|italian|french|"
                    r"swiss|english|spanish|dutch|polish|australian|new zealand|mexican|greek|danish|thai|"
                    r"hawaiian|alaska|canadian|indian|irish|german|turkish|lebanon|monterey)\b")
BRACKET_QUALIFIER = re.compile(r"\b(\d+% fat free|fat[- ]free|low[- ]?fat|reduced fat|unsweetened|sweetened|"
                               r"low sodium)\b", re.IGNORECASE)


def clean_parts(description, group=""):
    """The parts of a description as a name keeps them, before any fits in
    30 characters: bracketed text goes first, then the parts are split."""
    # A bracket may hold a qualifier that changes the values: it stays as a part.
    kept_from_brackets = [m.group(1).lower() for inner in re.findall(r"\(([^()]*)\)", description)
                          for m in [BRACKET_QUALIFIER.search(inner)] if m]
    text = re.sub(r"\s*\([^()]*\)", "", description)
    text = re.sub(r"\s*\([^()]*\)", "", text)
    text = ", ".join([text] + kept_from_brackets)
    text = text.replace("(", "").replace(")", "")
    parts = [p.strip().lower() for p in re.split(r"[,;]", text) if p.strip()]
    if not parts:
        return []
    whole = ", ".join(parts)
    for pattern, replacement in EVERYDAY_WORDS:
        whole = re.sub(pattern, replacement, whole)
    parts = [p.strip() for p in whole.split(",") if p.strip()]
    while len(parts) > 1 and parts[0] in CATEGORY_DROPPED:
        if parts[1] in ADJECTIVES:
            # "Candies, hard" is hard candy, not "Hard".
            parts = [f"{parts[1]} {CATEGORY_NOUN.get(parts[0], parts[0])}"] + parts[2:]
            break
        category, parts = parts[0], parts[1:]
        said = CATEGORY_SAID.get(category)
        if said and not said[1].search(parts[0]):
            parts[0] = f"{parts[0]} {said[0]}"
    if len(parts) > 1 and parts[0] in CATEGORY_JOINED and len(parts[1].split()) <= JOIN_MAX_WORDS:
        word = CATEGORY_JOINED[parts[0]]
        kind = parts[1]
        parts = [kind if kind.endswith(word) else f"{kind} {word}"] + parts[2:]
    kept = []
    for part in parts:
        if part in DROPPED_PARTS or any(p.match(part) for p in DROPPED_PATTERNS):
            continue
        for pattern, replacement in PART_SPELLING:
            part = re.sub(pattern, replacement, part)
        part = part.strip()
        if kept and part.startswith("or "):
            kept[-1] += " " + part  # "boiled, or baked" is one part
        elif part and part not in kept:
            kept.append(part)
    # Canned beans are cooked: "dry" (mature seeds) would mislead.
    if "dry" in kept and any("canned" in part for part in kept):
        kept.remove("dry")
    # Food cooked at home is unsalted unless said; canned foods and butter
    # or nuts are salted unless said.
    if "no salt" in kept:
        # Roasted nuts are sold salted or not: "roasted" says nothing of salt.
        cooked = any((COOKING.search(part) and not (group in NUT_GROUPS and "roasted" in part)) or part == "cooked"
                     for part in kept)
        unsalted = "no salt added" if any("canned" in part for part in kept) else "unsalted"
        kept = [(unsalted if p == "no salt" else p) for p in kept if p != "no salt" or not cooked]
    if any(COOKING.search(p) for p in kept):
        kept = [p for p in kept if p != "cooked"]
    if group == GRAIN_GROUP and kept and not STATED.search(" ".join(kept)):
        kept.append("dry")
    # A dry gravy, soup or sauce is the mix, not the food as served.
    if kept and re.search(r"\b(gravy|soup|sauce)\b", kept[0].lower()) and "dry" in kept:
        kept = [("dry mix" if p == "dry" else p) for p in kept if p != "mix"]
    kept = [PROPER.sub(lambda m: m.group(0).title(), part) for part in kept]
    if kept:
        kept[0] = kept[0][0].upper() + kept[0][1:]
    return kept


def is_windows1252(text):
    try:
        text.encode("cp1252")
        return True
    except UnicodeEncodeError:
        return False


def read_index(read, name):
    text = read(name)
    return None if text is None else {line[:5] for line in text.splitlines() if line[:5].isdigit()}


def read_foods(source):
    """(number, XML text, current) of every food of a jar or a folder of XML
    files; current: listed in foods.index and not in deprecated.index."""
    if os.path.isdir(source):
        def read(name):
            path = os.path.join(source, name)
            return open(path, encoding="utf-8").read() if os.path.exists(path) else None
        names = sorted(n for n in os.listdir(source) if n.endswith(".xml"))
    else:
        jar = zipfile.ZipFile(source)
        members = {os.path.basename(n): n for n in jar.namelist()}

        def read(name):
            return jar.read(members[name]).decode("utf-8") if name in members else None
        names = sorted(n for n in members if n.endswith(".xml"))
    current = read_index(read, CURRENT_INDEX)
    deprecated = read_index(read, DEPRECATED_INDEX) or set()
    if current is None:
        raise SystemExit(f"{source}: no {CURRENT_INDEX}, so the current foods are unknown")
    for name in names:
        number = name[:-4]
        yield number, read(name), number in current and number not in deprecated


def csv_rows(path):
    with open(path, encoding="utf-8") as f:
        return [[field.strip() for field in row]
                for row in csv.reader(line for line in f if line.strip() and not line.startswith("#"))]


def read_staples(path):
    """The staples, most everyday first: (USDA number, name or "")."""
    return [(row[0], row[1] if len(row) > 1 else "") for row in csv_rows(path)]


def read_twins(path):
    """USDA foods a staple stands for (after its name): {twin: staple}."""
    return {twin: row[0] for row in csv_rows(path) for twin in row[2:] if twin}


def read_hand_servings(path):
    """Servings chosen by hand: {USDA number: (serving, grams)}."""
    return {row[0]: (row[1], float(row[2])) for row in csv_rows(path)} if os.path.exists(path) else {}


def read_kept(path):
    """The rows of a list written before: {USDA number: (name, serving, grams)}."""
    if not path or not os.path.exists(path):
        return {}
    with open(path, encoding="utf-8", newline="") as f:
        return {row["USDA number"]: (row["Name"], row["Serving"], float(row["Serving grams"]))
                for row in csv.DictReader(f)}


class Report:
    """The foods left out, by the rule that left them out."""

    def __init__(self):
        self.left_out = defaultdict(list)

    def leave_out(self, rule, number, description):
        self.left_out[rule].append((number, description))


def left_out_by(group, description, current, per100, staple):
    """The rule that leaves a food out before it is named, or None. A staple
    may be of a group, brand or kind otherwise left out (a frozen pizza, the
    corn flakes USDA lists by their maker, orange juice made from
    concentrate): it was chosen and named by hand."""
    if not current:
        return "not a current USDA food (withdrawn or not indexed)"
    if group in EXCLUDED_GROUPS and not staple:
        return "food group left out (baby, brand-name, restaurant)"
    if re.search(r"[A-Z]{3,}", description) and not staple:
        return "brand name"
    if EXCLUDED_WORDS.search(description) and not staple:
        return "kind of food left out (game, organ meat, powder, concentrate, dry mix, ...)"
    if group in COOKED_GROUPS and re.search(r"\braw\b", description):
        return "raw meat, poultry or fish"
    if any(n not in per100 for n in NUTRIENTS):
        return "USDA gives no value for one of the six"
    return None


# Choices made by hand beside the rules: the foods a staple stands for, the
# servings chosen where USDA's own would mislead, and the rows of the list
# written before, which keep their names (menus and recipes name the foods).
HandChoices = namedtuple("HandChoices", "twins servings kept", defaults=({}, {}, {}))
TWIN = "the same food as a staple (only added vitamins or enrichment differ)"
# Baked goods eaten by the piece: their own unit, never an ounce, in new rows.
BAKED_UNIT = re.compile(r"\b(rolls?|bagels?|muffins?|cookies?|pastry|pastries|croissants?|doughnuts?|buns?|"
                        r"biscuits?)\b", re.IGNORECASE)
OUNCES = re.compile(r"\d+ oz")


def usda_weighs(food, serving, grams):
    """Whether USDA gives the food a measure of these grams (or it is 100 g,
    the weight USDA gives every value for)."""
    if serving == "100 g":
        return grams == 100
    return any(float(m.get("grams")) == grams for m in food.findall("measure"))


def serving_choices(food, energy, group, number, plain, hand):
    """The servings a food's name may end with, best first."""
    servings = servings_of(food, energy, group, plain)
    kept = hand.kept.get(number)
    if number in hand.servings:
        serving, grams = hand.servings[number]
        if not usda_weighs(food, serving, grams):
            raise SystemExit(f"serving chosen for {number}: USDA gives no measure of {grams:g} g")
        return [(serving, grams)]
    if kept:
        if (kept[1], kept[2]) not in servings:
            raise SystemExit(f"kept row {kept[0]}: USDA or the rules no longer give its serving")
        return [kept[1:]]
    if group == "18" and BAKED_UNIT.search(plain):
        return [s for s in servings if not OUNCES.fullmatch(s[0])] or servings
    return servings


def candidates(source, staples, report, hand=HandChoices()):
    rank_of = {number: i for i, (number, _) in enumerate(staples)}
    for number, text, current in read_foods(source):
        group = number[:2]
        food = ET.fromstring(text)
        description = food.get("name")
        per100 = {n.get("name"): n.get("amount") for n in food.findall("nutrient")}
        rule = left_out_by(group, description, current, per100, number in rank_of)
        staple_name = staples[rank_of[number]][1] if number in rank_of else ""
        if not rule and number in hand.twins:
            rule = TWIN
        if rule:
            report.leave_out(rule, number, description)
            continue
        plain = staple_name or ", ".join(clean_parts(description, group))
        servings = serving_choices(food, float(per100["Energy"]), group, number, plain, hand)
        if not servings:
            report.leave_out(f"no household serving of at most {MAX_SERVING_KCAL} kcal and a usual weight", number,
                             description)
            continue
        # The best serving the name fits with; a kept row keeps its name.
        kept = hand.kept.get(number)
        base = kept[0].removesuffix(", " + kept[1]) if kept else staple_name or plain
        fitting = [s for s in servings if len(f"{base}, {s[0]}") <= MAX_NAME]
        serving = fitting[0] if fitting else None
        name = f"{base}, {serving[0]}" if serving else None
        if name is None or not is_windows1252(name):
            report.leave_out("name does not fit in 30 characters with all its qualifiers", number, description)
            continue
        grams = Decimal(str(serving[1]))
        values = [round_half_up(Decimal(per100[n]) * grams / 100, d) for n, d in zip(NUTRIENTS, DECIMALS)]
        # Kept rows first, so no new food takes their names; then the staples,
        # in their order; then the simplest descriptions, which are the
        # everyday foods: fewer parts, fewer words, shorter.
        rank = (not kept, rank_of.get(number, len(rank_of)), description.count(","), len(description.split()),
                len(description), number)
        yield rank, number, name, base, description, serving, values


def select(source, staples, limit, report, hand=HandChoices()):
    chosen = {}
    found = set()
    for rank, number, name, base, description, serving, values in sorted(candidates(source, staples, report, hand)):
        found.add(number)
        key = base.casefold()
        if key in chosen:
            report.leave_out("same name as a more everyday food", number, description)
            continue
        if len(chosen) >= limit:
            report.leave_out(f"beyond the {limit} most everyday foods", number, description)
            continue
        chosen[key] = (name, values, number, serving, description)
    reasons = {n: rule for rule, foods in report.left_out.items() for n, _ in foods}
    rows = {row[2] for row in chosen.values()}
    missing = [f"staple {n} yields no row: {reasons.get(n, 'not in the source')}"
               for n, _ in staples if n not in rows]
    # A row of the list before goes only as the twin of a staple.
    missing += [f"kept row {name} yields no row: {reasons.get(n, 'not in the source')}"
                for n, (name, _, _) in hand.kept.items() if n not in rows and reasons.get(n) != TWIN]
    if missing:
        raise SystemExit("\n".join(missing))
    return sorted(chosen.values(), key=lambda row: row[0].casefold())


def write_csv(rows, out):
    writer = csv.writer(out, lineterminator="\r\n")
    writer.writerow(["Name", "Calories", "Carbo", "Protein", "Fat", "Sodium", "Chol",
                     "USDA number", "Serving", "Serving grams", "USDA description"])
    for name, values, number, serving, description in rows:
        writer.writerow([name, *[str(v) for v in values], number, serving[0], f"{serving[1]:g}", description])


def write_report(rows, staples, report, out, examples=12):
    out.write("Starter food list: what each rule did (written by make_food_csv.py)\n\n")
    out.write(f"Rows: {len(rows)} (staples: {len(staples)}, all present)\n")
    total = sum(len(v) for v in report.left_out.values())
    out.write(f"Foods left out: {total}\n\n")
    for rule, foods in sorted(report.left_out.items(), key=lambda item: -len(item[1])):
        out.write(f"{len(foods):5}  {rule}\n")
    for rule, foods in sorted(report.left_out.items(), key=lambda item: -len(item[1])):
        out.write(f"\n## {rule} ({len(foods)})\n")
        shown = sorted(foods)
        step = max(1, len(shown) // examples)
        for number, description in shown[::step][:examples]:
            out.write(f"  {number}  {description}\n")


def download_jar(folder):
    subprocess.run(["apt-get", "download", "cronometer"], cwd=folder, check=True)
    deb = next(f for f in os.listdir(folder) if f.endswith(".deb"))
    subprocess.run(["dpkg-deb", "-x", deb, "x"], cwd=folder, check=True)
    return os.path.join(folder, "x/usr/share/cronometer/usda_sr24.jar")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--source", help="usda_sr24.jar or a folder of its XML and index files")
    parser.add_argument("--out", default=os.path.join(HERE, "../../data/starter_foods.csv"))
    parser.add_argument("--report", help="the report file (default: beside --out, ending _report.txt)")
    parser.add_argument("--staples", default=os.path.join(HERE, "staples.csv"))
    parser.add_argument("--servings", default=os.path.join(HERE, "servings.csv"),
                        help="servings chosen by hand: USDA number, serving, grams, why")
    parser.add_argument("--keep", help="a list whose rows keep their names and servings (default: --out)")
    parser.add_argument("--limit", type=int, default=MAX_ITEMS)
    args = parser.parse_args()
    staples = read_staples(args.staples)
    hand = HandChoices(read_twins(args.staples), read_hand_servings(args.servings),
                       read_kept(args.out if args.keep is None else args.keep))
    report = Report()
    with tempfile.TemporaryDirectory() as folder:
        source = args.source or download_jar(folder)
        rows = select(source, staples, args.limit, report, hand)
    text = io.StringIO()
    write_csv(rows, text)
    with open(args.out, "w", encoding="utf-8", newline="") as f:
        f.write(text.getvalue())
    report_path = args.report or re.sub(r"(\.csv)?$", "_report.txt", args.out, count=1)
    with open(report_path, "w", encoding="utf-8", newline="\n") as f:
        write_report(rows, staples, report, f)
    print(f"{len(rows)} foods written to {args.out}", file=sys.stderr)


if __name__ == "__main__":
    main()
