#!/usr/bin/env python3
"""Reads the print layouts back from the PostScript the printer wrote:
how many pages each layout took, and on every page its text runs (the
glyphs shown after each moveto, named as PostScript names them) and the
sizes of its fonts.

  check_print_layouts.py <folder>   the files run_print_layouts.sh printed
"""
import math
import re
import sys

GLYPHS = {'space': ' ', 'comma': ',', 'period': '.', 'hyphen': '-', 'colon': ':', 'slash': '/',
          'parenleft': '(', 'parenright': ')'}
for digit, name in enumerate('zero one two three four five six seven eight nine'.split()):
    GLYPHS[name] = str(digit)

failures = []


def fail(message):
    failures.append(message)


class Page:
    def __init__(self, text, resolution):
        self.runs, run = [], []
        for line in text.split('\n'):
            shown = re.match(r'/(\S+) glyphshow', line)
            if shown:
                run.append(GLYPHS.get(shown.group(1), shown.group(1) if len(shown.group(1)) == 1 else '?'))
            elif line.endswith('moveto') and run:
                self.runs.append(''.join(run))
                run = []
        if run:
            self.runs.append(''.join(run))
        # A font's size is the length of its matrix's first column, in
        # device units.
        self.points = [math.hypot(int(a), int(b)) * 72 / resolution
                       for a, b in re.findall(r'\[(-?\d+) (-?\d+) -?\d+ -?\d+ 0 0\]\s*makefont', text)]


def read_pages(path):
    text = open(path, 'rb').read().decode('latin-1')
    scale = re.search(r'72 (\d+) div 72 \d+ div scale', text)
    resolution = int(scale.group(1)) if scale else 300
    return [Page(part, resolution) for part in text.split('\n%%Page:')[1:]], resolution


def check_layout(path, title, count_check, poster):
    pages, resolution = read_pages(path)
    label = path.split('/out/')[-1]
    if not count_check(len(pages)):
        fail('%s: %d pages' % (label, len(pages)))
    for number, page in enumerate(pages, 1):
        if title not in page.runs:
            fail('%s page %d: no title %r among its texts' % (label, number, title))
        wanted = 'Page %d of %d' % (number, len(pages))
        if wanted not in page.runs:
            fail('%s page %d: no %r (page numbers there: %s)'
                 % (label, number, wanted, [r for r in page.runs if r.startswith('Page')]))
        if not any(run.startswith('Printed ') for run in page.runs):
            fail('%s page %d: no date printed' % (label, number))
        if poster:
            if not any(re.fullmatch(r'Row \d+, column \d+', run) for run in page.runs):
                fail('%s page %d: no row and column in its margin' % (label, number))
            # A font's size is a whole number of the printer's pixels.
            smallest = min(page.points)
            if smallest < 9 - 72 / resolution:
                fail('%s page %d: text of %.2f pt' % (label, number, smallest))
    return len(pages)


def main(folder):
    even = lambda n: n >= 2 and n % 2 == 0
    check_layout(folder + '/16-one.ps', 'Wall chart 16', lambda n: n == 1, False)
    check_layout(folder + '/256-one.ps', 'Wall chart 256', lambda n: n == 1, False)
    halves16 = check_layout(folder + '/16-halves.ps', 'Wall chart 16', even, False)
    halves256 = check_layout(folder + '/256-halves.ps', 'Wall chart 256', even, False)
    if halves256 <= halves16:
        fail('256 teams in halves took %d pages, 16 teams %d' % (halves256, halves16))
    check_layout(folder + '/16-poster.ps', 'Wall chart 16', lambda n: n >= 1, True)
    # The first round's 128 names of a side, one above the other at 9 pt,
    # need 406 mm: more than two landscape A4 sheets are high.
    poster = check_layout(folder + '/poster/FILE:', 'Wall chart 256', lambda n: n >= 3, True)
    print('pages: halves %d and %d, poster of 256 teams %d' % (halves16, halves256, poster))


if __name__ == '__main__':
    try:
        main(sys.argv[1])
    except (OSError, ValueError) as error:
        fail(str(error))
    for message in failures[:40]:
        print('FAIL:', message)
    if failures:
        print('%d failures' % len(failures))
    sys.exit(1 if failures else 0)
