#!/usr/bin/env python3
"""Writes the screenshots' four-groups-of-four table tennis event.

Usage: club_open_event.py <file> <played>
  played "page":    groups A and B played out, C half-way, D not begun
  played "picture": groups A to C played out, D half-way
"""
import sys

GROUPS = {"A": ["Lin", "Okafor", "Berg", "Sato"], "B": ["Haddad", "Novak", "Reyes", "Kowal"],
          "C": ["Ito", "Mensah", "Dubois", "Park"], "D": ["Silva", "Weber", "Rossi", "Chen"]}
# Table order for four: 1-4 2-3, 4-3 1-2, 2-4 3-1; "winner:score", read
# from the winner's side.
TABLE = [(1, 4), (2, 3), (4, 3), (1, 2), (2, 4), (3, 1)]
PLAYED_OUT = {
    "A": ["1:11:4 11:6", "2:11:9 9:11 11:7", "3:11:8 11:9", "1:11:7 11:5", "2:11:3 11:2", "1:11:9 11:9"],
    "B": ["1:11:5 11:7", "3:9:11 11:6 11:8", "4:11:8 11:13 11:9", "1:11:6 11:4", "2:13:11 11:9", "3:11:6 11:8"],
    "C": ["1:11:2 11:4", "2:11:7 11:8", "4:12:10 11:6", "1:11:9 8:11 11:6", "2:11:5 11:9", "1:11:3 11:4"],
}
RESULTS = {
    "page": dict(PLAYED_OUT, C=["1:11:2 11:4", "3:two sets to love", "", "", "", ""], D=[""] * 6),
    "picture": dict(PLAYED_OUT, D=["4:11:9 11:7", "2:7:11 11:8 11:9", "3:11:6 11:6", "", "", ""]),
}

def event(results):
    xml = "<Games><Title>Club Open 2026</Title><Teams>8</Teams>"
    xml += "".join('<Team Name="" id="%d"/>' % i for i in range(1, 16))
    xml += '<Groups Advance="2" Rules="table-tennis">'
    for name, entrants in GROUPS.items():
        xml += '<Group Name="%s">' % name
        xml += "".join('<Entrant Name="%s"/>' % e for e in entrants)
        for (home, away), result in zip(TABLE, results[name]):
            winner, score = result.split(":", 1) if result else ("", "")
            xml += '<Match Home="%d" Away="%d" Winner="%s" Score="%s"/>' % (home, away, winner, score)
        xml += "</Group>"
    return xml + "</Groups></Games>"

if __name__ == "__main__":
    with open(sys.argv[1], "w", encoding="utf-8") as out:
        out.write(event(RESULTS[sys.argv[2]]))
