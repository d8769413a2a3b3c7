#!/usr/bin/env python3
"""The starter food list generator on a small extract of the USDA files."""

import csv
import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
GENERATOR = os.path.join(HERE, "../../tools/starter/make_food_csv.py")
EXTRACT = os.path.join(HERE, "usda_extract")


class GeneratorTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with tempfile.TemporaryDirectory() as folder:
            out = os.path.join(folder, "foods.csv")
            subprocess.run([sys.executable, GENERATOR, "--source", EXTRACT, "--out", out], check=True,
                           capture_output=True)
            with open(out, "rb") as f:
                cls.bytes = f.read()
        cls.rows = list(csv.DictReader(cls.bytes.decode("utf-8").splitlines()))

    def test_output_is_the_expected_file(self):
        with open(os.path.join(HERE, "usda_extract_expected.csv"), "rb") as f:
            self.assertEqual(self.bytes, f.read())

    def test_left_out_foods(self):
        numbers = {row["USDA number"] for row in self.rows}
        self.assertNotIn("03002", numbers)  # baby food
        self.assertNotIn("21503", numbers)  # brand name
        self.assertNotIn("13001", numbers)  # raw meat
        self.assertNotIn("11062", numbers)  # USDA gives no cholesterol value: never guessed
        self.assertIn("20045", numbers)

    def test_names_and_values(self):
        names = [row["Name"] for row in self.rows]
        self.assertEqual(len({n.casefold() for n in names}), len(names))
        for name in names:
            self.assertLessEqual(len(name), 30)
            name.encode("cp1252")
        rice = next(row for row in self.rows if row["USDA number"] == "20045")
        # 130 kcal, 28.17 g carbohydrate, 2.69 g protein, 0.28 g fat, 1 mg sodium per 100 g; 1 cup = 158 g.
        self.assertEqual(rice["Name"], "Rice, white, cooked, 1 cup")
        self.assertEqual([rice[k] for k in ("Calories", "Carbo", "Protein", "Fat", "Sodium", "Chol")],
                         ["205", "44.5", "4.3", "0.4", "2", "0"])
        oil = next(row for row in self.rows if row["USDA number"] == "04053")
        self.assertEqual(oil["Serving"], "1 tbsp")  # not a cup of oil


if __name__ == "__main__":
    unittest.main()
