#!/usr/bin/env python3
"""Checks the bracket pictures the editor wrote, with a PNG decoder of its
own (zlib over the IDAT chunks) and a BMP reader, against where the boxes
and lines of a bracket must be.

  check_picture.py files <folder>   exported PNGs and the clipboard's copy
  check_picture.py order <page.png>...
                                    the printed order of play: portrait
                                    pages, more than one, each headed and
                                    footed and filled down the page but
                                    the last
  check_picture.py svg <folder>     exported SVGs: standalone XML with text as
                                    text and no script, rendered by
                                    rsvg-convert to ink where the PNG has it
  check_picture.py page <page.png> <picture.png> [landscape]
                                    a printed page (rasterised by
                                    ghostscript) against the exported PNG;
                                    landscape when the PostScript says so
"""
import os
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
import zlib

# Where things are, in pixels at natural size.
MARGIN, TITLE_BAND, HEADING_BAND = 24, 56, 30
BOX_W, BOX_H, GAP, PITCH = 150, 26, 36, 34
ROWS_TOP = MARGIN + TITLE_BAND + HEADING_BAND

failures = []


def fail(message):
    failures.append(message)


def run_checks(check, *errors):
    """Runs check(), counting an error of the kinds given as one failure,
    prints the failures and exits 1 when there were any."""
    try:
        check()
    except errors as error:
        fail(str(error))
    for message in failures[:40]:
        print('FAIL:', message)
    if failures:
        print('%d failures' % len(failures))
    sys.exit(1 if failures else 0)


class Image:
    def __init__(self, width, height, rows):
        self.width, self.height, self.rows = width, height, rows  # rows of (r, g, b) tuples flattened

    def at(self, x, y):
        row = self.rows[y]
        return row[3 * x], row[3 * x + 1], row[3 * x + 2]

    def dark(self, x, y):
        return max(self.at(x, y)) < 110

    def white(self, x, y):
        return min(self.at(x, y)) > 240

    def dark_near(self, x, y, reach=1):
        return any(self.dark(x + dx, y + dy) for dx in range(-reach, reach + 1) for dy in range(-reach, reach + 1)
                   if 0 <= x + dx < self.width and 0 <= y + dy < self.height)


