#!/usr/bin/env python3
"""Checks that the core's folders form floors that are only ever included
downwards: no two folders of src/ include each other, and state/ (the ground)
includes none of the others. Prints every fault and exits 1 if there is one.

Usage: scripts/layers.py [--why] [SRC_DIR]
  --why  also lists, for each fault, the includes that make it.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/[^"]+"', re.M)
GROUND = "state"


def edges(src):
    """(from folder, to folder) -> list of 'file -> header' that make the edge."""
    found = {}
    folders = {d for d in os.listdir(src) if os.path.isdir(os.path.join(src, d))}
    for folder in sorted(folders):
        for root, _, files in os.walk(os.path.join(src, folder)):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(root, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    text = f.read()
                for m in INCLUDE.finditer(text):
                    target = m.group(1)
                    if target == folder or target not in folders:
                        continue
                    rel = os.path.relpath(path, src)
                    header = text[m.start():m.end()].split('"')[1]
                    found.setdefault((folder, target), []).append(f"{rel} -> {header}")
    return found


def rings(found):
    """The folders that reach each other, one sorted list per group (Tarjan)."""
    out = {}
    for a, b in found:
        out.setdefault(a, set()).add(b)
        out.setdefault(b, set())
    index, low, stack, on, groups = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on.add(v)
        for w in sorted(out[v]):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for v in sorted(out):
        if v not in index:
            visit(v)
    return groups


def main(argv):
    why = "--why" in argv
    args = [a for a in argv if a != "--why"]
    src = args[0] if args else os.path.join(os.path.dirname(__file__), "..", "src")
    found = edges(src)
    faults = []
    for (a, b), where in sorted(found.items()):
        if a < b and (b, a) in found:
            faults.append((f"{a} and {b} include each other", where + found[(b, a)]))
    # A longer ring (a -> b -> c -> a) is as much a knot as a pair.
    for ring in rings(found):
        if len(ring) > 2:
            faults.append((" -> ".join(ring + [ring[0]]) + " is a ring of includes", []))
    for (a, b), where in sorted(found.items()):
        if a == GROUND:
            faults.append((f"{GROUND} includes {b}", where))
    for text, where in faults:
        print(text)
        if why:
            for w in where:
                print(f"    {w}")
    if faults:
        print(f"{len(faults)} layering fault(s)")
        return 1
    print("layers: no folder includes a folder above it")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
