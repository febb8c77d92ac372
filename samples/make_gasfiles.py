#!/usr/bin/env python3
"""Writes the sample data bank (Gasfiles/) and the example calculation
(../examples/basic/) from published analytic benchmark model gases.

Every number is computed here from the model's formula; run it again after a
change and commit what it writes. Card images are 72 columns: data in 1-70,
card code in 71-72; every line ends with CR LF.
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
BANK = os.path.join(HERE, "Gasfiles")
EXAMPLE = os.path.join(HERE, "..", "examples", "basic")

END_CARD = " " * 70 + "-1"
BLANK_CARD = " " * 72


def card(data, code="  "):
    assert len(data) <= 70, data
    return data.ljust(70) + code


def field(x):
    """A number in 10 columns, always with a decimal point, as many digits as fit."""
    if x == 0:
        return "       0.0"
    if 1e-3 <= abs(x) < 1e6:
        for decimals in range(7, 0, -1):
            text = f"{x:.{decimals}f}"
            if len(text) <= 9:
                return text.rjust(10)
    return f"{x:10.3E}"


def block(text, reference, points, date="01/01/26", factor="1.000"):
    """A process block: header, reference, energy/sigma card pairs, blank card."""
    lines = [card(text.ljust(54)[:54] + factor.rjust(5) + "  0" + date, " 1"), card(reference)]
    energies = [e for e, _ in points]
    assert all(b > a for a, b in zip(energies, energies[1:])), text
    for k in range(0, len(points), 7):
        chunk = points[k:k + 7]
        lines.append(card("".join(field(e) for e, _ in chunk)))
        lines.append(card("".join(field(s) for _, s in chunk)))
    lines.append(BLANK_CARD)
    return lines


def species_card(name, amount, energy, mass):
    assert len(name) <= 8
    return card(name.ljust(8) + f"{amount:10.3E}" + field(energy) + field(mass), " 1")


def inverse_sqrt_points(scale, top=1000.0):
    """scale / sqrt(u): fine steps of 0.01 eV up to 30 eV (every grid point of a
    0.01 eV grid is a table point), then 1 eV steps; at 0 eV the value of 0.0025 eV."""
    points = [(0.0, scale / math.sqrt(0.0025))]
    points += [(k / 100.0, scale / math.sqrt(k / 100.0)) for k in range(1, 3001)]
    points += [(float(u), scale / math.sqrt(u)) for u in range(31, int(top) + 1)]
    return points


def constant_points(value, top=1000.0):
    return [(0.0, value), (top, value)]


def ramp_points(threshold, slope, top=1000.0):
    """slope * (u - threshold) above the threshold; zero at the threshold."""
    us = [threshold, threshold + 1.0, 10.0, 100.0, top]
    return [(u, slope * (u - threshold)) for u in sorted(set(us)) if u >= threshold]


def triangle_points(threshold, peak_energy, peak, zero_energy):
    return [(threshold, 0.0), (peak_energy, peak), (zero_energy, 0.0)]


def momentum(name):
    return f"{name} + E ^ {name} + E"


GASES = []


def gas(base, display, reactions, species, blocks):
    GASES.append((base, display, reactions, species, blocks))


# Maxwell model: constant collision frequency, sigma_m = 5 u^-1/2 (1e-16 cm2), mass 4;
# a zero-threshold process of 1e-6 of it keeps the gains from being all zero.
gas("maxwell", "Maxwell model (constant collision frequency)",
    ["MX + E ^ MX* + E"],
    [("MX", 1.0, 0.0, 4.0), ("MX*", 0.0, 0.0, 4.0)],
    [block(momentum("MX"), "Maxwell model, momentum transfer 5 u^-1/2", inverse_sqrt_points(5.0)),
     block("MX + E ^ MX* + E", "Maxwell model, zero-threshold 5e-6 u^-1/2",
           inverse_sqrt_points(5.0e-6))])

# Ramp model: sigma_m = 6, excitation 10 (u - 0.2) above 0.2 eV, mass 4.
gas("xramp", "Ramp model",
    ["XR + E ^ XR* + E"],
    [("XR", 1.0, 0.0, 4.0), ("XR*", 0.0, 0.2, 4.0)],
    [block(momentum("XR"), "Ramp model, momentum transfer 6", constant_points(6.0)),
     block("XR + E ^ XR* + E", "Ramp model, excitation 10 (u - 0.2)", ramp_points(0.2, 10.0))])

# Ramp model with attachment 0.1 u^-1/2: rate cv * 1e-17 cm3/s at any field.
gas("xrampat", "Ramp model with attachment",
    ["XA + E ^ XA* + E", "XA + E ^ XA-"],
    [("XA", 1.0, 0.0, 4.0), ("XA*", 0.0, 0.2, 4.0), ("XA-", 0.0, 0.0, 4.0)],
    [block(momentum("XA"), "Ramp model, momentum transfer 6", constant_points(6.0)),
     block("XA + E ^ XA* + E", "Ramp model, excitation 10 (u - 0.2)", ramp_points(0.2, 10.0)),
     block("XA + E ^ XA-", "Ramp model, attachment 0.1 u^-1/2", inverse_sqrt_points(0.1))])

# Ramp model whose upper state is populated (1 %): superelastic collisions.
gas("xrampup", "Ramp model with populated upper state",
    ["XU + E ^ XU* + E"],
    [("XU", 0.99, 0.0, 4.0), ("XU*", 0.01, 0.2, 4.0)],
    [block(momentum("XU"), "Ramp model, momentum transfer 6", constant_points(6.0)),
     block(momentum("XU*"), "Ramp model, upper state momentum transfer 6", constant_points(6.0)),
     block("XU + E ^ XU* + E", "Ramp model, excitation 10 (u - 0.2)", ramp_points(0.2, 10.0))])

# Lucas-Saelee model: mass 25, sigma_m = 4 u^-1/2, excitation and ionisation each
# 0.05 (u - 15.6) above 15.6 eV.
gas("lucas", "Lucas-Saelee model",
    ["LS + E ^ LS* + E", "LS + E ^ LS+ + E + E"],
    [("LS", 1.0, 0.0, 25.0), ("LS*", 0.0, 15.6, 25.0), ("LS+", 0.0, 15.6, 25.0)],
    [block(momentum("LS"), "Lucas-Saelee model, momentum transfer 4 u^-1/2",
           inverse_sqrt_points(4.0)),
     block("LS + E ^ LS* + E", "Lucas-Saelee model, excitation 0.05 (u - 15.6)",
           ramp_points(15.6, 0.05)),
     block("LS + E ^ LS+ + E + E", "Lucas-Saelee model, ionisation 0.05 (u - 15.6)",
           ramp_points(15.6, 0.05))])

# A model diatomic gas: rotation in the continuous approximation (RMG: rotational
# constant 2.5e-4 eV, factor 4), two vibrational levels, one electronic state and
# ionisation. Invented shapes, for exercising every branch of the kinetics.
gas("molgas", "Model diatomic gas with rotation",
    ["MG + E ^ MGv1 + E", "MG + E ^ MGv2 + E", "MG + E ^ MG* + E", "MG + E ^ MG+ + E + E"],
    [("MG", 1.0, 0.0, 28.0), ("RMG", 0.0, 2.5e-4, 4.0), ("MGv1", 0.0, 0.29, 28.0),
     ("MGv2", 0.0, 0.58, 28.0), ("MG*", 0.0, 6.2, 28.0), ("MG+", 0.0, 15.6, 28.0)],
    [block(momentum("MG"), "Model diatomic gas, momentum transfer",
           [(0.0, 2.0), (1.0, 6.0), (2.0, 12.0), (4.0, 10.0), (10.0, 8.0), (100.0, 4.0),
            (1000.0, 1.0)]),
     block(momentum("RMG"), "Model diatomic gas, rotational excitation scale", constant_points(1.0)),
     block("MG + E ^ MGv1 + E", "Model diatomic gas, first vibrational level",
           triangle_points(0.29, 2.0, 3.0, 4.0) + [(1000.0, 0.0)]),
     block("MG + E ^ MGv2 + E", "Model diatomic gas, second vibrational level",
           triangle_points(0.58, 2.2, 1.5, 4.0) + [(1000.0, 0.0)]),
     block("MG + E ^ MG* + E", "Model diatomic gas, electronic excitation",
           [(6.2, 0.0), (10.0, 0.5), (20.0, 1.0), (100.0, 0.6), (1000.0, 0.1)]),
     block("MG + E ^ MG+ + E + E", "Model diatomic gas, ionisation",
           [(15.6, 0.0), (20.0, 0.3), (50.0, 2.0), (100.0, 2.5), (1000.0, 1.0)])])


def write_lines(path, lines):
    with open(path, "w", newline="") as out:
        for line in lines:
            assert len(line) <= 126, (path, line)
            out.write(line + "\r\n")


def reaction_line(text):
    return card(text[:53], "+1")


def main():
    os.makedirs(BANK, exist_ok=True)
    write_lines(os.path.join(BANK, "Gasnames.cnf"), [f"{g[0]} {g[1]}" for g in GASES])
    for base, _, reactions, species, blocks in GASES:
        rc = [END_CARD] + [reaction_line(r) for r in reactions] + [END_CARD]
        rc += [species_card(*s) for s in species] + [END_CARD]
        write_lines(os.path.join(BANK, base + ".rc"), rc)
        write_lines(os.path.join(BANK, base + ".crs"), [line for b in blocks for line in b] + [END_CARD])
    write_example()


def parameter_lines(field_mode, en, er, pressure, temperature, electrons, start_te, accuracy,
                    intervals, max_iterations, graph_name, listing_name, output_mode):
    def real(x):
        text = f"{x:#.6g}"
        return text

    lines = ["ZOLBEX PARAMETER FILE", str(field_mode), real(1000.0), real(0.0)]
    lines += [real(x) for x in (en + [0.0] * 21)[:21]]
    lines += [real(10.0)] + [real(0.0)] * 20
    lines += [real(pressure), real(temperature), real(electrons)]
    lines += [real(x) for x in (er + [0.0] * 21)[:21]]
    lines += [real(start_te), real(accuracy), str(intervals), "0", "0.001", str(max_iterations),
              graph_name, listing_name, str(output_mode)]
    assert len(lines) == 79
    return lines


def write_example():
    """The Lucas-Saelee gas at five E/N values, 2000 intervals."""
    os.makedirs(EXAMPLE, exist_ok=True)
    _, _, reactions, species, blocks = next(g for g in GASES if g[0] == "lucas")
    react = [END_CARD] + [reaction_line(r) for r in reactions] + [END_CARD]
    react += [species_card(*s) for s in species] + [END_CARD]
    write_lines(os.path.join(EXAMPLE, "React.tmp"), react)
    write_lines(os.path.join(EXAMPLE, "Cross.tmp"), [line for b in blocks for line in b] + [END_CARD])
    write_lines(os.path.join(EXAMPLE, "Param.tmp"),
                parameter_lines(0, [50.0, 100.0, 150.0, 200.0, 300.0],
                                [60.0, 100.0, 140.0, 180.0, 240.0], 760.0, 273.0, 0.0, 10000.0,
                                0.001, 2000, 500, "Example.gdt", "Example.lst", 1))


if __name__ == "__main__":
    main()