def read_png(path, header_only=False):
    data = open(path, 'rb').read()
    if data[:8] != b'\x89PNG\r\n\x1a\n':
        raise ValueError(path + ': not a PNG signature')
    pos, idat, header = 8, b'', None
    while pos < len(data):
        length, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        crc, = struct.unpack('>I', data[pos + 8 + length:pos + 12 + length])
        if zlib.crc32(kind + body) & 0xFFFFFFFF != crc:
            raise ValueError('%s: bad CRC in %s' % (path, kind))
        if kind == b'IHDR':
            header = struct.unpack('>IIBBBBB', body)
        elif kind == b'IDAT':
            idat += body
        elif kind == b'IEND':
            if pos + 12 != len(data):
                raise ValueError('%s: %d bytes after the end chunk' % (path, len(data) - pos - 12))
            break
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ValueError('%s: unexpected PNG format depth %d colour %d' % (path, depth, colour))
    channels = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    if len(raw) != height * (1 + stride):
        raise ValueError('%s: %d bytes of pixel data for %dx%d' % (path, len(raw), width, height))
    if header_only:
        return Image(width, height, [])
    rows, previous, pos = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = previous[i]
            c = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        previous = line
        if channels == 4:
            if any(line[3::4][x] != 255 for x in range(0, width, max(1, width // 50))):
                raise ValueError(path + ': transparent pixels')
            line = bytearray(v for i, v in enumerate(line) if i % 4 != 3)
        rows.append(bytes(line))
    return Image(width, height, rows)


def read_bmp(path):
    data = open(path, 'rb').read()
    offset, = struct.unpack('<I', data[10:14])
    size, width, height, planes, bits, compression = struct.unpack('<IiiHHI', data[14:34])
    if bits != 24 or compression != 0:
        raise ValueError('%s: %d bits, compression %d' % (path, bits, compression))
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        source = y if height < 0 else abs(height) - 1 - y
        line = data[offset + source * stride:offset + source * stride + width * 3]
        rows.append(bytes(v for x in range(width) for v in (line[3 * x + 2], line[3 * x + 1], line[3 * x])))
    return Image(width, abs(height), rows)


def expected_size(teams):
    depth = teams.bit_length() - 1
    rows = teams // 2 if depth else 1
    return (2 * MARGIN + 2 * depth * (BOX_W + GAP) + BOX_W,
            ROWS_TOP + rows * PITCH - (PITCH - BOX_H) + MARGIN)


def box(depth, level, index):
    """(left, top, right, bottom) of a slot, right and bottom exclusive."""
    column, row = depth, 0
    if level > 0:
        half = 1 << (level - 1)
        column = depth - level if index < half else depth + level
        row = index if index < half else index - half
    span = 1 << (depth - (level if level else min(depth, 1)))
    centre = ROWS_TOP + BOX_H // 2 + PITCH * (2 * span * row + span - 1) // 2
    left = MARGIN + column * (BOX_W + GAP)
    return left, centre - BOX_H // 2, left + BOX_W, centre - BOX_H // 2 + BOX_H


def centre_y(b):
    return (b[1] + b[3]) // 2


def connector_segments(depth):
    """Every connector as (x1, y1, x2, y2), horizontal or vertical."""
    segments = []
    for level in range(1, depth):
        for index in range(1 << level):
            fed, a, b = box(depth, level, index), box(depth, level + 1, 2 * index), box(depth, level + 1, 2 * index + 1)
            right_half = fed[0] < a[0]
            edge = a[0] if right_half else a[2]
            middle = edge - GAP // 2 if right_half else edge + GAP // 2
            segments += [(edge, centre_y(a), middle, centre_y(a)), (edge, centre_y(b), middle, centre_y(b)),
                         (middle, centre_y(a), middle, centre_y(b)),
                         (middle, centre_y(fed), fed[2] if right_half else fed[0], centre_y(fed))]
    if depth:
        champion, left, right = box(depth, 0, 0), box(depth, 1, 0), box(depth, 1, 1)
        segments += [(left[2], centre_y(champion), champion[0], centre_y(champion)),
                     (champion[2], centre_y(champion), right[0], centre_y(champion))]
    return segments


def all_boxes(depth):
    return [(level, index, box(depth, level, index)) for level in range(depth + 1) for index in range(1 << level)]


def check_layout(name, image, teams, titled=True):
    depth = teams.bit_length() - 1
    for level, index, (l, t, r, b) in all_boxes(depth):
        where = '%s: box level %d #%d at %s' % (name, level, index, (l, t, r, b))
        cx, cy = (l + r) // 2, (t + b) // 2
        for x, y in ((l, cy), (r - 1, cy), (cx, t), (cx, b - 1), (l + 1, t + 1), (r - 2, b - 2)):
            if not image.dark(x, y):
                fail('%s: expected a dark border pixel at (%d, %d), found %s' % (where, x, y, image.at(x, y)))
        if level == 0 and not image.dark(l + 3, cy):
            fail('%s: the champion\'s border should be thicker' % where)
        # Background between this box and the one below it in its column.
        if level and (index + 1) % (1 << (level - 1)) and level == depth:
            gap_y = b + (PITCH - BOX_H) // 2
            if not image.white(cx, gap_y):
                fail('%s: expected background below it at (%d, %d), found %s' % (where, cx, gap_y,
                                                                               image.at(cx, gap_y)))
    for x1, y1, x2, y2 in connector_segments(depth):
        points = max(abs(x2 - x1), abs(y2 - y1))
        for step in range(1, points, 3):
            x = x1 + (x2 - x1) * step // points
            y = y1 + (y2 - y1) * step // points
            if not image.dark_near(x, y):
                fail('%s: connector (%d,%d)-(%d,%d) has no ink at (%d, %d)' % (name, x1, y1, x2, y2, x, y))
                break
    # Beside each pair of feeders, before the vertical line: nothing.
    for level in range(1, depth):
        for index in range(1 << level):
            fed, a = box(depth, level, index), box(depth, level + 1, 2 * index)
            x = a[0] - GAP // 4 if fed[0] < a[0] else a[2] + GAP // 4
            if not image.white(x, centre_y(fed)):
                fail('%s: expected background between feeders at (%d, %d)' % (name, x, centre_y(fed)))
    title_ink = sum(image.dark(x, y) for y in range(MARGIN, MARGIN + TITLE_BAND) for x in range(image.width))
    if titled and title_ink < 20:
        fail('%s: the title band has no text (%d dark pixels)' % (name, title_ink))
    if not titled and title_ink:
        fail('%s: an untitled picture has %d dark pixels in its title band' % (name, title_ink))
    if any(not image.white(x, 2) for x in range(0, image.width, 7)):
        fail('%s: the top margin is not background' % name)


def luminance(colour):
    def channel(c):
        c /= 255.0
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    high, low = sorted((luminance(a), luminance(b)), reverse=True)
    return (high + 0.05) / (low + 0.05)


def check_text_contrast(name, image, teams, results=()):
    """Each text's core (its darkest pixel) against its background (the
    region's most common colour) reads at 4.5:1 or better. results names
    the boxes, as (level, index), with a result under them."""
    depth = teams.bit_length() - 1
    regions = [('title', (MARGIN, MARGIN, image.width - MARGIN, MARGIN + TITLE_BAND))]
    for level, index in results:
        l, t, r, b = box(depth, level, index)
        regions.append(('result under level %d #%d' % (level, index), (l, b, r, b + 15)))
    for column in range(2 * depth + 1):
        left = MARGIN + column * (BOX_W + GAP)
        regions.append(('heading %d' % column, (left, MARGIN + TITLE_BAND, left + BOX_W, ROWS_TOP)))
    for level, index, (l, t, r, b) in all_boxes(depth):
        regions.append(('box level %d #%d' % (level, index), (l + 5, t + 5, r - 5, b - 5)))
    for label, (l, t, r, b) in regions:
        pixels = [image.at(x, y) for y in range(t, b) for x in range(l, r)]
        background = max(set(pixels), key=pixels.count)
        ink = min(pixels, key=luminance)
        if ink == background:
            fail('%s: %s shows no text' % (name, label))
        elif contrast(ink, background) < 4.5:
            fail('%s: %s text %s on %s has contrast %.2f, below 4.5' % (name, label, ink, background,
                                                                       contrast(ink, background)))


def check_files(folder):
    sizes = {}
    for teams in (1, 2, 4, 8, 16, 32, 256):
        name = 'b%d.png' % teams
        # Big pictures are only decompressed: unfiltering them in python
        # takes minutes.
        image = read_png('%s/%s' % (folder, name), header_only=teams > 16)
        sizes[teams] = (image.width, image.height)
        if sizes[teams] != expected_size(teams):
            fail('%s: %dx%d, expected %dx%d' % ((name,) + sizes[teams] + expected_size(teams)))
        if teams in (4, 16, 2):
            check_layout(name, image, teams)
    counts = sorted(sizes)
    for small, large in zip(counts, counts[1:]):
        if not (sizes[large][0] > sizes[small][0] and sizes[large][1] >= sizes[small][1]):
            fail('picture of %d teams (%s) is not larger than of %d (%s)' % (large, sizes[large], small,
                                                                             sizes[small]))
    mixed = read_png(folder + '/b16-mixed.png')
    check_layout('b16-mixed.png', mixed, 16)
    check_text_contrast('b16-mixed.png', mixed, 16)

    # The losers' bracket stands below the winners': as wide, much taller.
    double = read_png(folder + '/b8-double.png', header_only=True)
    if double.width != sizes[8][0] or double.height < sizes[8][1] * 3 // 2:
        fail('b8-double.png: %dx%d for the 8-team double-elimination picture' % (double.width, double.height))

    # The byes' word reads like any other text, and so do the results.
    check_text_contrast('b8-byes.png', read_png(folder + '/b8-byes.png'), 8, results=((2, 1), (2, 2)))

    empty = read_png(folder + '/b16-empty.png')
    check_layout('b16-empty.png', empty, 16, titled=False)
    for level, index, (l, t, r, b) in all_boxes(4):
        inside = [(x, y) for y in range(t + 5, b - 5) for x in range(l + 6, r - 6) if empty.dark(x, y)]
        if level < 4 and inside:
            fail('b16-empty.png: unpicked box level %d #%d is not empty: ink at %s' % (level, index, inside[0]))

    # Names the boxes cannot hold stay inside them.
    long = read_png(folder + '/long.png')
    check_layout('long.png', long, 16)
    for level, index, (l, t, r, b) in all_boxes(4):
        text = sum(long.dark(x, y) for y in range(t + 3, b - 3) for x in range(l + 6, r - 6))
        if not text:
            fail('long.png: box level %d #%d shows no name' % (level, index))
        cy = (t + b) // 2
        for y in range(t - 3, b + 3):
            if abs(y - cy) <= 2:
                continue
            for x in list(range(l - GAP // 2 + 2, l - 1)) + list(range(r + 1, r + GAP // 2 - 2)):
                if 0 <= x < long.width and not long.white(x, y):
                    fail('long.png: ink outside box level %d #%d at (%d, %d)' % (level, index, x, y))
                    break

    huge = read_png(folder + '/huge.png')
    check_layout('huge.png', huge, 4)

    # The clipboard holds the very same picture twice.
    reference = read_png(folder + '/b16.png')
    for label, copy in (('clip.png', read_png(folder + '/clip.png')), ('clip.bmp', read_bmp(folder + '/clip.bmp'))):
        if (copy.width, copy.height) != (reference.width, reference.height):
            fail('%s: %dx%d, the export is %dx%d' % (label, copy.width, copy.height, reference.width,
                                                    reference.height))
        elif copy.rows != reference.rows:
            row = next(y for y in range(copy.height) if copy.rows[y] != reference.rows[y])
            fail('%s: pixels differ from the export from row %d on' % (label, row))


def ink_box(image, rows=None):
    xs, ys = [], []
    for y in rows or range(image.height):
        row = image.rows[y]
        for x in range(image.width):
            if min(row[3 * x:3 * x + 3]) < 200:
                xs.append(x)
                ys.append(y)
    return (min(xs), min(ys), max(xs) + 1, max(ys) + 1) if xs else None


def turned(image, clockwise):
    """The image turned a quarter, as a landscape page is turned to be read."""
    w, h = image.width, image.height
    if clockwise:
        rows = [b''.join(image.rows[h - 1 - x][3 * y:3 * y + 3] for x in range(h)) for y in range(w)]
    else:
        rows = [b''.join(image.rows[x][3 * (w - 1 - y):3 * (w - y)] for x in range(h)) for y in range(w)]
    return Image(h, w, rows)


def check_page(page_path, picture_path, landscape):
    """A landscape page is rasterised on portrait paper with its content
    turned; only one of the two quarter turns can match the picture (its
    title is on top), so both are tried."""
    page, picture = read_png(page_path), read_png(picture_path)
    if not landscape:
        fail('the page was not printed in landscape orientation')
        return check_one_page(page, picture)
    global failures
    outcomes = []
    for clockwise in (True, False):
        failures = []
        check_one_page(turned(page, clockwise) if page.height > page.width else page, picture)
        outcomes.append(failures)
        if not failures:
            return
    failures = min(outcomes, key=len)


def check_one_page(page, picture):
    if page.width <= page.height:
        fail('page %dx%d is not landscape' % (page.width, page.height))
    # The page's heading (title, date) and footing (page number) stand in
    # its half-inch margins, apart from the picture's ink.
    furniture = page.height * 12700 // 210000
    ink = ink_box(page, range(furniture, page.height - furniture))
    if not ink:
        fail('the printed page is blank')
        return
    left, top, right, bottom = ink
    # Ink runs from the first box's border to the last one's across, and
    # down to the bottom boxes' border: the picture's frame follows.
    scale = (right - left) / (picture.width - 2 * MARGIN)
    origin_x = left - MARGIN * scale
    origin_y = bottom - (picture.height - MARGIN) * scale
    frame_w, frame_h = picture.width * scale, picture.height * scale
    if abs(origin_x - (page.width - origin_x - frame_w)) > page.width / 100 or \
            abs(origin_y - (page.height - origin_y - frame_h)) > page.height / 100:
        fail('picture frame at (%.0f, %.0f) size %.0fx%.0f is not centred on a %dx%d page'
             % (origin_x, origin_y, frame_w, frame_h, page.width, page.height))
    if max(frame_w / page.width, frame_h / page.height) < 0.8:
        fail('the picture fills only %.0f%% x %.0f%% of the page'
             % (100 * frame_w / page.width, 100 * frame_h / page.height))
    # The page's ink where the picture has its boxes and lines.
    missing = []
    for level, index, (l, t, r, b) in all_boxes(4):
        for x, y in ((l, (t + b) // 2), (r - 1, (t + b) // 2), ((l + r) // 2, t), ((l + r) // 2, b - 1)):
            px, py = int(origin_x + x * scale), int(origin_y + y * scale)
            if not page.dark_near(px, py, 2):
                missing.append((x, y, px, py))
    for x1, y1, x2, y2 in connector_segments(4):
        x, y = (x1 + x2) // 2, (y1 + y2) // 2
        px, py = int(origin_x + x * scale), int(origin_y + y * scale)
        if not page.dark_near(px, py, 2):
            missing.append((x, y, px, py))
    if missing:
        fail('%d box borders and connectors not inked on the page, first picture (%d,%d) -> page (%d,%d)'
             % ((len(missing),) + missing[0]))
    print('page %dx%d, ink %s, scale %.3f' % (page.width, page.height, ink, scale))


def check_order(pages):
    if len(pages) < 2:
        fail('%d page(s) of order of play, expected the 128 matches to need more' % len(pages))
    for number, path in enumerate(sorted(pages, key=lambda p: int(p.rsplit('-', 1)[1].split('.')[0])), 1):
        image = read_png(path)
        if image.width >= image.height:
            fail('page %d is not portrait: %dx%d' % (number, image.width, image.height))
        rows = [any(image.dark(x, y) for x in range(0, image.width, 1)) for y in range(image.height)]
        inked = [y for y, dark in enumerate(rows) if dark]
        if not inked:
            fail('page %d is blank' % number)
            continue
        top, bottom = inked[0], inked[-1]
        if top > image.height // 8:
            fail('page %d: no heading near the top (first ink at %d of %d)' % (number, top, image.height))
        if bottom < image.height * 7 // 8:
            fail('page %d: no footer near the bottom (last ink at %d of %d)' % (number, bottom, image.height))
        lines = sum(1 for y in range(1, image.height) if rows[y] and not rows[y - 1])
        if number < len(pages) and lines < 30:
            fail('page %d holds %d lines of text, a full page expected' % (number, lines))
    print('%d pages of order of play' % len(pages))


SVG = '{http://www.w3.org/2000/svg}'


def check_svg(folder, name, teams, texts):
    """Parsed as a standalone XML document, with the given texts (or their
    start and an ellipsis) among its text elements and nothing that runs or reaches outside; rendered by an
    independent renderer, its boxes and lines are inked where the PNG's
    are."""
    path = os.path.join(folder, name)
    root = ElementTree.parse(path).getroot()
    if root.tag != SVG + 'svg' or root.get('version') != '1.1':
        fail('%s: the root is %s version %s, not SVG 1.1' % (name, root.tag, root.get('version')))
    shown = [element.text or '' for element in root.iter(SVG + 'text')]
    def holds(whole, text):
        return whole == text or (whole.endswith('...') and text.startswith(whole[:-3]) and len(whole) > 6)
    for text in texts:
        if not any(holds(whole, text) for whole in shown):
            fail('%s: no text element holds %r' % (name, text))
    for element in root.iter():
        if element.tag in (SVG + 'script', SVG + 'foreignObject', SVG + 'image', SVG + 'use'):
            fail('%s: has a %s element' % (name, element.tag))
        for key, value in element.attrib.items():
            if 'href' in key or key.startswith('on') or 'url(' in value:
                fail('%s: %s="%s" reaches outside or runs' % (name, key, value))
    rendered = os.path.join(folder, name + '.png')
    subprocess.run(['rsvg-convert', '-o', rendered, path], check=True)
    image = read_png(rendered)
    if (image.width, image.height) != expected_size(teams):
        fail('%s: rendered %dx%d, expected %s' % (name, image.width, image.height, expected_size(teams)))
        return
    check_layout(name, image, teams)


def check_svg_texts_fit(folder, name):
    """Rendered by a reader whose face is not the picture's, every text
    ends inside its band: a band's edge columns carry no ink, so nothing
    is clipped mid-letter, and a shortened text shows its start and an
    ellipsis."""
    path = os.path.join(folder, name)
    root = ElementTree.parse(path).getroot()
    rendered = os.path.join(folder, name + '.png')
    subprocess.run(['rsvg-convert', '-o', rendered, path], check=True)
    image = read_png(rendered)
    for band in root.iter(SVG + 'svg'):
        text = band.find(SVG + 'text')
        if text is None:
            continue
        x, y = int(float(band.get('x'))), int(float(band.get('y')))
        width, height = int(float(band.get('width'))), int(float(band.get('height')))
        edges = [x + width - 1] + ([x] if text.get('text-anchor') == 'middle' else [])
        for edge in edges:
            if any(min(image.at(edge, row)) < 200 for row in range(y, y + height)):
                fail('%s: %r is clipped at x=%d' % (name, text.text, edge))
    shown = [element.text or '' for element in root.iter(SVG + 'text')]
    title = [text for text in shown if text.startswith('The Northern')]
    if len(title) != 1 or not title[0].endswith('...'):
        fail('%s: the long title should show its start and end with "...", shown %s' % (name, shown[:3]))


def check_svgs(folder):
    check_svg_texts_fit(folder, 'seeded.svg')
    check_svg(folder, 'b4s.svg', 4, ['Four', 'T1'])
    check_svg(folder, 'b16-mixed.svg', 16, ['\u6625\u5b63\u806f\u8cfd Spring League 2026'])
    check_svg(folder, 'hostile.svg', 8, ['<script>alert("&")</script>', 'A\ufffdB'])
    # An outcome's mark beside its score, and the open match's time before
    # its court, as texts of the SVG.
    root = ElementTree.parse(os.path.join(folder, 'b8-results.svg')).getroot()
    shown = [element.text or '' for element in root.iter(SVG + 'text')]
    if not any(text.startswith('7:6 3:6 2:1 ') for text in shown):
        fail('b8-results.svg: the retirement has no mark beside its score among %s' % shown)
    if not any(text.endswith(' Court 2') for text in shown):
        fail('b8-results.svg: the open third-place match shows no time and court among %s' % shown)


def main():
    if sys.argv[1] == 'files':
        check_files(sys.argv[2])
    elif sys.argv[1] == 'order':
        check_order(sys.argv[2:])
    elif sys.argv[1] == 'svg':
        check_svgs(sys.argv[2])
    else:
        check_page(sys.argv[2], sys.argv[3], len(sys.argv) > 4 and sys.argv[4] == 'landscape')


if __name__ == '__main__':
    run_checks(main, OSError, ValueError, StopIteration, ElementTree.ParseError, subprocess.CalledProcessError)
