#!/usr/bin/env python3
"""Writes the embedded test definitions (resources/xml/*.xml) and their
resource list (resources/test_xmls.qrc).

The tables below are the single source of truth for the definitions; edit
them here and rerun the script instead of touching the XML by hand.  The
output is deterministic, so a rerun on unchanged tables changes nothing.

Usage: python3 tools/make_definitions.py [--check]
  --check  only verify that the files on disk match what would be written
"""

import os
import sys
import xml.etree.ElementTree as ET

import generated_files

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
XML_DIR = os.path.join(ROOT, "resources", "xml")
QRC_PATH = os.path.join(ROOT, "resources", "test_xmls.qrc")

LOCALES = ("de_DE", "en_US")

# Every picture in the bundle that a choice may point at (":/jpeg/Bilder/<name>.jpeg").
PICTURES = frozenset("""
ananas anis apfel banane birne brombeere brot coca_cola erdbeere erdnuss
eukalyptus fichte fisch flieder geräuchertes gewürznelke grapefruit gras gummi
gummibärchen himbeere honig ingwer kaffee kamille karamell kaugummi kekse
kerzenrauch kirsche klebstoff knoblauch kokos käse lakritz lavendel mandeln
melone menthol muskat möhre orange paprika pfeffer pfefferminz pfirsich pflaume
pickle pilze rauch rose rosinen rum salami sauerkraut schinken schnittlauch
schokolade schuhleder schwarze_johannisbeere senf terpentin vanille walnuss
wein weintrauben zigarette zimt zitrone zwiebel
""".split())
assert len(PICTURES) == 70

# Pens: (Nr, Korrekt, four choices).  A choice is (German name, English name)
# or (German name, English name, English picture) when the English choice
# shows a different picture.  The German picture is always the German name in
# lower case.
SCREENING_PENS = [
    (1, 1, [("Orange", "Orange"), ("Brombeere", "Blackberry"), ("Erdbeere", "Strawberry"), ("Ananas", "Pineapple")]),
    (2, 3, [("Rauch", "Smoke"), ("Klebstoff", "Glue"), ("Schuhleder", "Leather"), ("Gras", "Grass")]),
    (3, 4, [("Honig", "Honey"), ("Vanille", "Vanilla"), ("Schokolade", "Chocolate"), ("Zimt", "Cinnamon")]),
    (4, 2, [("Schnittlauch", "Chives"), ("Pfefferminz", "Peppermint"), ("Fichte", "Spruce"), ("Zwiebel", "Onion")]),
    (5, 2, [("Kokos", "Coconut"), ("Banane", "Banana"), ("Walnuss", "Walnut"), ("Kirsche", "Cherry")]),
    (6, 3, [("Pfirsich", "Peach"), ("Apfel", "Apple"), ("Zitrone", "Lemon"), ("Grapefruit", "Raspberry", "himbeere")]),
    (7, 1, [("Lakritz", "Liquorice"), ("Gummibärchen", "Wine gum"), ("Kaugummi", "Bubblegum"), ("Kekse", "Biscuits")]),
    (8, 2, [("Zigarette", "Cigarette"), ("Kaffee", "Coffee"), ("Wein", "Wine"), ("Kerzenrauch", "Candle smoke")]),
    (9, 1, [("Gewürznelke", "Cloves"), ("Pfeffer", "Pepper"), ("Zimt", "Cinnamon"), ("Senf", "Mustard")]),
    (10, 4, [("Birne", "Pear"), ("Pflaume", "Plum"), ("Pfirsich", "Peach"), ("Ananas", "Pineapple")]),
    (11, 4, [("Kamille", "Camomile"), ("Himbeere", "Raspberry"), ("Kirsche", "Cherry"), ("Rose", "Rose")]),
    (12, 3, [("Brot", "Bread"), ("Käse", "Cheese"), ("Fisch", "Fish"), ("Schinken", "Ham")]),
]

