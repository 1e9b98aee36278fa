#!/usr/bin/env python3
"""Checks the shape of the product's sources and prints what it measured.

    scripts/include-check.py [--quiet]

A file is included by its name alone, whichever folder holds it, so a component is a name: X.h
with X.cpp (and any other X.*). Fails when components include each other in a circle, when more
than four product files besides Merlo.cpp include Merlo.h, or when a product .cpp is over 500
lines, or when a test waits with a QTRY_ macro (which cannot fail a GoogleTest test); says how
many files of solver/ include a header of app/.
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PRODUCT = ["app", "solver", "notation", "shortsolve", "CUBE", "automation", "tools", "translations"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def sources():
    found = {}
    for top in PRODUCT:
        for folder, _, names in os.walk(os.path.join(ROOT, top)):
            for name in names:
                if name.endswith((".h", ".cpp", ".h.in")):
                    found.setdefault(os.path.basename(name), []).append(os.path.join(folder, name))
    return found


def component(path):
    name = os.path.basename(path)
    return name.split(".")[0] if name != "main.cpp" else os.path.relpath(path, ROOT)


def cycles(graph):
    """Tarjan's strongly connected components of more than one node."""
    index, low, stack, on, out = {}, {}, [], set(), []
    counter = [0]

    def visit(v):
        index[v] = low[v] = counter[0]
        counter[0] += 1
        stack.append(v)
        on.add(v)
        for w in graph.get(v, ()):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            scc = []
            while True:
                w = stack.pop()
                on.discard(w)
                scc.append(w)
                if w == v:
                    break
            if len(scc) > 1:
                out.append(sorted(scc))

    sys.setrecursionlimit(10000)
    for v in list(graph):
        if v not in index:
            visit(v)
    return out


def main():
    quiet = "--quiet" in sys.argv
    files = sources()
    graph, merlo, solver_app, long_files = {}, [], [], []
    for paths in files.values():
        for path in paths:
            text = open(path, encoding="utf-8").read()
            rel = os.path.relpath(path, ROOT)
            for inc in INCLUDE.findall(text):
                name = os.path.basename(inc)
                if name not in files:
                    continue  # a generated header or one of a library's
                graph.setdefault(component(path), set()).add(component(files[name][0]))
                if name == "Merlo.h" and os.path.basename(path) not in ("Merlo.cpp", "Merlo.h"):
                    merlo.append(rel)
                if rel.startswith("solver/") and any(p.startswith(os.path.join(ROOT, "app")) for p in files[name]):
                    solver_app.append(f"{rel} -> {inc}")
            if path.endswith(".cpp"):
                lines = text.count("\n")
                if lines > 500:
                    long_files.append(f"{rel} ({lines} lines)")
    for v, ws in graph.items():
        ws.discard(v)
    circles = cycles(graph)
    failed = False
    if not quiet:
        print(f"files including Merlo.h besides Merlo.cpp: {len(merlo)}" + (": " + ", ".join(sorted(merlo)) if merlo else ""))
        print(f"components: {len(graph)}, include circles: {len(circles)}")
        print(f"solver/ files including app/ headers: {len(solver_app)}")
        print(f"product .cpp files over 500 lines: {len(long_files)}")
    for c in circles:
        print("include circle: " + " -> ".join(c), file=sys.stderr)
        failed = True
    if len(merlo) > 4:
        print("more than four files include Merlo.h: " + ", ".join(sorted(merlo)), file=sys.stderr)
        failed = True
    for f in long_files:
        print("over 500 lines: " + f, file=sys.stderr)
        failed = True
    # Qt's QTRY_ macros return from the test function on a timeout without failing a GoogleTest
    # test: a wait that never ends would pass. The tests wait with ASSERT_TRUE(QTest::qWaitFor(...)).
    for dirpath, _, names in os.walk(os.path.join(ROOT, "tests")):
        for n in names:
            path = os.path.join(dirpath, n)
            if n.endswith((".cpp", ".h")) and "QTRY_" in open(path, encoding="utf-8").read():
                print("QTRY_ cannot fail a GoogleTest test: " + os.path.relpath(path, ROOT), file=sys.stderr)
                failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
