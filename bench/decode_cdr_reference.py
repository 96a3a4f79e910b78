#!/usr/bin/env python3
"""A straightforward Python take on decode-cdr's work, for comparison.

Reads the fixture that decode_cdr_bench leaves (blocks.bin and the two old
lists) into memory, then times only the decoding of the records and the
rebuilding of the two lists with their remarks carried over: no file I/O.

    python3 bench/decode_cdr_reference.py [FOLDER] [RUNS]
"""
import sys
import time

SLOTS = 63000


def clock(seconds):
    return f"{seconds // 3600}:{seconds % 3600 // 60}:{seconds % 60}"


def decode(r):
    digits = ""
    for i in range(13):
        pos = i + 1
        byte = r[18 + pos // 2]
        nibble = byte >> 4 if pos % 2 == 0 else byte & 0x0F
        if nibble > 9:
            break
        digits += chr(48 + nibble)
    if not digits:
        return None
    group = ((r[16] << 16) | (r[17] << 8) | r[18]) >> 4
    if 0x20 <= r[0] <= 0x7E:
        name = r[:16].split(b"\0", 1)[0].decode("latin-1")
    else:
        name = "NoName"
    kind = (r[29] >> 4) & 7
    year = r[25] >> 1
    if year > 49:
        date = ""
    else:
        month = ((r[25] & 1) << 3) | (r[26] >> 5)
        day = r[26] & 0x1F
        t = ((r[27] << 16) | (r[28] << 8) | r[29]) >> 7
        date = f"20{year}/{month}/{day} {clock(t)}"
    duration = (r[30] << 8) | r[31]
    return (f"Group[{'NoId' if group > 1000000 else group}],\tName[{name}],\t"
            f"Number[{digits}],\tType[{kind if kind < 4 else 'F'}],\tDate[{date}],\t"
            f"Duration[{'' if duration > 64800 else clock(duration)}],\tRemark[]")


def field(line, key):
    at = line.find(key, 0, 200 + len(key))
    if at < 0:
        return ""
    rest = line[at + len(key):]
    for i, c in enumerate(rest[:126]):
        if c in ";]":
            return rest[:i]
    return rest[:126]


def carry(fresh, old):
    first = {}
    for i, line in enumerate(fresh):
        first.setdefault(field(line, "Number["), i)
    for line in old:
        if not field(line, "Remark["):
            continue
        number = field(line, "Number[")
        if number and number in first:
            fresh[first[number]] = line


def work(table, old_out, old_in):
    dump = [line for line in (decode(table[s * 32:s * 32 + 32]) for s in range(SLOTS)) if line]
    out, inc = [], []
    for line in dump:
        if "Type[0]" in line or "Type[1]" in line:
            out.append(line)
        elif "Type[2]" in line or "Type[3]" in line:
            inc.append(line)
    carry(out, old_out)
    carry(inc, old_in)
    return dump, out, inc


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "/tmp/mervadin-bench-decode"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    table = open(f"{folder}/blocks.bin", "rb").read()
    old_out = open(f"{folder}/CallOutList.txt", "rb").read().decode("latin-1").split("\r\n")[:-1]
    old_in = open(f"{folder}/CallInList.txt", "rb").read().decode("latin-1").split("\r\n")[:-1]
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        work(table, old_out, old_in)
        times.append((time.perf_counter() - start) * 1000)
    times.sort()
    print(f"Python decoding and rebuilding, {runs} runs: best {times[0]:.1f} ms, "
          f"median {times[len(times) // 2]:.1f} ms")


if __name__ == "__main__":
    main()
