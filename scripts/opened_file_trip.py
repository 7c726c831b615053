#!/usr/bin/env python3
"""An opened file's trip through the code: from loadBracketFile, every
function that takes the Bracket, in the order of its first call (read from
the sources: depth first, in source order, each function once, failure paths
included). Prints each stay (a run of calls in one file) and the count of
returns (a stay in a file the trip had left before): the fewer, the more each
concern is handled in one place.
Usage: scripts/opened_file_trip.py [ROOT] [FUNCTION]"""
import os, re, sys
root = sys.argv[1] if len(sys.argv) > 1 else '.'
start = sys.argv[2] if len(sys.argv) > 2 else 'loadBracketFile'
defs = {}   # name -> (file, body, takes_bracket)
rx = re.compile(r'^(?:static\s+)?(?:inline\s+)?[A-Za-z_][\w\s\*&:<>,]*?\b(\w+)\s*\(([^;{)]*(?:\([^)]*\)[^;{)]*)*)\)\s*(?:const\s*)?\n?\{', re.M)
for d in ('model', 'file', 'ui', 'app'):
    for base, _, files in os.walk(os.path.join(root, d)):
        for f in files:
            if not f.endswith('.cpp'):
                continue
            path = os.path.relpath(os.path.join(base, f), root)
            src = open(os.path.join(base, f), encoding='utf-8', errors='replace').read()
            src = re.sub(r'/\*.*?\*/', '', src, flags=re.S)
            src = re.sub(r'//[^\n]*', '', src)
            for m in rx.finditer(src):
                name, args = m.group(1), m.group(2)
                if name in ('if', 'for', 'while', 'switch', 'return'):
                    continue
                depth, i = 1, m.end()
                while depth and i < len(src):
                    depth += {'{': 1, '}': -1}.get(src[i], 0)
                    i += 1
                body = src[m.end():i]
                takes = re.search(r'\bBracket\s*\*', args) is not None
                if name not in defs or path.endswith(name):
                    defs.setdefault(name, (path, body, takes))
call = re.compile(r'\b(\w+)\s*\(')
order, seen = [], set()
def walk(name):
    if name in seen or name not in defs:
        return
    seen.add(name)
    path, body, takes = defs[name]
    if takes or name == start:
        order.append((name, path))
    for c in call.findall(body):
        walk(c)
walk(start)
stays, left, returns = [], set(), 0
for name, path in order:
    if stays and stays[-1][0] == path:
        stays[-1][1].append(name)
        continue
    if stays:
        left.add(stays[-1][0])
    if path in left:
        returns += 1
    stays.append((path, [name]))
for path, names in stays:
    print(f'{path}: {" ".join(names)}')
print(f'{len(order)} functions, {len(stays)} stays in {len({p for p, _ in stays})} files, {returns} returns')
