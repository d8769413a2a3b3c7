#!/usr/bin/env python3
"""The starter food list generator on a small extract of the USDA files: one
test per rule, each on the real USDA records of the extract."""

import csv
import os
import re
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
GENERATOR = os.path.join(HERE, "../../tools/starter/make_food_csv.py")
EXTRACT = os.path.join(HERE, "usda_extract")
STAPLES = os.path.join(HERE, "usda_extract_staples.csv")
LIST_HEADER = "Name,Calories,Carbo,Protein,Fat,Sodium,Chol,USDA number,Serving,Serving grams,USDA description\n"
sys.path.insert(0, os.path.dirname(GENERATOR))
import make_food_csv as generator  # noqa: E402


def run(folder, staples=STAPLES, servings=os.devnull, keep=None):
    out = os.path.join(folder, "foods.csv")
    done = subprocess.run([sys.executable, GENERATOR, "--source", EXTRACT, "--staples", staples, "--out", out,
                           "--servings", servings] + (["--keep", keep] if keep else []),
                          capture_output=True, text=True)
    return done, out


def run_with(files, **options):
    """The generator with files of the given texts: (result, rows by USDA number, report).
    A "foods" file is the list the run writes over."""
    with tempfile.TemporaryDirectory() as folder:
        for option, text in files.items():
            path = os.path.join(folder, option + ".csv")
            if option != "foods":
                options[option] = path
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        done, out = run(folder, **options)
        if done.returncode:
            return done, {}, ""
        with open(out, encoding="utf-8") as f, open(os.path.join(folder, "foods_report.txt"), encoding="utf-8") as r:
            return done, {row["USDA number"]: row for row in csv.DictReader(f)}, r.read()


class GeneratorTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with tempfile.TemporaryDirectory() as folder:
            done, out = run(folder)
            assert done.returncode == 0, done.stderr
            with open(out, "rb") as f:
                cls.bytes = f.read()
            with open(os.path.join(folder, "foods_report.txt"), "rb") as f:
                cls.report_bytes = f.read()
        cls.rows = list(csv.DictReader(cls.bytes.decode("utf-8").splitlines()))
        cls.by_number = {row["USDA number"]: row for row in cls.rows}
        cls.report = cls.report_bytes.decode("utf-8")

    def name(self, number):
        return self.by_number[number]["Name"]

    def servings(self, number, name):
        """The servings the generator offers for a food of the extract under a name."""
        food = ET.parse(os.path.join(EXTRACT, number + ".xml")).getroot()
        energy = float(next(n.get("amount") for n in food.findall("nutrient") if n.get("name") == "Energy"))
        return generator.servings_of(food, energy, number[:2], name)

    def left_out_by(self, number):
        """The rule of the report under which a food is listed."""
        rule = None
        for line in self.report.splitlines():
            if line.startswith("## "):
                rule = line[3:].rsplit(" (", 1)[0]
            elif line.strip().startswith(number + " "):
                return rule
        return None

    def test_output_and_report_are_the_expected_files(self):
        with open(os.path.join(HERE, "usda_extract_expected.csv"), "rb") as f:
            self.assertEqual(self.bytes, f.read())
        with open(os.path.join(HERE, "usda_extract_expected_report.txt"), "rb") as f:
            self.assertEqual(self.report_bytes, f.read())

    def test_a_leading_category_goes_and_the_food_word_stays(self):
        self.assertEqual(self.name("12115"), "Coconut cream, raw, 1 tbsp")  # "Nuts, coconut cream, raw"
        self.assertEqual(self.name("19107"), "Hard candy, 1 piece")  # "Candies, hard": not "Hard"
        self.assertEqual(self.name("15262"), "Tilapia, cooked, 3 oz")  # "Fish, tilapia, ..."
        self.assertEqual(self.name("04053"), "Olive oil, 1 tbsp")  # "Oil, olive": the kind joins
        self.assertEqual(self.name("19340"), "Maple sugar, 1 tsp")  # "Sugars, maple"

    def test_qualifiers_that_change_the_values_stay_or_the_food_is_left_out(self):
        self.assertEqual(self.name("05673"), "Chicken skin, braised, 3 oz")
        self.assertEqual(self.name("20314"), "Corn, white, dry, 1 cup")  # the grain, not corn on the cob
        self.assertEqual(self.name("16057"), "Chickpeas, dry, boiled, 1 cup")  # mature seeds
        too_long = "name does not fit in 30 characters with all its qualifiers"
        self.assertEqual(self.left_out_by("01095"), too_long)  # condensed, sweetened
        self.assertEqual(self.left_out_by("16086"), too_long)  # split peas
        # Where it grew, wild or farmed, protein added: values differ, the name says so.
        self.assertEqual(generator.clean_parts("Avocados, raw, Florida", "09"), ["Avocados", "raw", "Florida"])
        self.assertEqual(self.left_out_by("15209"), too_long)  # salmon, Atlantic, wild
        self.assertEqual(self.left_out_by("01081"), too_long)  # 2% milk, protein fortified
        # Salt: said where it is not the usual (boiled chickpeas are unsalted, butter salted).
        self.assertEqual(self.name("01001"), "Butter, salted, 1 tbsp")
        self.assertEqual(self.name("01145"), "Butter, unsalted, 1 tbsp")
        # A qualifier inside brackets ("96% fat free") stays too.
        self.assertEqual(self.left_out_by("07028"), too_long)
        # A grade or an added vitamin is no such qualifier.
        self.assertEqual(self.name("01077"), "Milk, whole, 3.25%, 1 cup")

    def test_names_are_unique_without_their_serving(self):
        bases = [row["Name"].rsplit(", ", 1)[0].casefold() for row in self.rows]
        self.assertEqual(len(set(bases)), len(bases))
        # Home-made coleslaw by the 1/2 cup and fast-food coleslaw by the cup: one "Coleslaw".
        self.assertEqual(self.name("11159"), "Coleslaw, 1/2 cup")
        self.assertEqual(self.left_out_by("21127"), "same name as a more everyday food")
        # 01211 differs from 01077 only in its vitamins: the simpler description keeps the name.
        self.assertNotIn("01211", self.by_number)
        self.assertEqual(self.left_out_by("01211"), "same name as a more everyday food")

    def test_a_category_that_says_what_the_food_is_stays(self):
        self.assertEqual(self.name("14153"), "Pepper-type soda, 1 can")  # "Carbonated beverage, pepper-type"
        self.assertEqual(self.name("14150"), "Orange soda, 1 can")  # not "Orange"
        self.assertEqual(self.name("14400"), "Cola, 1 can")  # a cola says it
        self.assertEqual(self.name("19366"), "Pineapple topping, 2 tbsp")  # "Toppings, pineapple": a syrup
        self.assertEqual(self.name("19218"), "Tapioca pudding, 1 container")  # "Puddings, tapioca"
        self.assertEqual(self.name("06118"), "Gravy, brown, dry mix, 1 tbsp")  # the mix, not gravy as served

    def test_everyday_words_and_no_abbreviations(self):
        self.assertEqual(self.name("11935"), "Ketchup, 1 tbsp")  # "Catsup"
        self.assertEqual(self.name("07945"), "Hot dog, beef, heated, 3 oz")  # "Frankfurter"
        self.assertEqual(self.name("14400"), "Cola, 1 can")  # "Carbonated beverage, cola"
        self.assertEqual(self.name("19120"), "Milk chocolate, 1 bar")
        self.assertEqual(self.name("19300"), "Jelly, 1 tbsp")  # "Jellies"
        self.assertEqual(self.name("01154"), "Nonfat dry milk, 1 cup")  # "Milk, dry, nonfat"
        self.assertEqual(self.name("15232"), "Orange roughy, cooked, 3 oz")  # "Fish, roughy, orange"
        self.assertEqual(self.name("18445"), "Fried pie, lemon, 1 oz")  # "Pie, fried pies, lemon"
        for row in self.rows:
            self.assertNotRegex(row["Name"], r"\b\w+\.(,|$)")  # no "choc."

    def test_brackets_go_before_the_parts_are_split_and_names_end_at_whole_parts(self):
        # "Chickpeas (garbanzo beans, bengal gram), ...": the comma inside the
        # brackets splits nothing.
        self.assertEqual(self.name("16057"), "Chickpeas, dry, boiled, 1 cup")
        for row in self.rows:
            self.assertNotRegex(row["Name"], r"[()]")
            self.assertNotRegex(row["Name"], r"(^|, )(&|or|and)( |,|$)")  # "Oil, & cottonseed"

    def test_servings_a_person_eats(self):
        servings = {number: (row["Serving"], row["Serving grams"]) for number, row in self.by_number.items()}
        self.assertEqual(servings["02047"], ("1 tsp", "6"))  # salt: never by the cup
        self.assertEqual(servings["04053"], ("1 tbsp", "13.5"))  # oil: a cup is over 800 kcal
        self.assertEqual(servings["14400"], ("1 can", "368"))  # a drink by the can
        self.assertEqual(servings["14084"], ("5 fl oz", "148"))  # USDA's "serving 5 fl oz": a glass
        self.assertEqual(servings["15262"], ("3 oz", "85"))  # fish by 3 oz, though USDA lists no measure
        self.assertEqual(servings["19120"], ("1 bar", "44"))  # not the miniature bar, not a cup of chips
        self.assertEqual(servings["09003"], ("1 medium", "182"))
        self.assertEqual(servings["10124"], ("1 slice", "8"))  # bacon by its slice
        for row in self.rows:
            self.assertLessEqual(int(row["Calories"]), 800)

    def test_a_measure_in_another_state_says_it_or_is_not_used(self):
        # "tbsp, whipped" (10 g) is no tablespoon of cream cheese: the serving says it.
        self.assertEqual(self.servings("01017", "Cream cheese")[:2], [("1 tbsp", 14.5), ("1 tbsp whipped", 10.0)])
        # Cream by the spoon: "cup, whipped" (120 g) is no cup of cream.
        self.assertEqual(self.name("01053"), "Cream, heavy whipping, 1 tbsp")
        # "cup, with hulls, edible yield" (46 g of kernels) is never a cup of sunflower seeds.
        self.assertEqual(self.name("12036"), "Sunflower seeds, 1 oz")
        self.assertNotIn(46.0, [grams for _, grams in self.servings("12036", "Sunflower seeds")])
        # "cup, pureed" (230 g) packs denser than a cup of pieces (150 g): said, it does not fit.
        self.assertEqual(self.servings("09039", "Avocados, raw, Florida")[0], ("1 cup pureed", 230.0))
        self.assertEqual(self.left_out_by("09039"), "name does not fit in 30 characters with all its qualifiers")
        # "oz dry, yield after cooking" is 69 g of boiled beans: not "1 oz".
        self.assertEqual([s for s in self.servings("16084", "Mungo beans, boiled") if s[0] == "1 oz"], [])

    def test_a_size_the_measure_gives_is_said(self):
        self.assertEqual(self.name("18033"), "Bread, Italian, 1 large slice")  # "slice, large"
        self.assertEqual(self.name("09298"), "Raisins, seedless, 1 small box")  # "small box", not "1 small"
        self.assertEqual(self.name("19108"), "Jellybeans, 10 large")  # no "10 larges"
        # "cup, large curd": the size of the curd, not of the cup.
        self.assertEqual(self.servings("01012", "Cottage cheese")[0], ("1 cup", 210.0))
        # Of "wrapper, eggroll" (32 g) and "wrapper, wonton" (8 g), the one that names the food.
        self.assertEqual((self.name("18368"), self.by_number["18368"]["Serving grams"]),
                         ("Wonton wrappers, 1 wrapper", "8"))

    def test_a_measure_far_from_its_usual_weight_is_not_used(self):
        # A 64 g "slice, medium" of French bread is two slices (bread slices: 15-50 g).
        self.assertEqual((self.name("18029"), self.by_number["18029"]["Serving grams"]),
                         ("Bread, French or vienna, 1 oz", "28.35"))
        # A 166 g slice of pineapple: the 84 g slice (fruit slices: at most 100 g).
        self.assertEqual(self.by_number["09266"]["Serving grams"], "84")
        # A drink's "can or bottle (16 fl oz)" (491 g) is no can: the 12 fl oz one is.
        self.assertEqual(self.by_number["14153"]["Serving grams"], "368")
        self.assertIn(("16 fl oz", 491.0), self.servings("14153", "Pepper-type soda"))
        # A can of another size is said in fl oz: "can (6.8 fl oz, 200 ml)".
        self.assertEqual(self.name("14009"), "Daiquiri, canned, 6.8 fl oz")
        for row in self.rows:
            serving, grams = row["Serving"], float(row["Serving grams"])
            if re.fullmatch(r"\d+ oz", serving):
                self.assertAlmostEqual(grams / int(serving.split()[0]), 28.35, delta=1.5, msg=row["Name"])

    def test_staples_come_first_with_their_names_and_must_yield_a_row(self):
        self.assertEqual(self.name("20045"), "Rice, white, cooked, 1 cup")
        self.assertEqual(self.name("10124"), "Bacon, cooked, 1 slice")
        # The unit does not fit the staple's name: 3 oz does.
        self.assertEqual(self.name("05098"), "Chicken thigh, no skin, 3 oz")
        with tempfile.TemporaryDirectory() as folder:
            staples = os.path.join(folder, "staples.csv")
            with open(staples, "w", encoding="utf-8") as f:
                f.write('20045,"Rice, white, cooked"\n11062,"Green beans, microwaved"\n13228,"Beef shank"\n')
            done, out = run(folder, staples)
        self.assertNotEqual(done.returncode, 0)
        self.assertIn("staple 11062 yields no row: USDA gives no value for one of the six", done.stderr)
        # Listed in foods.index and in deprecated.index: withdrawn.
        self.assertIn("staple 13228 yields no row: not a current USDA food (withdrawn or not indexed)", done.stderr)

    def test_left_out_foods_by_rule(self):
        self.assertEqual(self.left_out_by("03002"), "food group left out (baby, brand-name, restaurant)")
        self.assertEqual(self.left_out_by("21503"), "brand name")
        self.assertEqual(self.left_out_by("13001"), "raw meat, poultry or fish")
        self.assertEqual(self.left_out_by("11062"), "USDA gives no value for one of the six")
        self.assertEqual(self.left_out_by("01147"), "not a current USDA food (withdrawn or not indexed)")
        self.assertIn(f"Rows: {len(self.rows)} (staples: 4, all present)", self.report)
        # Every food of the extract is either a row or listed once under its rule.
        listed = [line.split()[0] for line in self.report.splitlines() if re.match(r"  \d{5}  ", line)]
        xml = [name[:-4] for name in os.listdir(EXTRACT) if name.endswith(".xml")]
        self.assertEqual(sorted(listed + list(self.by_number)), sorted(xml))

    def test_rows_of_the_list_before_keep_their_names_and_servings(self):
        kept = '"Apple, red, 1 cup",0,0,0,0,0,0,09003,1 cup,109,x\n'
        # The list written over is kept by default; a kept row keeps its name
        # against a more everyday food (01077 differs from 01211 only in vitamins).
        milk = '"Milk, whole, 3.25%, 1 cup",0,0,0,0,0,0,01211,1 cup,244,x\n'
        _, rows, _ = run_with({"foods": LIST_HEADER + kept + milk})
        self.assertEqual((rows["09003"]["Name"], rows["09003"]["Calories"]), ("Apple, red, 1 cup", "57"))
        self.assertEqual((rows["01211"]["Name"], "01077" in rows), ("Milk, whole, 3.25%, 1 cup", False))
        # A serving no longer offered, or a row that would go, stops the run.
        done, _, _ = run_with({"keep": LIST_HEADER + kept.replace("109", "110")})
        self.assertIn("kept row Apple, red, 1 cup: USDA or the rules no longer give its serving", done.stderr)
        done, _, _ = run_with({"keep": LIST_HEADER + '"Bagel, 1 bagel",0,0,0,0,0,0,18001,1 bagel,105,x\n'})
        self.assertIn("kept row Bagel, 1 bagel yields no row: not in the source", done.stderr)

    def test_a_staples_twin_and_servings_chosen_by_hand(self):
        # A kept row may become a twin; a hand-chosen serving overrides a kept
        # one; a twin left out by a rule stays under it (01147 is withdrawn);
        # spaces around the fields of a hand-written file go.
        kept = '"Milk, whole, 3.25%, 1 cup",0,0,0,0,0,0,01211,1 cup,244,x\n' \
               '"Raisins, seedless, 1 small box",0,0,0,0,0,0,09298,1 small box,43,x\n'
        done, rows, report = run_with({"staples": '01077,"Milk, whole",01211,01147\n',
                                       "servings": "01017,100 g,100,why\n09298, 1 cup, 165, why\n",
                                       "keep": LIST_HEADER + kept})
        self.assertNotIn("01211", rows)
        self.assertIn(f"## {generator.TWIN} (1)\n  01211  Milk, whole, 3.25% milkfat, without", report)
        self.assertEqual([rows["01017"][k] for k in ("Name", "Calories", "Fat", "Sodium")],
                         ["Cream cheese, 100 g", "342", "34.2", "321"])
        self.assertEqual(rows["09298"]["Name"], "Raisins, seedless, 1 cup")
        for serving, grams in (("1 cup", "230"), ("100 g", "150")):
            done, _, _ = run_with({"servings": f"01017,{serving},{grams},why\n"})
            self.assertIn(f"serving chosen for 01017: USDA gives no measure of {grams} g", done.stderr)

    def test_baked_goods_by_the_piece_never_by_the_ounce(self):
        # "Cookies, peanut butter, 1 cookie" is too long: no "1 oz" instead.
        self.assertEqual(self.left_out_by("18185"), "name does not fit in 30 characters with all its qualifiers")
        # A baked good USDA weighs only by the ounce keeps the ounce.
        _, rows, _ = run_with({"staples": '18185,"Peanut butter cookie"\n18445,"Fried pastry, lemon"\n'})
        self.assertEqual(rows["18185"]["Name"], "Peanut butter cookie, 1 cookie")
        self.assertEqual(rows["18445"]["Name"], "Fried pastry, lemon, 1 oz")

    def test_values_are_usda_per_serving(self):
        rice = self.by_number["20045"]
        # 130 kcal, 28.17 g carbohydrate, 2.69 g protein, 0.28 g fat, 1 mg sodium per 100 g; 1 cup = 158 g.
        self.assertEqual([rice[k] for k in ("Calories", "Carbo", "Protein", "Fat", "Sodium", "Chol")],
                         ["205", "44.5", "4.3", "0.4", "2", "0"])
        for row in self.rows:
            self.assertLessEqual(len(row["Name"]), 30)
            row["Name"].encode("cp1252")


if __name__ == "__main__":
    unittest.main()
