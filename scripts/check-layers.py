#!/usr/bin/env python3
"""Checks that the folders of src/core include each other only downwards.

The allowed order is the table under "## Layers" in docs/architecture.md: a file may include files
of its own folder and of folders in a lower layer. Every include that breaks the order is printed
with the two files it joins, and the check fails. A folder of src/core missing from the table fails
too, so a new folder gets its place in the order before it gets code.

Usage: scripts/check-layers.py [--cycles] [ROOT]   (ROOT: the repository, by default this script's
parent). --cycles prints instead the include cycles between modules of src/core (a header and its
source counted as one module), largest first.
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"(([^"/]+)/[^"]+)"')
ROW = re.compile(r"^\|\s*(\d+)\s*\|([^|]*)\|")


def read_layers(architecture):
    """Folder name -> layer number, from the table under the "## Layers" heading."""
    layers = {}
    in_section = False
    for line in architecture.read_text(encoding="utf-8").splitlines():
        if line.startswith("## "):
            in_section = line.strip() == "## Layers"
            continue
        row = ROW.match(line) if in_section else None
        if not row:
            continue
        for folder in re.findall(r"`([^`]+)`", row.group(2)):
            layers[folder] = int(row.group(1))
    return layers


def violations(core, layers):
    """(file, line number, included header) for every include against the order."""
    found = []
    for path in sorted(core.rglob("*")):
        if path.suffix not in (".h", ".cpp") or path.parent == core:
            continue
        folder = path.relative_to(core).parts[0]
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match or match.group(2) == folder:
                continue
            target = match.group(2)
            if target not in layers:
                continue  # a platform or library header, refused by the core's include path
            if folder in layers and layers[target] >= layers[folder]:
                found.append((path, number, match.group(1)))
    return found


def module_cycles(core):
    """The strongly connected groups of more than one module, largest first."""
    modules = {p.relative_to(core).with_suffix("").as_posix() for p in core.rglob("*.[hc]*")}
    edges = {m: set() for m in modules}
    for path in core.rglob("*"):
        if path.suffix not in (".h", ".cpp"):
            continue
        here = path.relative_to(core).with_suffix("").as_posix()
        for line in path.read_text(encoding="utf-8").splitlines():
            match = INCLUDE.match(line)
            target = match and pathlib.PurePosixPath(match.group(1)).with_suffix("").as_posix()
            if target in modules and target != here:
                edges[here].add(target)
    index, low, stack, on_stack, groups = {}, {}, [], set(), []

    def visit(node):  # Tarjan's algorithm
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in sorted(edges[node]):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    sys.setrecursionlimit(10000)
    for node in sorted(modules):
        if node not in index:
            visit(node)
    return sorted(groups, key=len, reverse=True)


def main():
    args = sys.argv[1:]
    cycles = "--cycles" in args
    args = [a for a in args if a != "--cycles"]
    root = pathlib.Path(args[0] if args else pathlib.Path(__file__).parent.parent)
    core = root / "src" / "core"
    if cycles:
        groups = module_cycles(core)
        for group in groups:
            print(f"{len(group)} modules: {' '.join(group)}")
        if not groups:
            print("no include cycle between modules of src/core")
        return 0
    layers = read_layers(root / "docs" / "architecture.md")
    if not layers:
        print("check-layers: no layer table under '## Layers' in docs/architecture.md")
        return 1
    failed = False
    for folder in sorted(p.name for p in core.iterdir() if p.is_dir()):
        if folder not in layers:
            print(f"check-layers: src/core/{folder} has no layer in docs/architecture.md")
            failed = True
    for path, number, header in violations(core, layers):
        folder = path.relative_to(core).parts[0]
        target = header.split("/")[0]
        print(
            f"check-layers: src/core/{path.relative_to(core)}:{number} (layer {layers[folder]}) "
            f"includes src/core/{header} (layer {layers[target]}): only lower layers may be included"
        )
        failed = True
    if failed:
        return 1
    print(f"check-layers: {len(layers)} folders of src/core include only downwards")
    return 0


if __name__ == "__main__":
    sys.exit(main())
