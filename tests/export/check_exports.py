#!/usr/bin/python3
"""Reads the planform drawings of winstabix-calc back with other programs.

    check_exports.py WINSTABIX_CALC

SVG: rendered by rsvg-convert at 96 dpi, the picture has the page's size in
millimetres at that resolution and the wing colours at the outline corners.
DXF: read and audited by ezdxf; layers, closed outlines, corner coordinates.
A refused aircraft still gets its drawings, without stability marks.
Prints "N passed, N failed" and exits non-zero on any failure.
"""

import math
import os
import struct
import subprocess
import sys
import tempfile
import zlib

import ezdxf

MM_PER_INCH = 25.4
DPI = 96
MARGIN = 10

# The start-up aircraft: wing 1 root chord 310, tip at y 550 with leading
# edge 30 and chord 230; wing 2 at x 680, root chord 90, tip at y 120 with
# leading edge 690 and chord 70. Corners (x rearwards, y spanwise).
STARTUP_CORNERS = {
    1: [(0, 0), (30, 550), (260, 550), (310, 0), (260, -550), (30, -550)],
    2: [(680, 0), (690, 120), (760, 120), (770, 0), (760, -120), (690, -120)],
}
WING_RGB = {1: (0, 0, 255), 2: (255, 0, 255)}

passed = failed = 0


def check(ok, what):
    global passed, failed
    if ok:
        passed += 1
    else:
        failed += 1
        print("FAILED: " + what)


def pixel(svg, png, x, y):
    """The colour (RGB or RGBA) of pixel (x, y) of the rendering, rendered alone: in a
    1 x 1 PNG every row filter leaves the bytes as they are."""
    render(svg, png, "--page-width=1px", "--page-height=1px", "--left=%dpx" % -x, "--top=%dpx" % -y)
    data, pos, idat = open(png, "rb").read(), 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        idat += data[pos + 8:pos + 8 + length] if kind == b"IDAT" else b""
        pos += 12 + length
    return tuple(zlib.decompress(idat)[1:])


def render(svg, png, *window):
    subprocess.run(["rsvg-convert", "-d", str(DPI), "-p", str(DPI), *window, svg, "-o", png], check=True)


def check_svg(svg, png):
    render(svg, png)
    width, height = struct.unpack(">II", open(png, "rb").read()[16:24])
    # Page: the span and the length from the root leading edge to wing 2's
    # root trailing edge, plus the margin; the marks lie inside the wing, the
    # two value rows below it take 2 x 5 mm and a margin.
    page_w, page_h = 1100 + 2 * MARGIN, 770 + 2 * MARGIN + 2 * 5 + MARGIN
    text = open(svg).read()
    check('width="%dmm" height="%dmm"' % (page_w, page_h) in text, "SVG page %d x %d mm" % (page_w, page_h))
    expected = (math.ceil(page_w / MM_PER_INCH * DPI), math.ceil(page_h / MM_PER_INCH * DPI))
    check((width, height) == expected, "rendered %dx%d, expected %dx%d" % ((width, height) + expected))
    for wing, corners in STARTUP_CORNERS.items():
        for x, y in corners:
            px = round((page_w / 2 + y) / MM_PER_INCH * DPI)
            py = round((MARGIN + x) / MM_PER_INCH * DPI)
            colour = pixel(svg, png, px, py)
            drawn = all(abs(v - w) < 100 for v, w in zip(colour, WING_RGB[wing])) and colour[3:4] != (0,)
            check(drawn, "wing %d corner (%g, %g) at pixel (%d, %d): %s" % (wing, x, y, px, py, colour))


def check_dxf(path, marks):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    check(not auditor.has_errors, "ezdxf audit: %s" % [str(e.message) for e in auditor.errors])
    check(doc.dxfversion == "AC1009" and doc.units == 4, "R12 in millimetres")
    layers = {layer.dxf.name for layer in doc.layers}
    wanted = {"WING1", "WING2", "CENTRE_LINE", "MAC"} | ({"STABILITY"} if marks else set())
    check(wanted <= layers and ("STABILITY" in layers) == marks, "layers %s" % sorted(layers))
    msp = doc.modelspace()
    for wing, corners in STARTUP_CORNERS.items():
        outlines = list(msp.query('POLYLINE[layer=="WING%d"]' % wing))
        check(len(outlines) == 1 and outlines[0].is_closed, "wing %d: one closed outline" % wing)
        points = [(v.dxf.location.x, v.dxf.location.y) for v in outlines[0].vertices]
        check(points == [(y, -x) for x, y in corners], "wing %d corners %s" % (wing, points))
    check(len(msp.query('*[layer=="STABILITY"]')) > 0 if marks else True, "stability marks drawn")


def main(calc):
    with tempfile.TemporaryDirectory() as folder:
        out = lambda name: os.path.join(folder, name)
        run = subprocess.run([calc, "--svg", out("s.svg"), "--dxf", out("s.dxf"), "--avl", out("s.avl")],
                             stdout=subprocess.DEVNULL, check=False)
        check(run.returncode == 0, "start-up aircraft calculated")
        check_svg(out("s.svg"), out("s.png"))
        check_dxf(out("s.dxf"), marks=True)

        # A wing of 300 strips is refused: drawings with geometry, no marks.
        lines = ["1", "1", "20", "20", "0", "0", "0", "0", "3000"] + ["0"] * 9
        lines += ["1", "90", "80", "70", "50", "8", "0", "100", "60", "40", "10", "40", "60", "70",
                  "90", "-130", "33"] * 2 + ["0", " ", "0", "0", "0", " ", "slender"]
        with open(out("slender.da4"), "w", newline="\r\n") as f:
            f.write("\n".join(lines) + "\n")
        run = subprocess.run([calc, out("slender.da4"), "--svg", out("r.svg"), "--dxf", out("r.dxf"),
                              "--avl", out("r.avl")], stdout=subprocess.DEVNULL, check=False)
        check(run.returncode == 1, "slender wing refused (exit %d)" % run.returncode)
        svg = open(out("r.svg")).read()
        check('<polygon points="0,0 3000,0 3000,20 0,20 -3000,20 -3000,0"/>' in svg and "stability" not in svg,
              "refused: outline, no marks")
        doc = ezdxf.readfile(out("r.dxf"))
        check("STABILITY" not in doc.layers and len(doc.modelspace().query("POLYLINE")) == 1, "refused DXF")
        check("\n0.000000 0.0 0.0\n" in open(out("r.avl")).read(), "refused AVL: reference point at the origin")

        run = subprocess.run([calc, "--dxf", out("no-folder/x.dxf")], stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, check=False)
        check(run.returncode == 2 and b"no-folder" in run.stderr, "unwritable drawing: exit 2 with the reason")
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
