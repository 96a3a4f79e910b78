#!/usr/bin/env python3
"""Reads the cells the number import reads (rows 3-9002, columns B-D, up to
the first empty B) with openpyxl in read-only mode, for comparison with
number_import_bench. Needs Debian's python3-openpyxl.
    /usr/bin/python3 bench/openpyxl_import.py /tmp/mervadin-bench-9100.xlsx"""
import sys
import time

import openpyxl


def read(path):
    book = openpyxl.load_workbook(path, read_only=True)
    lines = []
    for row in book.active.iter_rows(min_row=3, max_row=9002, min_col=2, max_col=4,
                                     values_only=True):
        if row[0] is None:
            break
        lines.append("\t".join("" if v is None else str(v) for v in row))
    book.close()
    return lines


runs = 5
times = []
for _ in range(runs):
    start = time.perf_counter()
    count = len(read(sys.argv[1]))
    times.append((time.perf_counter() - start) * 1000)
print(f"{sys.argv[1]}: {count} lines; best {min(times):.1f} ms, "
      f"mean {sum(times) / runs:.1f} ms over {runs} reads (openpyxl {openpyxl.__version__})")
