#!/usr/bin/env python3
"""Breaks a copy of a shipped table in each way the checker knows and makes
sure it notices; the untouched copy must pass."""
import pathlib
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import check_tables  # noqa: E402

BOM = b"\xef\xbb\xbf"


def replace_line(n, text):
    def change(raw):
        rows = raw[len(BOM):].decode("utf-8").split("\n")
        rows[n] = text
        return BOM + "\n".join(rows).encode("utf-8")
    return change


# (name, folder, change of the file's bytes, words the complaint must hold)
CASES = [
    ("no byte-order mark", "deu", lambda raw: raw[len(BOM):], "no byte-order mark"),
    ("carriage returns", "deu", lambda raw: raw.replace(b"\n", b"\r\n"), "carriage returns"),
    ("a line lost", "fra", lambda raw: raw[:raw.rindex(b"\n", 0, len(raw) - 1) + 1],
     "99 lines instead of 100"),
    ("placeholder dropped", "ita", replace_line(78, "Scaricamento..."), "placeholders"),
    ("line break dropped", "ara", replace_line(80, "تحديث"), "placeholders"),
    ("model codes changed", "nld", replace_line(84, "Letter (LS01–LS14)"), "model codes"),
    ("full width lost", "jpn", replace_line(84, "レター (LS01–LS15)"), "full-width"),
    ("full width elsewhere", "deu", replace_line(84, "Letter（LS01～LS15）"), "plain brackets"),
    ("group line filled", "esp", replace_line(86, "Otro"), "line 86 must stay empty"),
    ("line emptied", "tur", replace_line(29, ""), "line 29 is empty"),
    ("line tool named like the font", "ara", replace_line(7, "الخط"), "lines 7 and 33"),
    ("cut named like copy", "esp", replace_line(54, "Copiar"), "lines 53 and 54"),
]


class CheckTables(unittest.TestCase):
    def setUp(self):
        self.root = pathlib.Path(tempfile.mkdtemp())
        shutil.copytree(check_tables.ROOT, self.root, dirs_exist_ok=True)
        self.english, _ = check_tables.read("enu", self.root)

    def tearDown(self):
        shutil.rmtree(self.root)

    def test_shipped_tables_pass(self):
        for folder in check_tables.FOLDERS[1:]:
            self.assertEqual(check_tables.check(folder, self.english, self.root), [], folder)

    def test_each_fault_is_found(self):
        for name, folder, change, words in CASES:
            with self.subTest(name):
                path = self.root / folder / "lan.txt"
                good = path.read_bytes()
                path.write_bytes(change(good))
                problems = check_tables.check(folder, self.english, self.root)
                path.write_bytes(good)
                self.assertTrue(any(words in p for p in problems), problems)


if __name__ == "__main__":
    unittest.main()
