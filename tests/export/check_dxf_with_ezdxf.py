"""Loads every DXF file the program writes with ezdxf, a real DXF reader, in
its strict mode, and checks each drawing's layers, colours, polylines and
vertex counts.

usage: check_dxf_with_ezdxf.py WRITE_DXF_SAMPLES FOLDER
"""
import collections
import os
import subprocess
import sys

import ezdxf

LAST_LINE = 5                      # the default hull: keel, five chines
SECTION_POINTS = LAST_LINE + 10    # keel, nine bottom points, chines 1..5


def polylines(path):
    doc = ezdxf.readfile(path)     # raises on any structural fault
    result = []
    for e in doc.modelspace():
        assert e.dxftype() == "POLYLINE", (path, e.dxftype())
        assert e.is_3d_polyline, path
        assert e.dxf.linetype == "CONTINUOUS", path
        result.append((int(e.dxf.layer), e.dxf.color, len(list(e.vertices))))
    return result


def counts(lines):
    """{(layer, colour): [vertex counts in order]}"""
    c = collections.defaultdict(list)
    for layer, colour, n in lines:
        c[(layer, colour)].append(n)
    return c


def expect(condition, what):
    if not condition:
        raise AssertionError(what)


def check_lines_2d(path):
    c = counts(polylines(path))
    expect(sorted(c) == [(1, 7), (2, 7), (3, 7), (4, 5), (5, 6)], sorted(c))
    plan = c[(1, 7)]
    expect(len(plan) == LAST_LINE + 3, plan)
    expect(all(n in (168, 169) for n in plan[:LAST_LINE + 1]), plan)
    expect(plan[-2:] == [2 * (LAST_LINE + 1)] * 2, plan)
    expect(len(c[(2, 7)]) == LAST_LINE + 1, c[(2, 7)])
    expect(c[(2, 7)][0] == 83 and c[(2, 7)][1:] == [85] * LAST_LINE, c[(2, 7)])
    expect(c[(3, 7)] == [2 * SECTION_POINTS + 1] * 2 + [83] * (2 * LAST_LINE + 2), c[(3, 7)])
    expect(c[(4, 5)] == [2] * 20 + [2 * SECTION_POINTS - 1] * 10, c[(4, 5)])
    expect(c[(5, 6)] == [2] * 7, c[(5, 6)])


def check_lines_3d(path):
    lines = polylines(path)
    colours = [colour for layer, colour, n in lines if layer == 1]
    expect(colours == [7, 7, 6, 5, 4, 7, 6, 7, 7], colours)
    c = counts(lines)
    expect([n for layer, colour, n in lines if layer == 1] ==
           [2] + [167] * (LAST_LINE + 1) + [2 * SECTION_POINTS - 1] * 2, lines)
    expect(c[(2, 5)] == [2 * SECTION_POINTS - 1] * 21, c[(2, 5)])


def check_planks(path, lap_strake, bow_plate):
    c = counts(polylines(path))
    for k in range(LAST_LINE):
        points = 84 if k == 0 else 83
        labels = [n for n in c[(k + 1, 7)] if n < 100]     # "p", then k in two digits
        expect(len(labels) == 3, (k, c[(k + 1, 7)]))
        if lap_strake:
            expect(c[(k + 1, 5)] == [2 * points + 1] and c[(k + 1, 1)] == [2 * points + 1], (k, c))
        else:
            colour = 7 - k % 3
            outline = [n for n in c[(k + 1, colour)] if n > 100]
            expect(outline == [2 * points + 1], (k, c[(k + 1, colour)]))
    marks = sum(len(v) for (layer, colour), v in c.items() if layer == 13)
    expect(marks == (1 + 21 + 10) + (LAST_LINE - 1) * (1 + 42), marks)
    expect(c[(16, 7)][-1] == 2 * SECTION_POINTS + 1 and len(c[(16, 7)]) == 8, c[(16, 7)])
    expect(c[(14, 6)] == [2 * SECTION_POINTS + 1] and len(c[(14, 7)]) == 4, (c[(14, 6)], c[(14, 7)]))
    if bow_plate:
        expect(c[(15, 5)] == [2 * SECTION_POINTS + 1] and len(c[(15, 7)]) == 3, (c[(15, 5)], c[(15, 7)]))
    else:
        expect((15, 5) not in c and (15, 7) not in c, sorted(c))


def check_decks(path):
    c = counts(polylines(path))
    for v in range(1, LAST_LINE + 1):
        colour = 7 - v % 3
        outline = [n for n in c[(v, colour)] if n > 100]
        labels = [n for n in c[(v, 7)] if n < 100]
        expect(outline == [167] and len(labels) == 5, (v, c[(v, colour)], c[(v, 7)]))


def check_station(path):
    c = counts(polylines(path))
    expect(sorted(c) == [(14, 6), (14, 7)], sorted(c))
    expect(c[(14, 6)] == [2 * SECTION_POINTS + 1] and len(c[(14, 7)]) == 4, c)


def main():
    writer, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    for name in os.listdir(folder):
        os.remove(os.path.join(folder, name))
    subprocess.run([writer, folder], check=True)
    checks = {
        "lines_2d.dxf": check_lines_2d,
        "lines_3d.dxf": check_lines_3d,
        "planks_plain.dxf": lambda p: check_planks(p, lap_strake=False, bow_plate=False),
        "decks.dxf": check_decks,
        "station_41.dxf": check_station,
        "pram_planks_lap.dxf": lambda p: check_planks(p, lap_strake=True, bow_plate=True),
    }
    written = sorted(os.listdir(folder))
    expect(written == sorted(checks), written)
    for name, check in checks.items():
        check(os.path.join(folder, name))
        print("ezdxf read", name)


if __name__ == "__main__":
    main()
