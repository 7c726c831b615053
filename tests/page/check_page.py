#!/usr/bin/env python3
"""Reads the published pages page_samples wrote with Python's own HTML and
XML parsers, as any reader would, independent of the writer.

  check_page.py <folder>   hostile/index.html and sample16/index.html
"""
import re
import sys
import xml.etree.ElementTree as ElementTree
from html.parser import HTMLParser

# The hostile names as the page must show them: markup as text, the control
# character and half a surrogate pair as U+FFFD, the rest untouched.
HOSTILE_NAMES = [
    "<script>alert(1)</script>", 'Tom & Jerry "the best"', "O'Neil <b>bold</b>", "Zero\u200bwidth",
    "\u81fa\u5317\u96c4\u9df9", "Bell\ufffdRing", "</svg><img src=x>", "Half\ufffd \U0001f3c6 &amp;",
]
HOSTILE_TITLE = "Cup <i>&</i> \"Open\" 'R'"

failures = []


def fail(message):
    failures.append(message)


class Page(HTMLParser):
    """Every start tag, and the text of each element outside the picture."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.tags = []
        self.texts = []
        self.title = ""
        self.style = ""
        self.open = []

    def handle_starttag(self, tag, attrs):
        self.tags.append((tag, attrs))
        if tag not in ("meta", "rect", "path"):
            self.open.append(tag)

    def handle_startendtag(self, tag, attrs):
        self.tags.append((tag, attrs))

    def handle_endtag(self, tag):
        while self.open and self.open.pop() != tag:
            pass

    def handle_data(self, data):
        if self.open and self.open[-1] == "title":
            self.title += data
        if self.open and self.open[-1] == "style":
            self.style += data
        self.texts.append(data)


def check(path, names, title):
    raw = open(path, "rb").read()
    text = raw.decode("utf-8")  # raises on anything but UTF-8
    if not text.startswith("<!DOCTYPE html>") or not text.rstrip().endswith("</html>"):
        fail(f"{path}: not one whole HTML5 document")
    page = Page()
    page.feed(text)
    page.close()
    tags = {tag for tag, _ in page.tags}
    for forbidden in ("script", "img", "b", "i", "link", "iframe", "object", "embed"):
        if forbidden in tags:
            fail(f"{path}: a <{forbidden}> element came out of a name")
    metas = [dict(attrs) for tag, attrs in page.tags if tag == "meta"]
    if {"charset": "utf-8"} not in metas:
        fail(f"{path}: no utf-8 charset")
    if not any(m.get("http-equiv") == "refresh" and m.get("content") == "30" for m in metas):
        fail(f"{path}: does not reload itself every 30 seconds")
    if not any(m.get("name") == "viewport" for m in metas):
        fail(f"{path}: no viewport for phones")
    # Names may hold "src=" as text; only markup can make a request.
    for tag, attrs in page.tags:
        for attribute, value in attrs:
            if attribute in ("src", "href", "xlink:href", "srcset", "action", "data", "poster"):
                fail(f"{path}: <{tag} {attribute}=...>: the page must load nothing")
            if value and ("url(" in value.lower() or "@import" in value.lower()):
                fail(f"{path}: <{tag} {attribute}={value!r}>: the page must load nothing")
    if "url(" in page.style.lower() or "@import" in page.style.lower():
        fail(f"{path}: the style sheet loads something")
    if page.title != title:
        fail(f"{path}: title {page.title!r}, expected {title!r}")
    cells = set(page.texts)
    for name in names:
        if name not in cells:
            fail(f"{path}: {name!r} is not a text of its own on the page")
    # The picture: one svg element, well-formed XML on its own, with every
    # name among its texts.
    start, end = text.find("<svg"), text.rfind("</svg>")
    if start < 0 or end < 0:
        fail(f"{path}: no inline picture")
        return
    try:
        svg = ElementTree.fromstring(text[start:end + len("</svg>")])
    except ElementTree.ParseError as error:
        fail(f"{path}: the picture is not well-formed XML: {error}")
        return
    # The picture shortens a name that does not fit its box with "...";
    # the tables have it whole.
    drawn = ["".join(node.itertext()) for node in svg.iter("{http://www.w3.org/2000/svg}text")]
    for name in names:
        if not any(text == name or (text.endswith("...") and name.startswith(text[:-3])) for text in drawn):
            fail(f"{path}: {name!r} is not drawn in the picture")


def main():
    folder = sys.argv[1]
    check(f"{folder}/hostile/index.html", HOSTILE_NAMES, HOSTILE_TITLE)
    check(f"{folder}/sample16/index.html", [], "City Open 2026 \u57ce\u5e02\u516c\u958b\u8cfd")
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