# Shared by the identification test and the identification part of the
# extended test.
IDENTIFICATION_PENS = [
    (1, 1, [("Orange", "Orange"), ("Brombeere", "Blackberry"), ("Erdbeere", "Strawberry"), ("Ananas", "Pineapple")]),
    (2, 2, [("Rauch", "Smoke"), ("Schuhleder", "Leather"), ("Klebstoff", "Glue"), ("Gras", "Grass")]),
    (3, 4, [("Honig", "Honey"), ("Vanille", "Vanilla"), ("Schokolade", "Chocolate"), ("Zimt", "Cinnamon")]),
    (4, 2, [("Schnittlauch", "Chives"), ("Pfefferminz", "Peppermint"), ("Fichte", "Wood"), ("Zwiebel", "Onion")]),
    (5, 2, [("Kokos", "Coconut"), ("Banane", "Banana"), ("Walnuss", "Walnut"), ("Kirsche", "Cherry")]),
    (6, 3, [("Pfirsich", "Peach"), ("Apfel", "Melon", "melone"), ("Zitrone", "Lemon"), ("Grapefruit", "Orange", "orange")]),
    (7, 1, [("Lakritz", "Liquorice"), ("Gummibärchen", "Chocolate", "schokolade"), ("Kaugummi", "Chewing gum"), ("Kekse", "Biscuits")]),
    (8, 4, [("Senf", "Mustard"), ("Gummi", "Smoke", "rauch"), ("Menthol", "Menthol"), ("Terpentin", "Turpentine")]),
    (9, 3, [("Zwiebel", "Onion"), ("Sauerkraut", "Pickle", "pickle"), ("Knoblauch", "Garlic"), ("Möhre", "Carrot")]),
    (10, 2, [("Zigarette", "Cigarette"), ("Kaffee", "Coffee"), ("Wein", "Wine"), ("Kerzenrauch", "Candle smoke")]),
    (11, 4, [("Melone", "Blackcurrant", "schwarze_johannisbeere"), ("Pfirsich", "Strawberry", "erdbeere"), ("Orange", "Vanilla", "vanille"), ("Apfel", "Apple")]),
    (12, 1, [("Gewürznelke", "Cloves"), ("Pfeffer", "Pepper"), ("Zimt", "Cinnamon"), ("Senf", "Mustard")]),
    (13, 4, [("Birne", "Pear"), ("Pflaume", "Plum"), ("Pfirsich", "Peach"), ("Ananas", "Pineapple")]),
    (14, 3, [("Kamille", "Camomile"), ("Himbeere", "Raspberry"), ("Rose", "Rose"), ("Kirsche", "Cherry")]),
    (15, 1, [("Anis", "Aniseed"), ("Rum", "Rum"), ("Honig", "Honey"), ("Fichte", "Wood")]),
    (16, 2, [("Brot", "Bread"), ("Fisch", "Fish"), ("Käse", "Cheese"), ("Schinken", "Ham")]),
]

# Percentile tables: rows of (age band, P10, P50, P90).  Values are kept as
# text so that they are written exactly as given ("9.0", "25.0").
FOUR_BANDS = ("5-15", "16-35", "36-55", ">55")

THRESHOLD_PERCENTILES = list(zip(FOUR_BANDS,
    ("4.3", "6.5", "5.5", "2.75"),
    ("6.75", "9.0", "8.75", "7.5"),
    ("12", "13.75", "13.6", "12.6")))

DISCRIMINATION_PERCENTILES = list(zip(FOUR_BANDS,
    ("10", "10", "10", "7.4"),
    ("12", "13", "13", "11"),
    ("15", "15", "15", "14")))

IDENTIFICATION_PERCENTILES = list(zip(FOUR_BANDS,
    ("10", "11", "12", "9"),
    ("13", "14", "14", "13"),
    ("14", "16", "15", "15")))

NINE_BANDS = ("5-10", "11-20", "21-30", "31-40", "41-50", "51-60", "61-70", "71-80", ">81")

SCREENING_PERCENTILES = list(zip(NINE_BANDS,
    ("7.5", "8", "9", "9", "9", "6", "5", "4", "5"),
    ("10", "11", "11", "11", "11", "11", "10", "9", "8"),
    ("11", "12", "12", "12", "12", "12", "12", "11", "11")))

EXTENDED_PERCENTILES = list(zip(NINE_BANDS,
    ("19.4", "28.5", "30.75", "30.5", "28.15", "27.25", "24.88", "19.2", "13"),
    ("25.0", "34.0", "35.75", "35.5", "34.75", "33", "31.63", "28.5", "25.75"),
    ("30.63", "39.25", "41.5", "40.5", "39.5", "38.5", "36.5", "34.9", "32.8")))


# One entry per definition file.  Value elements that a test does not have
# are left out of the file, not written as 0.
DEFINITIONS = [
    {
        "base": "Screening12",
        "id": {"de_DE": "Screening 12", "en_US": "Screening 12"},
        "art": 1,
        "pens": SCREENING_PENS,
        "values": [("Normwert", "10")],
        "percentiles": {"de_DE": SCREENING_PERCENTILES, "en_US": SCREENING_PERCENTILES},
    },
    {
        "base": "Identifikationstest_blau",
        "id": {"de_DE": "Identifikationstest blau", "en_US": "Identification test (blue)"},
        "art": 2,
        "pens": IDENTIFICATION_PENS,
        "values": [("Normwert", "11"), ("Anosmie", "8")],
        "percentiles": {"de_DE": IDENTIFICATION_PERCENTILES, "en_US": IDENTIFICATION_PERCENTILES},
    },
    {
        "base": "Schwellentest",
        "id": {"de_DE": "Schwellentest", "en_US": "Threshold test"},
        "art": 3,
        "pens": [],
        "values": [("Normwert", "6.5"), ("Anosmie", "1")],
        "percentiles": {"de_DE": THRESHOLD_PERCENTILES, "en_US": THRESHOLD_PERCENTILES},
    },
    {
        "base": "Diskriminationstest",
        "id": {"de_DE": "Diskriminationstest", "en_US": "Discrimination test"},
        "art": 4,
        "pens": [],
        "values": [("Normwert", "10")],
        "percentiles": {"de_DE": DISCRIMINATION_PERCENTILES, "en_US": DISCRIMINATION_PERCENTILES},
    },
    {
        "base": "ExtendedTest",
        "id": {"de_DE": "Extended Test", "en_US": "Extended test"},
        "art": 5,
        "pens": IDENTIFICATION_PENS,
        "values": [("Normwert", "30.75"), ("Anosmie", "16"), ("Supersmellers", "41.5"), ("Maxwert", "48")],
        "percentiles": {"de_DE": EXTENDED_PERCENTILES, "en_US": EXTENDED_PERCENTILES},
    },
]

