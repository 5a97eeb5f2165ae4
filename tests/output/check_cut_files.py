#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a cut file back with an independent reader and measures it.

  check_cut_files.py dxf FILE --board W H [--wheel D HOLE] [--extent W H] [--png OUT]
  check_cut_files.py svg FILE --board W H [--wheel D HOLE] [--extent W H] [--png OUT]
                     [--dpi N]

DXF files are read with ezdxf, SVG files are rendered by rsvg-convert and measured on the
picture. The parts are put together from the cut paths (read from the DXF, or parsed from the
SVG) with shapely: each must lie on the board and keep the gap (0.25 in) from every other, and
every path must come in the file before the paths around it (the order of cutting).
Sizes are inches; every measure must hold to within 0.01 in. Exits 0 when every check holds, 1
with one line per failed check otherwise.
"""
import argparse
import os
import subprocess
import sys
import tempfile

TOLERANCE = 0.01
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def near(a, b):
    return abs(a - b) <= TOLERANCE


def parts_of(loops):
    """The parts' material from closed cut paths (shapely polygons): a path inside an odd number
    of others bounds a hole of the smallest path around it, as the cutter cuts them."""
    loops = sorted(loops, key=lambda p: -p.area)
    depth = [sum(1 for j in range(i) if loops[j].contains(loops[i].representative_point()))
             for i in range(len(loops))]
    parts = []
    for i, loop in enumerate(loops):
        if depth[i] % 2:
            continue
        material = loop
        for j in range(i + 1, len(loops)):
            if depth[j] == depth[i] + 1 and loop.contains(loops[j].representative_point()):
                material = material.difference(loops[j])
        parts.append(material)
    return parts


def check_wheel(circles, wheel, tolerance):
    """A circle of the wheel's diameter with one of the hole's at its centre, as (x, y, r)."""
    d, hole = wheel
    found = any(abs(2 * r - d) <= tolerance and any(abs(2 * r2 - hole) <= tolerance and abs(x2 - x) < 1e-3
                                                   and abs(y2 - y) < 1e-3 for (x2, y2, r2) in circles)
                for (x, y, r) in circles)
    check(found, "no wheel of %.4f in with a %.4f in hole among %s" % (d, hole, sorted(set(round(2 * c[2], 4) for c in circles))))


def check_order(loops):
    """Loops in file order: each must come before every loop around it, as it is cut first."""
    for i, inner in enumerate(loops):
        for j in range(i):
            if loops[j].area > inner.area and loops[j].contains(inner.representative_point()):
                check(False, "the path at %s comes after the path around it at %s" % (inner.bounds, loops[j].bounds))


def check_layout(parts, board_w, board_h, gap):
    for p in parts:
        x0, y0, x1, y1 = p.bounds
        check(x0 >= -TOLERANCE and y0 >= -TOLERANCE and x1 <= board_w + TOLERANCE
              and y1 <= board_h + TOLERANCE, "part %s lies off the board" % (p.bounds,))
    for i in range(len(parts)):
        for j in range(i + 1, len(parts)):
            d = parts[i].distance(parts[j])
            check(d >= gap - TOLERANCE, "parts at %s and %s are %.3f in apart" % (parts[i].bounds, parts[j].bounds, d))


def check_dxf(args):
    import ezdxf
    doc = ezdxf.readfile(args.file)
    check(doc.dxfversion >= "AC1015", "DXF release %s is older than 2000" % doc.dxfversion)
    check(doc.header.get("$INSUNITS") == (4 if args.mm else 1), "$INSUNITS is %s" % doc.header.get("$INSUNITS"))
    auditor = doc.audit()
    check(not auditor.has_errors, "the file has errors: %s" % [e.message for e in auditor.errors])
    for layout in doc.layouts:
        if layout.name != "Model":
            check(len(layout) == 0, "paper space %s holds entities" % layout.name)
    msp = doc.modelspace()
    scale = 1 / 25.4 if args.mm else 1.0
    from shapely.geometry import Point, Polygon
    boxes, circles, polylines, loops = [], [], [], []
    for e in msp:
        kind = e.dxftype()
        if kind == "CIRCLE":
            check(e.dxf.layer == "CUT", "a circle on layer %s" % e.dxf.layer)
            c, r = e.dxf.center, e.dxf.radius * scale
            x, y = c.x * scale, c.y * scale
            circles.append((x, y, r))
            boxes.append((x - r, y - r, x + r, y + r))
            loops.append(Point(x, y).buffer(r, 64))
        elif kind == "LWPOLYLINE":
            check(e.dxf.layer == "CUT", "a polyline on layer %s" % e.dxf.layer)
            check(e.closed, "an open polyline")
            pts = [(p[0] * scale, p[1] * scale) for p in e.get_points("xy")]
            check(all(b == 0 for b in (p[4] for p in e.get_points())), "a polyline with bulges")
            xs, ys = [p[0] for p in pts], [p[1] for p in pts]
            box = (min(xs), min(ys), max(xs), max(ys))
            polylines.append(box)
            boxes.append(box)
            loops.append(Polygon(pts))
        elif kind == "TEXT":
            check(e.dxf.layer == "ENGRAVE", "text on layer %s" % e.dxf.layer)
        else:
            check(False, "unexpected entity %s" % kind)
    check(boxes, "no cut entities")
    # DXF's y runs up from the board's bottom edge; the board is the same either way up.
    parts = parts_of(loops)
    check_layout(parts, args.board[0], args.board[1], args.gap)
    check_order(loops)
    for t in msp.query("TEXT"):
        p = Point(t.dxf.insert.x * scale, t.dxf.insert.y * scale)
        check(any(part.buffer(TOLERANCE).contains(p) for part in parts), "label %r lies on no part" % t.dxf.text)
    if args.wheel:
        check_wheel(circles, args.wheel, args.circle_tolerance)
    if args.extent:
        w, h = args.extent
        sizes = [(b[2] - b[0], b[3] - b[1]) for b in polylines]
        check(any((near(s[0], w) and near(s[1], h)) or (near(s[0], h) and near(s[1], w)) for s in sizes),
              "no outline of %.3f x %.3f in among %s" % (w, h, sorted(set((round(a, 3), round(b, 3)) for a, b in sizes))))
    if args.png:
        import matplotlib
        matplotlib.use("Agg")
        import logging
        logging.getLogger("matplotlib.font_manager").setLevel(logging.ERROR)
        from ezdxf.addons.drawing import matplotlib as draw
        draw.qsave(msp, args.png, bg="#FFFFFF", dpi=60)


def components(mask):
    """8-connected components of a boolean picture, as (x0, y0, x1, y1, pixels) boxes."""
    import numpy as np
    height, width = mask.shape
    seen = np.zeros_like(mask)
    ys, xs = np.nonzero(mask)
    found = []
    for sy, sx in zip(ys.tolist(), xs.tolist()):
        if seen[sy, sx]:
            continue
        seen[sy, sx] = True
        stack = [(sy, sx)]
        x0 = x1 = sx
        y0 = y1 = sy
        pixels = []
        while stack:
            y, x = stack.pop()
            pixels.append((y, x))
            x0, x1, y0, y1 = min(x0, x), max(x1, x), min(y0, y), max(y1, y)
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    ny, nx = y + dy, x + dx
                    if 0 <= ny < height and 0 <= nx < width and mask[ny, nx] and not seen[ny, nx]:
                        seen[ny, nx] = True
                        stack.append((ny, nx))
        found.append((x0, y0, x1 + 1, y1 + 1, pixels))
    return found


def svg_loops(path):
    """The closed cut paths of an SVG file, in inches, and its circles as (x, y, r): every <path> of M, L and Z commands and
    every <circle>, through the transforms of the groups around them, from viewBox millimetres."""
    import re
    import xml.etree.ElementTree as ET
    from shapely import affinity
    from shapely.geometry import Point, Polygon
    root = ET.parse(path).getroot()
    ns = "{http://www.w3.org/2000/svg}"
    loops, circles = [], []

    def shapely_order(m):
        """SVG's matrix(a, b, c, d, e, f) as shapely's [a, c, b, d, e, f]."""
        return [m[0], m[2], m[1], m[3], m[4], m[5]]

    def walk(element, matrix):
        m = re.match(r"matrix\(([^)]*)\)", element.get("transform", ""))
        if m:
            a, b, c, d, e, f = (float(v) for v in re.split(r"[ ,]+", m.group(1).strip()))
            p = matrix
            matrix = [p[0] * a + p[2] * b, p[1] * a + p[3] * b, p[0] * c + p[2] * d, p[1] * c + p[3] * d,
                      p[0] * e + p[2] * f + p[4], p[1] * e + p[3] * f + p[5]]
        tag = element.tag.replace(ns, "")
        if tag == "path":
            for run in re.split(r"[Zz]", element.get("d", "")):
                pts = [(float(x), float(y)) for x, y in re.findall(r"[ML]\s*([-\d.e]+)[ ,]([-\d.e]+)", run)]
                if len(pts) >= 3:
                    loops.append(affinity.affine_transform(Polygon(pts), shapely_order(matrix)))
        elif tag == "circle":
            cx, cy, r = float(element.get("cx")), float(element.get("cy")), float(element.get("r"))
            loops.append(affinity.affine_transform(Point(cx, cy).buffer(r, 64), shapely_order(matrix)))
            # The groups only move and scale alike in both directions: a circle stays one.
            circles.append((matrix[0] * cx + matrix[2] * cy + matrix[4], matrix[1] * cx + matrix[3] * cy + matrix[5],
                            r * abs(matrix[0] * matrix[3] - matrix[1] * matrix[2]) ** 0.5))
        for child in element:
            walk(child, matrix)

    walk(root, [1 / 25.4, 0, 0, 1 / 25.4, 0, 0])
    return loops, circles


def check_svg(args):
    import numpy as np
    from PIL import Image
    dpi = args.dpi
    with tempfile.TemporaryDirectory() as folder:
        # The cut lines are hairlines; the copy rendered for measuring strokes them wider,
        # centred on the same paths, so that the picture shows them.
        css = os.path.join(folder, "wide.css")
        with open(css, "w") as f:
            f.write("path, circle { stroke-width: %f; }\n" % args.stroke_mm)
        png = os.path.join(folder, "board.png")
        subprocess.run(["rsvg-convert", "-d", str(dpi), "-p", str(dpi), "-b", "white", "-s", css,
                        "-o", png, args.file], check=True)
        picture = np.asarray(Image.open(png).convert("RGB"))
        if args.png:
            subprocess.run(["rsvg-convert", "-d", "30", "-p", "30", "-b", "white", "-s", css,
                            "-o", args.png, args.file], check=True)
    height, width = picture.shape[:2]
    check(width == round(args.board[0] * dpi) and height == round(args.board[1] * dpi),
          "rendered %d x %d pixels, not the board's %g x %g in at %d dpi" % (width, height, args.board[0], args.board[1], dpi))
    r, g, b = (picture[:, :, i].astype(int) for i in range(3))
    red = (r > 200) & (g < 150) & (b < 150)
    comps = components(red)
    boxes = [(c[0] / dpi, c[1] / dpi, c[2] / dpi, c[3] / dpi) for c in comps]
    check(boxes, "nothing red (cut) in the picture")
    loops, circles = svg_loops(args.file)
    check_layout(parts_of(loops), args.board[0], args.board[1], args.gap)
    check_order(loops)
    if args.wheel:
        check_wheel(circles, args.wheel, args.circle_tolerance)
    stroke = args.stroke_mm / 25.4

    def run_middles(row):
        """Middles of the first and last runs of red pixels along a row, in pixels."""
        xs = np.nonzero(row)[0]
        if len(xs) == 0:
            return None
        first_end = xs[0]
        while first_end + 1 < len(row) and row[first_end + 1]:
            first_end += 1
        last_start = xs[-1]
        while last_start - 1 >= 0 and row[last_start - 1]:
            last_start -= 1
        return (xs[0] + first_end + 1) / 2.0, (last_start + xs[-1] + 1) / 2.0

    def diameter(c):
        x0, y0, x1, y1, pixels = c
        local = np.zeros((y1 - y0, x1 - x0), dtype=bool)
        for (y, x) in pixels:
            local[y - y0, x - x0] = True
        across = run_middles(local[(y1 - y0) // 2, :])
        down = run_middles(local[:, (x1 - x0) // 2])
        if not across or not down:
            return None
        return (across[1] - across[0]) / dpi, (down[1] - down[0]) / dpi

    if args.wheel:
        d, hole = args.wheel
        found = False
        seen = []
        for c in comps:
            m = diameter(c)
            if m and near(m[0], d) and near(m[1], d):
                cx, cy = (c[0] + c[2]) / 2, (c[1] + c[3]) / 2
                for h in comps:
                    hx, hy = (h[0] + h[2]) / 2, (h[1] + h[3]) / 2
                    mh = diameter(h)
                    if h is not c and mh and abs(hx - cx) <= 1 and abs(hy - cy) <= 1:
                        seen.append(mh)
                        found = found or (near(mh[0], hole) and near(mh[1], hole))
            elif m:
                seen.append(m)
        check(found, "no wheel of %.3f in with a %.3f in hole; circles measured %s" % (d, hole, [(round(a, 3), round(b, 3)) for a, b in seen]))
    if args.extent:
        w, h = args.extent
        # A polygon's stroke widens its box by the stroke's width.
        sizes = [((c[2] - c[0]) / dpi - stroke, (c[3] - c[1]) / dpi - stroke) for c in comps]
        check(any((near(s[0], w) and near(s[1], h)) or (near(s[0], h) and near(s[1], w)) for s in sizes),
              "no outline of %.3f x %.3f in among %s" % (w, h, sorted(set((round(a, 3), round(b, 3)) for a, b in sizes))))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("kind", choices=["dxf", "svg"])
    parser.add_argument("file")
    parser.add_argument("--board", nargs=2, type=float, required=True)
    parser.add_argument("--mm", action="store_true", help="the board and the file are in millimetres")
    parser.add_argument("--wheel", nargs=2, type=float)
    parser.add_argument("--extent", nargs=2, type=float)
    parser.add_argument("--png")
    parser.add_argument("--dpi", type=int, default=200)
    parser.add_argument("--circle-tolerance", type=float, default=TOLERANCE,
                        help="how near the wheel's circles, as the file gives them, must be, inches")
    parser.add_argument("--gap", type=float, default=0.25, help="the least distance between parts, inches")
    parser.add_argument("--stroke-mm", type=float, default=0.2)
    args = parser.parse_args()
    if args.mm:
        args.board = [v / 25.4 for v in args.board]
    (check_dxf if args.kind == "dxf" else check_svg)(args)
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
