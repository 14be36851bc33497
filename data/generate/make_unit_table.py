#!/usr/bin/env python3
"""Writes the general unit table Vexal.gun from exact unit values.

Each unit's value is an exact fraction of its category's SI unit (pi taken to 40 digits), from the
sources named beside it: SI Brochure 9th ed. (SI), NIST SP 811 Appendix B (811), NIST Handbook 44
Appendix C (HB44), the 1959 international yard and pound (1959), IAU 2012/2015 resolutions (IAU), UK
Weights and Measures Act 1985 (UK), CODATA 2018 (CODATA). factor[j][k] = v_j / v_k is taken exactly
and rounded once into the table's 23-character field.

  make_unit_table.py [OUTPUT]   writes the table (default: Vexal.gun beside this folder's parent)
  make_unit_table.py --check    also compares every value with `units -t` or pint when installed
Python standard library only.
"""
import os
import shutil
import subprocess
import sys
from fractions import Fraction as F

PI = F("3.141592653589793238462643383279502884197")

INCH = F("0.0254")
FOOT = F("0.3048")
YARD = F("0.9144")
MILE = F("1609.344")
AU = F(149597870700)
US_GALLON = 231 * INCH ** 3
IMPERIAL_GALLON = F("4.54609E-3")
POUND = F("0.45359237")
POUND_FORCE = F("4.4482216152605")
BTU = F("1055.05585262")

# (category, [(unit, value in the SI unit, SI unit for the check or None)])
CATEGORIES = [
    ("Length", "m", [
        ("meter", F(1)), ("kilometer", F(10) ** 3), ("centimeter", F(1, 10 ** 2)),
        ("millimeter", F(1, 10 ** 3)), ("micrometer", F(1, 10 ** 6)), ("nanometer", F(1, 10 ** 9)),
        ("angstrom", F(1, 10 ** 10)), ("inch", INCH), ("foot", FOOT), ("yard", YARD), ("mile", MILE),
        ("nautical mile", F(1852)), ("astronomical unit", AU),
        ("light year", F(9460730472580800)), ("parsec", 648000 / PI * AU)]),
    ("Area", "m^2", [
        ("square meter", F(1)), ("square kilometer", F(10) ** 6), ("hectare", F(10) ** 4), ("are", F(100)),
        ("square centimeter", F(1, 10 ** 4)), ("square millimeter", F(1, 10 ** 6)),
        ("square inch", INCH ** 2), ("square foot", FOOT ** 2), ("square yard", YARD ** 2),
        ("acre", F("4046.8564224")), ("square mile", MILE ** 2)]),
    ("Volume", "m^3", [
        ("cubic meter", F(1)), ("liter", F(1, 10 ** 3)), ("milliliter", F(1, 10 ** 6)),
        ("cubic centimeter", F(1, 10 ** 6)), ("cubic inch", INCH ** 3), ("cubic foot", FOOT ** 3),
        ("cubic yard", YARD ** 3), ("US gallon", US_GALLON), ("US quart", US_GALLON / 4),
        ("US pint", US_GALLON / 8), ("US fluid ounce", US_GALLON / 128),
        ("imperial gallon", IMPERIAL_GALLON), ("imperial pint", IMPERIAL_GALLON / 8),
        ("barrel (oil)", 42 * US_GALLON)]),
    ("Mass", "kg", [
        ("kilogram", F(1)), ("gram", F(1, 10 ** 3)), ("milligram", F(1, 10 ** 6)), ("tonne", F(10) ** 3),
        ("pound", POUND), ("ounce", POUND / 16), ("troy ounce", F("0.0311034768")),
        ("stone", 14 * POUND), ("short ton", 2000 * POUND), ("long ton", 2240 * POUND),
        ("carat", F("2E-4")), ("atomic mass unit", F("1.66053906660E-27"))]),
    ("Time", "s", [
        ("second", F(1)), ("millisecond", F(1, 10 ** 3)), ("microsecond", F(1, 10 ** 6)), ("minute", F(60)),
        ("hour", F(3600)), ("day", F(86400)), ("week", F(604800)), ("year (365.25 days)", F(31557600))]),
    ("Speed", "m/s", [
        ("meter per second", F(1)), ("kilometer per hour", 1 / F("3.6")), ("mile per hour", F("0.44704")),
        ("knot", F(1852, 3600)), ("foot per second", FOOT)]),
    ("Force", "N", [
        ("newton", F(1)), ("kilonewton", F(10) ** 3), ("dyne", F(1, 10 ** 5)),
        ("kilogram-force", F("9.80665")), ("pound-force", POUND_FORCE)]),
    ("Pressure", "Pa", [
        ("pascal", F(1)), ("kilopascal", F(10) ** 3), ("megapascal", F(10) ** 6), ("bar", F(10) ** 5),
        ("millibar", F(100)), ("atmosphere", F(101325)), ("torr", F(101325, 760)),
        ("millimeter of mercury", F("133.322387415")), ("pound per square inch", POUND_FORCE / INCH ** 2)]),
    ("Energy", "J", [
        ("joule", F(1)), ("kilojoule", F(10) ** 3), ("megajoule", F(10) ** 6), ("calorie", F("4.184")),
        ("kilocalorie", F(4184)), ("watt hour", F(3600)), ("kilowatt hour", F("3.6E6")),
        ("electronvolt", F("1.602176634E-19")), ("British thermal unit", BTU), ("erg", F(1, 10 ** 7)),
        ("foot pound-force", FOOT * POUND_FORCE)]),
    ("Power", "W", [
        ("watt", F(1)), ("kilowatt", F(10) ** 3), ("megawatt", F(10) ** 6),
        ("horsepower", 550 * FOOT * POUND_FORCE), ("metric horsepower", F("735.49875")),
        ("BTU per hour", BTU / 3600), ("calorie per second", F("4.184"))]),
    ("Angle", "radian", [
        ("radian", F(1)), ("degree", PI / 180), ("minute of arc", PI / 10800),
        ("second of arc", PI / 648000), ("grad", PI / 200), ("revolution", 2 * PI)]),
    # The converter fills these rows by formulas in this order; the factors are the interval ratios.
    ("Temperature", None, [
        ("Celsius", F(1)), ("Fahrenheit", F(5, 9)), ("Kelvin", F(1)), ("Rankine", F(5, 9)),
        ("Reaumur", F(5, 4))]),
]

