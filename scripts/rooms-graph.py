#!/usr/bin/env python3
"""Reads CMake's --graphviz output and docs/rooms.txt; writes a plain dot graph of the rooms,
each library shown as its folder, sorted so the same build always draws the same picture.
Fails on a link between rooms that docs/rooms.txt does not allow."""
import re
import sys

cmake_dot, rooms_page = sys.argv[1], sys.argv[2]
allowed = {}
for line in open(rooms_page):
    line = line.split("#", 1)[0].strip()
    if line:
        room, _, below = line.partition(":")
        allowed[room.strip()] = set(below.split())

names = {}
edges = set()
text = open(cmake_dot).read()
for node, label in re.findall(r'"(node\d+)"\s*\[\s*label\s*=\s*"([^"]+)"', text):
    if label.startswith("spindella_") and label[len("spindella_"):] in allowed:
        names[node] = label[len("spindella_"):]
for source, target in re.findall(r'"(node\d+)"\s*->\s*"(node\d+)"', text):
    if source in names and target in names:
        edges.add((names[source], names[target]))

faults = [f"{a} links {b}, which docs/rooms.txt does not allow it"
          for a, b in sorted(edges) if b not in allowed[a]]
if faults:
    print("\n".join(faults), file=sys.stderr)
    sys.exit(1)

print("digraph rooms {")
print('    graph [rankdir=BT, fontname="DejaVu Sans", nodesep=0.3, ranksep=0.45];')
print('    node [shape=box, style="rounded,filled", fillcolor="#f3f0e8", fontname="DejaVu Sans", fontsize=11];')
print('    edge [color="#7a7368", arrowsize=0.6];')
for room in sorted(set(names.values())):
    print(f'    "{room}" [label="{room}/"];')
for a, b in sorted(edges):
    print(f'    "{a}" -> "{b}";')
print("}")
