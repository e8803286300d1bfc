#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when an include runs against the layers of src/.

Layers, lowest first: core/ (no widgets), platform/ (operating-system services, no widgets),
ui/ (windows), and main.cpp (the executable, which wires). A file may include headers of its
own layer or a lower one. Inside core/ and ui/ each subfolder is an area; areas must not
include each other in a circle. core/ and platform/ must not include a Qt Widgets header.
Usage: check-layers.py [src folder] [--graph]; --graph also prints which area includes which.
"""
import glob
import os
import re
import sys

RANK = {"core": 0, "platform": 1, "ui": 2, "app": 3}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def area_of(path):
    parts = path.split("/")
    if parts[0] in ("core", "ui") and len(parts) > 2:
        return parts[0] + "/" + parts[1]
    if parts[0] == "platform":
        return "platform"
    return "app"


def widget_headers():
    names = set()
    for folder in glob.glob("/usr/include/*/qt6/QtWidgets") + glob.glob("/usr/include/qt6/QtWidgets"):
        names.update(name for name in os.listdir(folder) if name.startswith("Q") and "." not in name)
    return names


def strongly_connected(graph):
    """Tarjan's algorithm; returns the components with more than one area."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in graph.get(node, ()):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            component = []
            while True:
                top = stack.pop()
                on_stack.discard(top)
                component.append(top)
                if top == node:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    for node in sorted(graph):
        if node not in index:
            visit(node)
    return found


def main():
    folders = [arg for arg in sys.argv[1:] if not arg.startswith("--")]
    src = folders[0] if folders else os.path.join(os.path.dirname(__file__), "..", "src")
    os.chdir(src)
    files = sorted(
        os.path.relpath(os.path.join(folder, name))
        for folder, _, names in os.walk(".")
        for name in names
        if name.endswith((".h", ".cpp"))
    )
    widgets = widget_headers()
    errors = []
    graph = {}
    for path in files:
        area = area_of(path)
        layer = area.split("/")[0]
        with open(path, encoding="utf-8") as source:
            text = source.read()
        for kind, header in INCLUDE.findall(text):
            if kind == "<":
                base = header.split("/")[-1]
                if layer in ("core", "platform") and (header.startswith("QtWidgets/") or base in widgets):
                    errors.append(f"{path}: {layer} includes the widget header <{header}>")
                continue
            if not os.path.exists(header):
                continue
            target = area_of(header)
            if RANK[target.split("/")[0]] > RANK[layer]:
                errors.append(f"{path}: {layer} includes {header} of the higher layer {target}")
            if target != area:
                graph.setdefault(area, set()).add(target)
    for component in strongly_connected(graph):
        errors.append("areas include each other in a circle: " + " -> ".join(component))
    for error in errors:
        print(error)
    if errors:
        return 1
    areas = {area_of(path) for path in files}
    print(f"layers: {len(files)} files in {len(areas)} areas, includes run one way")
    if "--graph" in sys.argv:
        for area in sorted(graph):
            print(f"  {area} -> {', '.join(sorted(graph[area]))}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
