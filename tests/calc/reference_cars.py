#!/usr/bin/env python3
"""Exact result sentences of a few cars, worked out here with plain Python
floats, apart from the library, for the ReferenceCars table of
run_calculation_test.cpp. Every formula keeps the grouping the calculation
uses, so a changed operator, grouping or constant there changes a digit of
at least one sentence. The sentence shows 15 digits; a fingerprint
of every table entry written shows what those digits round away. Run it and
paste the rows it prints.

Grid: speed entry j stands for (j + Vi) - 1; step s runs from entry s to
s + 1; the total adds the step times 1 .. steps in order.
"""
import math
import struct

# The single-precision 0.06 of the next gear's fifth and sixth powers.
NEXT_GEAR_FACTOR = struct.unpack("f", struct.pack("f", 0.06))[0]
TABLE_SIZE = 401


def whole_steps(vi, vf):
    difference = vf - vi
    nearest = round(difference)
    tolerance = 4 * 2.0**-52 * (abs(vi) + abs(vf))
    whole = nearest if abs(difference - nearest) <= tolerance else math.floor(difference)
    return max(0, min(TABLE_SIZE, whole))


def power(n, c, k, factor_before=None):
    """n x (n x (... (n x c))), k times, the power built outward from the
    coefficient; the next-gear factor enters before multiplication number
    `factor_before` (counted from 0)."""
    x = c
    for i in range(k):
        if i == factor_before:
            x = NEXT_GEAR_FACTOR * x
        x = n * x
    return x


def torque(n, c, next_gear):
    t = power(n, c[1], 1) + c[0]
    for k in range(2, 7):
        factor_before = {5: 4, 6: 3}.get(k) if next_gear else None
        t = power(n, c[k], k, factor_before) + t
    return t


def fingerprint(tables):
    """FNV-1a over the bits of the entries, in order: a change of one unit in
    the last place of any entry changes it."""
    h = 0xCBF29CE484222325
    for entries in tables:
        for value in entries:
            for byte in struct.pack("<d", value):
                h = ((h ^ byte) * 0x100000001B3) % 2**64
    return h


def run(car):
    """The sentence, the number of whole steps, and the fingerprint of the
    table entries the calculation wrote."""
    f = {key: float(value) if value.strip() else 0.0 for key, value in car["fields"].items()}
    ratios = [float(r) if r else 0.0 for r in car["ratios"]]
    gears = car["gears"]
    vi, vf = f["vi"], f["vf"]
    steps = whole_steps(vi, vf)
    radius = (f["rim"] * 0.0254) / 2 + ((f["aspect"] * 0.001) / 100) * f["width"]
    sin_slope = math.sin(math.atan(f["slope"] / 100))
    kind, area = car["area"]
    # A number as the window stores it (C++ and Python agree on the
    # expression), or the area box's text in the user's locale.
    area = eval(area) if kind == "number" else float(area.replace(car["separator"], "."))

    road, wheel = [0.0] * TABLE_SIZE, [0.0] * TABLE_SIZE
    k = f["cx"] * 0.61
    rolling = (f["rolling"] * 9.81) * f["mass"]
    slope = (f["mass"] * sin_slope) * 9.81
    for j in range(1, steps + 2):
        v = (j + vi) - 1
        road[j] = slope + (rolling + v * (v * (area * k)))
        wheel[j] = (v / radius) / 6.28303384
    overall = [0.0] + [r * f["i0"] for r in ratios] + [0.0] * (TABLE_SIZE - 7)
    coefficients = [f["c%d" % i] for i in range(7)]

    def acceleration(g, j, next_gear=False):
        n = overall[g] * wheel[j]
        wheel_torque = overall[g] * (f["eta"] * torque(n, coefficients, next_gear))
        return ((wheel_torque / radius) - road[j]) / (f["lambda"] * f["mass"])

    low = {g: acceleration(g, 1) for g in range(1, gears + 1)}
    high = {g: acceleration(g, 2) for g in range(1, gears + 1)}
    mean = [0.0] * 8
    for g in range(1, gears + 1):
        mean[g] = (high[g] + low[g]) / 2
    # Only the gears up to the last one with a ratio take part; the top one
    # is compared with 0, whatever the table holds for an empty gear above it.
    top = max(g for g in range(1, gears + 1) if ratios[g - 1] != 0)
    beside = mean[:top + 1] + [0.0]
    start = max(g for g in range(1, top + 1) if beside[g] > beside[g + 1] and beside[g - 1] < beside[g])

    times = [(1 / high[start] + 1 / low[start]) / 2]
    gear = start
    for s in range(2, steps + 1):
        a1, a2 = acceleration(gear, s), acceleration(gear, s + 1)
        if gear < top:
            # The next gear is judged on the same plain curve.
            b1, b2 = acceleration(gear + 1, s), acceleration(gear + 1, s + 1)
            if not (a1 + a2) / 2 > (b1 + b2) / 2:
                gear, a1, a2 = gear + 1, b1, b2
        times.append((1 / a2 + 1 / a1) / 2)
    total = 0.0
    for t in times:
        total = total + t
    time = ("%.15g" % total).replace("e", "E").replace(".", car["separator"])
    text = "   El resultado final es: Marcha inicial: %d; marcha final: %d; Tiempo empleado: %s" % (start, gear, time)
    tables = [road[1:steps + 2], wheel[1:steps + 2], overall[1:7], [low[g] for g in range(1, gears + 1)],
              [high[g] for g in range(1, gears + 1)], mean[1:gears + 1], times]
    return text, steps, fingerprint(tables)


