#!/usr/bin/env python3
"""Writes the example data files: damped.tsv (two damped oscillations over
time with an error column and some missing cells) and grid.tsv (x, y, value
on a regular 41 x 41 grid, for the contour and surface programs).
The output is deterministic: python3 examples/make_examples.py [DIR]."""
import math
import os
import sys


def damped(path):
    with open(path, "w", newline="\n") as f:
        f.write("time\tx1\tx2\terror\n")
        for i in range(2400):
            t = i * 0.01
            x1 = math.exp(-0.15 * t) * math.cos(math.pi * t)
            x2 = 0.8 * math.exp(-0.3 * t) * math.sin(1.6 * math.pi * t + 0.3)
            err = 0.02 + 0.01 * abs(math.sin(0.7 * t))
            fields = ["%.2f" % t, "%.6f" % x1, "%.6f" % x2, "%.4f" % err]
            if i % 37 == 5:
                fields[2] = ""  # a missing reading
            if i % 53 == 11:
                fields[3] = "n/a"  # a cell that is not a number
            if i % 401 == 200:
                fields = fields[:2]  # a short row: x2 and error missing
            f.write("\t".join(fields) + "\n")


def grid(path):
    with open(path, "w", newline="\n") as f:
        f.write("x\ty\tvalue\n")
        for i in range(41):
            x = (i - 20) / 10
            for j in range(41):
                y = (j - 20) / 10
                v = math.exp(-(x * x + y * y)) * math.cos(2 * x) \
                    - 0.6 * math.exp(-2 * ((x - 1) ** 2 + (y + 1) ** 2))
                f.write("%.1f\t%.1f\t%.6f\n" % (x, y, v + 0.0))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    damped(os.path.join(out, "damped.tsv"))
    grid(os.path.join(out, "grid.tsv"))


if __name__ == "__main__":
    main()
