#!/usr/bin/python3
"""Times numpy.loadtxt on a tab-separated file with one header line, for
bench/sheet_read_bench.cpp. Prints the best of RUNS in seconds of wall
clock and of CPU time, then the shape read; importing numpy is not timed.
    /usr/bin/python3 bench/numpy_loadtxt.py FILE [RUNS]"""
import sys
import time

import numpy


def main():
    path = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    wall = cpu = float("inf")
    shape = (0, 0)
    for _ in range(runs):
        start, start_cpu = time.perf_counter(), time.process_time()
        table = numpy.loadtxt(path, delimiter="\t", skiprows=1, ndmin=2)
        wall = min(wall, time.perf_counter() - start)
        cpu = min(cpu, time.process_time() - start_cpu)
        shape = table.shape
    print("%.6f %.6f %d %d" % (wall, cpu, shape[0], shape[1]))


if __name__ == "__main__":
    main()