SALOON = dict(i0="4.3", vi="0", vf="30", **{"lambda": "1.07"}, mass="1150", width="185", aspect="60", rim="15",
              eta="0.91", cx="0.31", rolling="0.012", slope="0",
              c0="95", c1="1.6", c2="-0.011", c3="2e-6", c4="-3e-9", c5="4e-12", c6="-2e-15")

CARS = [
    dict(name="FourGearsAreaTextFractionalStart", gears=4, ratios=["3.6", "2.15", "1.45", "1.05", "", ""],
         area=("text", "2,05"), separator=",",
         fields=dict(SALOON, vi="1.3", vf="30.3", slope="1.5", rolling="0.014", width="205", aspect="55", rim="16")),
    dict(name="FiveGearsTieChangesUp", gears=5, ratios=["3.3", "1.9", "1.9", "1.3", "1.0", ""],
         area=("number", "2.1"), separator=".", fields=dict(SALOON, vf="40", slope="-17.5", c5="", c6="")),
    dict(name="SixGearsUphill", gears=6, ratios=["4.1", "2.6", "1.8", "1.35", "1.1", "0.9"],
         area=("number", "1.45 * 0.8 * 1.75"), separator=".", fields=dict(SALOON, vi="3", vf="42", slope="3", mass="1480")),
    dict(name="ThreeSpeedBoxEmptyFourth", gears=4, ratios=["2.8", "1.5", "1.0", "", "", ""],
         area=("number", "2.0"), separator=",", fields=dict(SALOON, vf="25", c3="", c4="", c5="", c6="")),
    # Close ratios and a torque falling with engine speed: second and third
    # overtake the gear below them one step after the other.
    dict(name="CloseRatiosChangeUpStepAfterStep", gears=4, ratios=["3.5", "3.45", "3.4", "3.35", "", ""],
         area=("number", "2.0"), separator=",",
         fields=dict(SALOON, vf="12", c0="300", c1="-2", c2="", c3="", c4="", c5="", c6="")),
]


def row(car):
    f = car["fields"]
    text, steps, tables = run(car)
    quoted = lambda values: ", ".join('"%s"' % v for v in values)
    kind, area = car["area"]
    area = "QStringLiteral(\"%s\")" % area if kind == "text" else area
    locale = "test::DecimalComma()" if car["separator"] == "," else "test::DecimalPoint()"
    return "\n".join([
        '    RefCar{"%s", %d, %s, %s,' % (car["name"], car["gears"], area, locale),
        '           {.gearRatio = {%s}, .finalDrive = "%s", .initialSpeed = "%s", .finalSpeed = "%s",'
        % (quoted(car["ratios"]), f["i0"], f["vi"], f["vf"]),
        '            .massFactor = "%s", .mass = "%s", .tyreWidth = "%s", .efficiency = "%s", .dragCoefficient = "%s",'
        % (f["lambda"], f["mass"], f["width"], f["eta"], f["cx"]),
        '            .rollingCoefficient = "%s", .slopePercent = "%s", .tyreAspect = "%s", .rimDiameter = "%s",'
        % (f["rolling"], f["slope"], f["aspect"], f["rim"]),
        '            .torqueCoefficient = {%s}},' % quoted(f["c%d" % i] for i in range(7)),
        '           "%s",' % text,
        '           %d, 0x%016x},' % (steps, tables),
    ])


# Engine speeds at which moving the next-gear factor within the fifth or
# sixth power changes the last bit of the torque.
TORQUE_CHECKS = [(88.9, 5, 1.7), (61.7, 5, 1.7), (88.9, 6, 1.3)]

if __name__ == "__main__":
    print("\n".join(row(car) for car in CARS))
    for n, k, coefficient in TORQUE_CHECKS:
        print("next-gear torque, n = %r, c%d = %r: %r" % (n, k, coefficient, torque(n, [0.0] * k + [coefficient] + [0.0] * (6 - k), True)))
