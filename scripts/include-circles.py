#!/usr/bin/env python3
"""include-circles.py [DIR]: the circles among the #include lines of DIR
(default src), a file pair (X.h with X.cpp) counting as one. Prints each
circle and exits 1 when there is one: the house reads bottom-up."""
import os
import re
import sys

root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'src')
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
graph = {}
for folder, _, files in os.walk(root):
    for name in files:
        if not name.endswith(('.h', '.cpp')):
            continue
        path = os.path.join(folder, name)
        pair = os.path.relpath(os.path.splitext(path)[0], root)
        with open(path, encoding='utf-8') as text:
            targets = include.findall(text.read())
        graph.setdefault(pair, set()).update(
            os.path.splitext(t)[0] for t in targets
            if os.path.splitext(t)[0] != pair and os.path.exists(os.path.join(root, t)))

# Tarjan's strongly connected components, without recursion.
index, low, on_stack, stack, circles = {}, {}, set(), [], []
for start in sorted(graph):
    if start in index:
        continue
    work = [(start, iter(sorted(graph.get(start, ()))))]
    index[start] = low[start] = len(index)
    stack.append(start)
    on_stack.add(start)
    while work:
        node, edges = work[-1]
        step = next(edges, None)
        if step is not None:
            if step not in index:
                index[step] = low[step] = len(index)
                stack.append(step)
                on_stack.add(step)
                work.append((step, iter(sorted(graph.get(step, ())))))
            elif step in on_stack:
                low[node] = min(low[node], index[step])
            continue
        work.pop()
        if work:
            low[work[-1][0]] = min(low[work[-1][0]], low[node])
        if low[node] == index[node]:
            members = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                members.append(member)
                if member == node:
                    break
            if len(members) > 1:
                circles.append(sorted(members))

for members in circles:
    print('include circle: ' + ' '.join(members))
sys.exit(1 if circles else 0)
