#!/usr/bin/env python3
"""The independent half of the interoperability check (run_interop.sh).

check <folder>  parses every sample-*.xml the editor wrote with
                xml.etree (and xmllint when present) and compares each with
                its .expected file;
make <folder>   writes other-*.xml the way other tools do, each with the
                .expected of what the editor must read from it.
"""
import glob
import os
import shutil
import subprocess
import sys
import xml.dom.minidom
import xml.etree.ElementTree as ET


def hexed(text):
    return text.encode("utf-8").hex() or "-"


def read_expected(path):
    title, teams, slots = None, None, {}
    with open(path, encoding="ascii") as f:
        for line in f:
            parts = line.split()
            if parts[0] == "teams":
                teams = int(parts[1])
                continue
            value = "" if parts[-1] == "-" else bytes.fromhex(parts[-1]).decode("utf-8")
            if parts[0] == "title":
                title = value
            else:
                slots[int(parts[1])] = value
    return title, teams, slots


def check_one(path):
    problems = []
    raw = open(path, "rb").read()
    for forbidden in (b"<?xml", b"<!DOCTYPE", b"<!--"):
        if forbidden in raw:
            problems.append("holds %r, which the editor never writes" % forbidden)
    if shutil.which("xmllint"):
        lint = subprocess.run(["xmllint", "--noout", path], capture_output=True)
        if lint.returncode != 0:
            problems.append("xmllint: " + lint.stderr.decode(errors="replace"))
    root = ET.fromstring(raw)
    title, teams, slots = read_expected(path[:-4] + ".expected")
    children = list(root)
    if root.tag != "Games" or root.attrib:
        problems.append("document element %s %r" % (root.tag, root.attrib))
    if [c.tag for c in children[:2]] != ["Title", "Teams"]:
        problems.append("first children %r" % [c.tag for c in children[:2]])
        return problems
    if (children[0].text or "") != title or children[0].attrib:
        problems.append("title %r, expected %r" % (children[0].text, title))
    if children[1].text != str(teams):
        problems.append("teams %r, expected %d" % (children[1].text, teams))
    team_elements = children[2:]
    if len(team_elements) != 2 * teams - 1:
        problems.append("%d Team elements for %d slots" % (len(team_elements), teams))
    for position, team in enumerate(team_elements, start=1):
        if team.tag != "Team" or list(team.attrib) != ["Name", "id"] or team.text or len(team):
            problems.append("element %d: %s %r" % (position, team.tag, team.attrib))
        elif team.get("id") != str(position):
            problems.append("element %d has id %r" % (position, team.get("id")))
        elif team.get("Name") != slots.get(position):
            problems.append("slot %d: %r, expected %r" % (position, team.get("Name"), slots.get(position)))
    return problems


def check(folder):
    samples = sorted(glob.glob(os.path.join(folder, "sample-*.xml")))
    if not samples:
        print("no samples written")
        return 1
    failed = 0
    for path in samples:
        problems = check_one(path)
        print("%s: %s" % (os.path.basename(path), "; ".join(problems) or "matches"))
        failed += bool(problems)
    return 1 if failed else 0


def expected_text(title, teams, slots):
    lines = ["title %s" % hexed(title), "teams %d" % teams]
    lines += ["slot %d %s" % (i, hexed(slots.get(i, ""))) for i in range(1, 2 * teams)]
    return "\n".join(lines) + "\n"


def make(folder):
    title = "R&D <Cup> \"2026\" \u4e2d\u6587"
    names = {1: "A & B", 2: "<b>", 3: "\u00e9quipe", 4: "\U0001F3C6", 5: "A & B", 7: "A & B"}
    # ElementTree: declaration, UTF-8, indentation, id written before Name.
    games = ET.Element("Games")
    ET.SubElement(games, "Title").text = title
    ET.SubElement(games, "Teams").text = "4"
    for slot, name in names.items():
        ET.SubElement(games, "Team", {"id": str(slot), "Name": name})
    ET.indent(games)
    ET.ElementTree(games).write(os.path.join(folder, "other-etree.xml"), encoding="utf-8", xml_declaration=True)
    with open(os.path.join(folder, "other-etree.expected"), "w") as f:
        f.write(expected_text(title, 4, names))

    # minidom: pretty-printed UTF-16 with a byte order mark, Teams not a
    # power of two. minidom writes the tab of an attribute value as it is,
    # and XML reads a literal tab there as a space.
    document = xml.dom.minidom.Document()
    root = document.appendChild(document.createElement("Games"))
    root.appendChild(document.createElement("Title")).appendChild(document.createTextNode("\U0001F3C6 final"))
    root.appendChild(document.createElement("Teams")).appendChild(document.createTextNode("3"))
    team = root.appendChild(document.createElement("Team"))
    team.setAttribute("Name", "Tab\there")
    team.setAttribute("id", "2")
    with open(os.path.join(folder, "other-minidom.xml"), "wb") as f:
        f.write(document.toprettyxml(indent="\t", encoding="utf-16"))
    with open(os.path.join(folder, "other-minidom.expected"), "w") as f:
        f.write(expected_text("\U0001F3C6 final", 4, {2: "Tab here"}))

    # A hand-edited file: UTF-8 with BOM, CRLF, comments, an instruction,
    # CDATA and character references.
    text = ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- edited by hand -->\r\n<Games>\r\n"
            "  <?editor keep?>\r\n  <Title><![CDATA[ <raw> & \"kept\" ]]></Title>\r\n"
            "  <Teams>\r\n    2\r\n  </Teams>\r\n  <!-- the base slots -->\r\n"
            "  <Team Name=\"&#x4E2D;&#25991;\" id=\"1\"/>\r\n  <Team id=\"2\" Name=\"&amp;&lt;&gt;\"></Team>\r\n"
            "</Games>\r\n")
    with open(os.path.join(folder, "other-by-hand.xml"), "wb") as f:
        f.write(text.encode("utf-8-sig"))
    with open(os.path.join(folder, "other-by-hand.expected"), "w") as f:
        f.write(expected_text(" <raw> & \"kept\" ", 2, {1: "\u4e2d\u6587", 2: "&<>"}))
    return 0


if __name__ == "__main__":
    sys.exit({"check": check, "make": make}[sys.argv[1]](sys.argv[2]))
