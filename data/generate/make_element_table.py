#!/usr/bin/python3
"""Writes data/Vexal.prt (element properties) and data/Vexal.txt (element notes).

Sources: the element list of the Debian package bodr (/usr/share/bodr/elements.xml, MIT licence) and
the Python package periodictable (python3-periodictable, public domain). Group and series follow
from the atomic number. Run from the repository root or give the output folder as the argument.
"""

import os
import sys
import xml.etree.ElementTree as ET

import periodictable

BODR = "/usr/share/bodr/elements.xml"
CML = "{http://www.xml-cml.org/schema}"
ELEMENTS = 118
NA = "n/a"

PROPERTIES = [
    "Name",
    "Symbol",
    "Atomic number",
    "Atomic mass (u)",
    "Group",
    "Period",
    "Block",
    "Series",
    "Electron configuration",
    "Electronegativity (Pauling)",
    "First ionization energy (eV)",
    "Electron affinity (eV)",
    "Covalent radius (pm)",
    "Van der Waals radius (pm)",
    "Melting point (K)",
    "Boiling point (K)",
    "Density (g/cm3)",
    "Discovered",
]

NOBLE_GASES = {2, 10, 18, 36, 54, 86, 118}
PERIOD_STARTS = [1, 3, 11, 19, 37, 55, 87, 119]


def period_of(z):
    for p in range(7):
        if z < PERIOD_STARTS[p + 1]:
            return p + 1
    raise ValueError(z)


def group_of(z):
    """The IUPAC group 1..18; None for Ce-Lu and Th-Lr."""
    if z == 1:
        return 1
    if z == 2:
        return 18
    period = period_of(z)
    index = z - PERIOD_STARTS[period - 1]
    if period <= 3:
        return index + 1 if index < 2 else index + 11
    if period <= 5:
        return index + 1
    if index < 3:  # alkali, alkaline earth, La or Ac
        return index + 1
    if index < 17:  # the f block after La and Ac
        return None
    return index - 13


def series_of(z):
    if 57 <= z <= 71:
        return "Lanthanide"
    if 89 <= z <= 103:
        return "Actinide"
    if z in NOBLE_GASES:
        return "Noble gas"
    if z in (9, 17, 35, 53, 85, 117):
        return "Halogen"
    if z in (5, 14, 32, 33, 51, 52):
        return "Metalloid"
    if z in (1, 6, 7, 8, 15, 16, 34):
        return "Nonmetal"
    group = group_of(z)
    if group == 1:
        return "Alkali metal"
    if group == 2:
        return "Alkaline earth metal"
    if 3 <= group <= 12:
        return "Transition metal"
    return "Post-transition metal"


def read_bodr():
    atoms = {}
    for atom in ET.parse(BODR).getroot().iter(CML + "atom"):
        fields = {}
        for child in atom:
            ref = child.get("dictRef", "")
            if not ref.startswith("bo:"):
                continue
            key = ref[3:]
            fields[key] = child.get("value") if child.tag == CML + "label" else (child.text or "").strip()
        z = int(fields["atomicNumber"])
        if 1 <= z <= ELEMENTS:
            atoms[z] = fields
    return atoms


def text_or_na(value):
    return value if value not in (None, "") else NA


def mass_text(text):
    if not text:
        return NA
    if "." not in text:  # no stable isotope: the mass number of the longest-lived one
        return "[" + text + "]"
    return text


def picometres(text):
    if not text:
        return NA
    value = float(text)
    if value <= 0:
        return NA
    return "%d" % round(value * 100)


def configuration(text):
    if not text:
        return NA
    parts = text.split()
    if parts[0] in ("He", "Ne", "Ar", "Kr", "Xe", "Rn"):
        parts[0] = "[" + parts[0] + "]"
    return " ".join(parts)


def density_text(element):
    value = element.density
    if value is None:
        return NA
    caveat = getattr(element, "density_caveat", "") or ""
    if caveat.startswith("T="):  # a temperature in degrees Celsius
        caveat = "at " + caveat[2:] + " \u00b0C"
    return "%g (%s)" % (value, caveat) if caveat else "%g" % value


def discovered(fields):
    date = fields.get("discoveryDate", "")
    who = fields.get("discoverers", "").replace(";", ", ")
    if date in ("", "0"):
        return "Ancient" if not who else who
    return date + (" by " + who if who else "")


def element_values(z, fields):
    element = periodictable.elements[z]
    name = fields["name"]
    symbol = fields["symbol"]
    if z in (113, 115, 117, 118):  # named after the repository's release
        name = element.name.capitalize()
        symbol = element.symbol
    group = group_of(z)
    return [
        name,
        symbol,
        str(z),
        mass_text(fields.get("mass")),
        str(group) if group else NA,
        text_or_na(fields.get("period")),
        text_or_na(fields.get("periodTableBlock")),
        series_of(z),
        configuration(fields.get("electronicConfiguration")),
        text_or_na(fields.get("electronegativityPauling")),
        text_or_na(fields.get("ionization")),
        text_or_na(fields.get("electronAffinity")),
        picometres(fields.get("radiusCovalent")),
        picometres(fields.get("radiusVDW")),
        text_or_na(fields.get("meltingpoint")),
        text_or_na(fields.get("boilingpoint")),
        density_text(element),
        discovered(fields),
    ]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "data"
    atoms = read_bodr()
    prt = [str(ELEMENTS), str(len(PROPERTIES))] + PROPERTIES
    notes = []
    for z in range(1, ELEMENTS + 1):
        values = element_values(z, atoms[z])
        assert len(values) == len(PROPERTIES)
        prt.append("=== %d %s ===" % (z, values[0]))
        prt.extend(values)
        notes.append(" ".join(atoms[z].get("nameOrigin", "").split()))
    with open(os.path.join(folder, "Vexal.prt"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(prt) + "\n")
    with open(os.path.join(folder, "Vexal.txt"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(notes) + "\n")


if __name__ == "__main__":
    main()