PERCENTS = (10, 50, 90)
INDENT = "    "


def esc(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;")
            .replace(">", "&gt;").replace('"', "&quot;"))


def tag(name, attrs, text=None, level=1):
    # Attributes are written in the order given, so the files stay stable.
    head = INDENT * level + "<" + name + "".join(
        ' %s="%s"' % (k, esc(str(v))) for k, v in attrs)
    if text is None:
        return head + "/>"
    return head + ">" + esc(text) + "</" + name + ">"


def choice(cell, locale):
    german, english = cell[0], cell[1]
    picture = german.lower()
    if locale == "de_DE":
        return german, picture
    return english, (cell[2] if len(cell) > 2 else picture)


def render(defn, locale):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<Test ID="%s" TestArt="%d">' % (esc(defn["id"][locale]), defn["art"])]
    for name, value in defn["values"]:
        lines.append(tag(name, [], value))
    for nr, korrekt, cells in defn["pens"]:
        assert len(cells) == 4, (defn["base"], nr)
        assert 1 <= korrekt <= 4, (defn["base"], nr)
        lines.append(INDENT + '<Stift Nr="%d" Korrekt="%d">' % (nr, korrekt))
        for i, cell in enumerate(cells, 1):
            name, picture = choice(cell, locale)
            assert picture in PICTURES, (defn["base"], locale, nr, picture)
            lines.append(tag("Duft", [("Nr", i), ("Bild", picture)], name, level=2))
        lines.append(INDENT + "</Stift>")
    rows = defn["percentiles"][locale]
    for column, percent in enumerate(PERCENTS, 1):
        lines.append(INDENT + '<Percentile Id="%d" Prozent="%d">' % (percent, percent))
        for nr, row in enumerate(rows, 1):
            lines.append(tag("Punkt", [("Nr", nr), ("Alt", row[0]), ("Wert", row[column])], level=2))
        lines.append(INDENT + "</Percentile>")
    lines.append("</Test>")
    return "\n".join(lines) + "\n"


def file_name(defn, locale):
    return "%s_%s.xml" % (defn["base"], locale)


def outputs():
    for defn in DEFINITIONS:
        for locale in LOCALES:
            yield os.path.join(XML_DIR, file_name(defn, locale)), render(defn, locale)
    yield QRC_PATH, generated_files.qrc("/xml", "xml", [file_name(d, l) for d in DEFINITIONS for l in LOCALES])


def summary():
    # Read back what is on disk, the way the application sees it.
    print("%-34s %-26s %3s %4s  %-8s %-8s %-13s %-7s %s" % (
        "file", "ID", "Art", "pens", "Normwert", "Anosmie", "Supersmellers", "Maxwert", "bands"))
    for defn in DEFINITIONS:
        for locale in LOCALES:
            name = file_name(defn, locale)
            root = ET.parse(os.path.join(XML_DIR, name)).getroot()
            assert root.tag == "Test"
            values = {v: (root.find(v).text if root.find(v) is not None else "-")
                      for v in ("Normwert", "Anosmie", "Supersmellers", "Maxwert")}
            pens = root.findall("Stift")
            assert all(len(p.findall("Duft")) == 4 for p in pens)
            tables = root.findall("Percentile")
            assert [t.get("Prozent") for t in tables] == ["10", "50", "90"]
            bands = [p.get("Alt") for p in tables[0].findall("Punkt")]
            assert all([p.get("Alt") for p in t.findall("Punkt")] == bands for t in tables)
            print("%-34s %-26s %3s %4d  %-8s %-8s %-13s %-7s %s" % (
                name, '"%s"' % root.get("ID"), root.get("TestArt"), len(pens),
                values["Normwert"], values["Anosmie"], values["Supersmellers"],
                values["Maxwert"], ",".join(bands)))


if __name__ == "__main__":
    sys.exit(generated_files.main(ROOT, outputs(), summary))
