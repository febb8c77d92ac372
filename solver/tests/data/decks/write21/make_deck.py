#!/usr/bin/env python3
"""Writes Param.tmp, React.tmp and Cross.tmp of a 21-case run next to this script.

A diatomic-like model gas "BG": momentum transfer, 15 excitation levels between
0.2 and 20 eV, one ionisation and one attachment process (17 processes), 2000
grid intervals, 21 E/N values from 10 Td up by a factor 1.25, brief listing.
The run writes about 0.6 MB of graph data; it measures the output path.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
EXCITATIONS = 15


def field(x):
    return "%10.4E" % x


def card(text, code):
    return text.ljust(70)[:70] + code


END = card("", "-1")


def block(text, energies, sigmas):
    lines = [text.ljust(54) + "1.000  0bench   " + " 1", "synthetic benchmark data".ljust(72)]
    for c in range(0, len(energies), 7):
        lines.append("".join(field(e) for e in energies[c:c + 7]))
        lines.append("".join(field(s) for s in sigmas[c:c + 7]))
    lines.append(" " * 72)
    return lines


def main():
    reactions, species = [], [("BG", 1.0, 0.0)]
    tape = block("BG + E ^ BG + E", [0.0, 1.0, 2.0, 5.0, 10.0, 100.0, 1000.0],
                 [5.0, 8.0, 12.0, 10.0, 8.0, 4.0, 1.0])
    for k in range(1, EXCITATIONS + 1):
        threshold = 0.2 + (k - 1) * 19.8 / (EXCITATIONS - 1)
        name = "BG%d" % k
        text = "BG + E ^ %s + E" % name
        reactions.append(text)
        species.append((name, 0.0, threshold))
        peak = 1.0 / (1.0 + 0.05 * k)
        tape += block(text, [threshold, threshold + 0.5, threshold + 1.0, threshold + 3.0,
                             threshold + 10.0, threshold + 50.0, 1000.0],
                      [0.0, 0.5 * peak, peak, 0.8 * peak, 0.5 * peak, 0.2 * peak, 0.01 * peak])
    reactions.append("BG + E ^ BG+ + E + E")
    species.append(("BG+", 0.0, 15.6))
    tape += block("BG + E ^ BG+ + E + E", [15.6, 20.0, 50.0, 100.0, 1000.0],
                  [0.0, 0.3, 2.0, 2.5, 1.0])
    reactions.append("BG + E ^ BG-")
    species.append(("BG-", 0.0, 0.0))
    tape += block("BG + E ^ BG-", [0.0, 2.0, 4.0, 6.0, 1000.0], [0.0, 0.0, 0.01, 0.0, 0.0])
    tape.append(END)

    deck = [END] + [card(r, "+1") for r in reactions] + [END]
    deck += [card(n.ljust(8) + field(a) + field(e) + field(28.0), " 1") for n, a, e in species]
    deck.append(END)

    td = [10.0 * 1.25 ** k for k in range(21)]
    ranges = [min(900.0, 15.0 + 0.15 * t) for t in td]
    values = ["0", "0.00000", "0.00000"] + ["%.5f" % t for t in td] + ["0.00000"] * 21
    values += ["1.00000", "300.000", "0.00000"] + ["%.5f" % r for r in ranges]
    values += ["10000.0", "0.00100000", "2000", "0", "0.001", "900"]
    param = ["ZOLBEX PARAMETER FILE"] + values + ["Write21.gdt", "Write21.lst", "0"]

    for name, lines in (("Param.tmp", param), ("React.tmp", deck), ("Cross.tmp", tape)):
        with open(os.path.join(HERE, name), "w", newline="") as out:
            out.write("".join(line + "\r\n" for line in lines))


if __name__ == "__main__":
    main()