# Names under which the checking tools know the units, where ours differ.
CHECK_NAMES = {
    "micrometer": "micron", "astronomical unit": "au", "light year": "lightyear",
    "year (365.25 days)": "julianyear", "barrel (oil)": "bbl", "atomic mass unit": "u",
    "troy ounce": "troyounce", "US quart": "usquart", "US pint": "uspint", "US fluid ounce": "usfloz",
    "US gallon": "usgallon", "imperial gallon": "brgallon", "imperial pint": "brpint",
    "kilometer per hour": "km/hr", "mile per hour": "mile/hr", "foot per second": "ft/s",
    "kilogram-force": "kgf", "pound-force": "lbf", "millimeter of mercury": "mmHg",
    "pound per square inch": "psi", "calorie": "thermcalorie", "kilocalorie": "1000 thermcalorie",
    "British thermal unit": "btu", "foot pound-force": "ft lbf", "metric horsepower": "metrichorsepower",
    "BTU per hour": "btu/hr", "calorie per second": "thermcalorie/s", "minute of arc": "arcmin",
    "second of arc": "arcsec", "short ton": "shortton", "long ton": "longton",
    "nautical mile": "nmile", "watt hour": "Wh", "kilowatt hour": "kWh", "square meter": "m^2",
    "square kilometer": "km^2", "square centimeter": "cm^2", "square millimeter": "mm^2",
    "square inch": "in^2", "square foot": "ft^2", "square yard": "yd^2", "square mile": "mile^2",
    "cubic meter": "m^3", "cubic centimeter": "cm^3", "cubic inch": "in^3", "cubic foot": "ft^3",
    "cubic yard": "yd^3", "meter per second": "m/s", "revolution": "circle", "grad": "gon",
}

# Where a checking tool takes another definition, ours is the one named in the table.
KNOWN_DIFFERENCES = {
    "atomic mass unit": "measured: the CODATA edition may differ",
    "parsec": "IAU 2015: 648000/pi au exactly; some tools take au / tan(1 arcsec)",
}


def field(value):
    """The 23-character field: a blank or '-', d.dddddddddddddd, 'E', the exponent's sign and four digits."""
    sign = "-" if value < 0 else " "
    value = abs(value)
    if value == 0:
        return sign + "0." + "0" * 14 + "E+0000"
    exponent = 0
    while value >= 10 * F(10) ** exponent:
        exponent += 1
    while value < F(10) ** exponent:
        exponent -= 1
    scaled = value / F(10) ** exponent * 10 ** 14  # 15 significant digits before the point
    digits = scaled.numerator // scaled.denominator
    rest = scaled - digits
    if rest > F(1, 2) or (rest == F(1, 2) and digits % 2 == 1):
        digits += 1
    if digits == 10 ** 15:
        digits //= 10
        exponent += 1
    text = str(digits)
    return "%s%s.%sE%s%04d" % (sign, text[0], text[1:], "+" if exponent >= 0 else "-", abs(exponent))


def table_text():
    lines = [str(len(CATEGORIES))]
    for name, _, units in CATEGORIES:
        lines.append(name)
        lines.append(str(len(units)))
        lines.extend(unit for unit, _ in units)
        values = [value for _, value in units]
        for k in range(len(units)):
            lines.append("".join(field(values[j] / values[k]) + " " for j in range(len(units))))
    return "".join(line + "\r\n" for line in lines).encode("latin-1")


def check_with_tools():
    """Compares each value with `units -t` or pint; returns the number of disagreements."""
    units = shutil.which("units")
    try:
        import pint  # noqa: F401
        registry = pint.UnitRegistry()
    except ImportError:
        registry = None
    if not units and registry is None:
        print("neither units nor pint is installed: values not checked")
        return 0
    bad = 0
    for _, si, members in CATEGORIES:
        if si is None:
            continue
        for unit, value in members:
            name = CHECK_NAMES.get(unit, unit)
            try:
                if units:
                    out = subprocess.run([units, "-t", "-d", "15", name, si], capture_output=True, text=True, timeout=10)
                    theirs = F(out.stdout.strip().split()[0])
                else:
                    theirs = F(str(registry.Quantity(1, name).to(si).magnitude))
            except Exception as error:  # a name the tool lacks: say so, not a disagreement
                print("not checked: %s (%s)" % (unit, error))
                continue
            difference = abs(theirs - value) / value
            mark = "ok" if difference < F(1, 10 ** 12) else "DIFFERS"
            if mark != "ok" and unit not in KNOWN_DIFFERENCES:
                bad += 1
            print("%-24s %-8s %.3g %s" % (unit, si, float(difference), mark))
    return bad


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    args = [a for a in argv if a != "--check"]
    output = args[0] if args else os.path.join(os.path.dirname(here), "Vexal.gun")
    data = table_text()
    with open(output, "wb") as out:
        out.write(data)
    if "--check" in argv and check_with_tools():
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
