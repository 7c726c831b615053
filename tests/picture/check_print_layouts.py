#!/usr/bin/env python3
"""Reads the print layouts back from the PostScript the printer wrote:
how many pages each layout took, and on every page its text runs (the
glyphs shown after each moveto, named as PostScript names them), the
sizes of its fonts, the rectangle its picture is clipped to and its cut
marks (its thinnest lines), which tell how far poster tiles overlap.

  check_print_layouts.py <folder>   the files run_print_layouts.sh printed
"""
import math
import re
import sys

from check_picture import fail, run_checks

GLYPHS = {'space': ' ', 'comma': ',', 'period': '.', 'hyphen': '-', 'colon': ':', 'slash': '/',
          'parenleft': '(', 'parenright': ')'}
for digit, name in enumerate('zero one two three four five six seven eight nine'.split()):
    GLYPHS[name] = str(digit)



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
        # The picture's part: x, y, width, height in device units.
        clip = re.search(r'(-?\d+) (-?\d+) (\d+) (\d+) rectclip', text)
        self.clip = tuple(map(int, clip.groups())) if clip else None
        segments, width = [], None
        for match in re.finditer(r'(\d+) setlinewidth|(-?\d+) (-?\d+) moveto\n(-?\d+) (-?\d+) lineto\nstroke', text):
            if match.group(1):
                width = int(match.group(1))
            else:
                segments.append((width, tuple(map(int, match.group(2, 3, 4, 5)))))
        thinnest = min((w for w, _ in segments), default=None)
        marks = [line for w, line in segments if w == thinnest]
        # Where the cut marks run: the kept part's left and right (marks
        # along a vertical edge), top and bottom (along a horizontal one).
        self.kept_x = sorted({x1 for x1, y1, x2, y2 in marks if x1 == x2})
        self.kept_y = sorted({y1 for x1, y1, x2, y2 in marks if y1 == y2})
        tile = [run for run in self.runs if re.fullmatch(r'Row \d+, column \d+', run)]
        self.tile = tuple(map(int, re.findall(r'\d+', tile[0]))) if tile else None


def read_pages(path):
    text = open(path, 'rb').read().decode('latin-1')
    scale = re.search(r'72 (\d+) div 72 \d+ div scale', text)
    resolution = int(scale.group(1)) if scale else 300
    return [Page(part, resolution) for part in text.split('\n%%Page:')[1:]], resolution


def check_layout(path, title, count_check, poster, first=1):
    """The pages of path, the first of them numbered first in the whole
    layout: a range of a longer layout says how long that layout is."""
    pages, resolution = read_pages(path)
    label = path.split('/out/')[-1]
    if not count_check(len(pages)):
        fail('%s: %d pages' % (label, len(pages)))
    total = len(pages)
    if first > 1 and pages:
        counts = [int(m.group(1)) for run in pages[0].runs for m in [re.fullmatch(r'Page %d of (\d+)' % first, run)] if m]
        total = counts[0] if counts else 0
        if total < first + len(pages) - 1:
            fail('%s: pages %d on of a layout of %d' % (label, first, total))
    for number, page in enumerate(pages, first):
        if title not in page.runs:
            fail('%s page %d: no title %r among its texts' % (label, number, title))
        wanted = 'Page %d of %d' % (number, total)
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
    if poster:
        check_overlaps(label, pages, resolution)
    return len(pages)


def check_overlaps(label, pages, resolution):
    """Neighbouring tiles print the same stretch of the picture at least
    10 mm wide: the cut line both mark is the same picture line, so where
    the next tile's part begins is known on this one."""
    least = 10 * resolution / 25.4 - 2
    tiles = {page.tile: page for page in pages if page.tile}
    for (row, column), page in sorted(tiles.items()):
        if len(page.kept_x) != 2 or len(page.kept_y) != 2 or not page.clip:
            fail('%s row %d column %d: cut marks at x %s, y %s' % (label, row, column, page.kept_x, page.kept_y))
            continue
        x, y, width, height = page.clip
        below = tiles.get((row + 1, column))
        if below and below.clip and len(below.kept_y) == 2:
            shift = page.kept_y[1] - below.kept_y[0]
            overlap = y + height - (below.clip[1] + shift)
            if overlap < least:
                fail('%s rows %d and %d of column %d share %.1f mm' % (label, row, row + 1, column,
                                                                       overlap * 25.4 / resolution))
        right = tiles.get((1, column + 1))
        if row == 1 and right and right.clip and len(right.kept_x) == 2:
            shift = page.kept_x[1] - right.kept_x[0]
            overlap = x + width - (right.clip[0] + shift)
            if overlap < least:
                fail('%s columns %d and %d share %.1f mm' % (label, column, column + 1, overlap * 25.4 / resolution))


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
    poster = check_layout(folder + '/256-poster.ps', 'Wall chart 256', lambda n: n >= 3, True)
    check_layout(folder + '/poster/FILE:', 'Wall chart 256', lambda n: n == 2, True, first=2)
    print('pages: halves %d and %d, poster of 256 teams %d' % (halves16, halves256, poster))


if __name__ == '__main__':
    run_checks(lambda: main(sys.argv[1]), OSError, ValueError)
