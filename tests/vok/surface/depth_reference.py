#!/usr/bin/python3
# Renders a surface's projected cells with a depth buffer, independently of
# the toolkit's painter's order: each quadrilateral is split into two
# triangles filled at pixel centres, and a pixel keeps the nearest cell.
#   depth_reference.py PARAMS NODES shade|edges OUT.ppm
# PARAMS: "key value..." lines; NODES: f at the (nx + 1) x (ny + 1) nodes, a
# line per x. "shade" writes each cell in its light's shade, "edges" the
# visible cell edges in black on white.
import sys

import numpy as np

params, nodes, mode, out = sys.argv[1:5]
p = {k: np.array([float(v) for v in vs]) for k, *vs in (line.split() for line in open(params))}
f = np.loadtxt(nodes, ndmin=2)
width, height = int(p["width"][0]), int(p["height"][0])
(a, b), (sx, sy, sf), (hpos, vpos) = np.radians(p["angles"]), p["scales"], p["position"]
dx, dy = p["cells"]  # the cells' size; x and y are taken from the centre of the range
X, Y = np.meshgrid(dx * (np.arange(f.shape[0]) - (f.shape[0] - 1) / 2),
                   dy * (np.arange(f.shape[1]) - (f.shape[1] - 1) / 2), indexing="ij")
depth = sx * np.sin(a) * X + sy * np.cos(a) * Y  # into the picture; rows grow downward
col = np.trunc(hpos + sx * np.cos(a) * X - sy * np.sin(a) * Y)
row = np.trunc(vpos - np.cos(b) * depth - np.sin(b) * sf * f)
sight = np.sin(b) * depth - np.cos(b) * sf * f  # distance along the line of sight

# The cell's normal from its two diagonals, pointing down as the light travels.
z00, z10, z01, z11 = f[:-1, :-1], f[1:, :-1], f[:-1, 1:], f[1:, 1:]
A, B = np.full_like(z00, sx * dx), np.full_like(z00, sy * dy)  # the cell's sides in pixels
n = -np.cross(np.stack([A, B, sf * (z11 - z00)], -1), np.stack([-A, B, sf * (z01 - z10)], -1))
inc = np.clip((n / np.linalg.norm(n, axis=-1, keepdims=True)) @ (p["light"] / np.linalg.norm(p["light"])), 0, None)
shade = p["shadowRGB"] + inc[..., None] * (p["lightRGB"] - p["shadowRGB"])
rgb = np.trunc(shade * 65535.0 / 100.0).astype(np.int64) >> 8

nearest = np.full((height, width), np.inf)
image = np.full((height, width, 3), 255, dtype=np.uint8)
ids = np.full((height, width), -1)
for i, j in np.ndindex(z00.shape):
    c = [(col[i + u, j + v], row[i + u, j + v], sight[i + u, j + v]) for u, v in ((0, 0), (0, 1), (1, 1), (1, 0))]
    for (xa, ya, wa), (xb, yb, wb), (xc, yc, wc) in ((c[0], c[1], c[2]), (c[0], c[2], c[3])):
        area = (xb - xa) * (yc - ya) - (xc - xa) * (yb - ya)
        left, top = max(int(min(xa, xb, xc)), 0), max(int(min(ya, yb, yc)), 0)
        right, bottom = min(int(max(xa, xb, xc)) + 1, width), min(int(max(ya, yb, yc)) + 1, height)
        if area == 0 or left >= right or top >= bottom:
            continue
        px, py = np.meshgrid(np.arange(left, right) + 0.5, np.arange(top, bottom) + 0.5)
        lb = ((xc - px) * (ya - py) - (xa - px) * (yc - py)) / area
        lc = ((xa - px) * (yb - py) - (xb - px) * (ya - py)) / area
        z = (1 - lb - lc) * wa + lb * wb + lc * wc
        win = (lb >= 0) & (lc >= 0) & (lb + lc <= 1) & (z < nearest[top:bottom, left:right])
        nearest[top:bottom, left:right][win] = z[win]
        image[top:bottom, left:right][win] = rgb[i, j]
        ids[top:bottom, left:right][win] = i * z00.shape[1] + j
if mode == "edges":  # one side of every boundary between cells, or cell and background
    edge = (np.diff(ids, axis=0, prepend=ids[:1]) != 0) | (np.diff(ids, axis=1, prepend=ids[:, :1]) != 0)
    image = np.where(edge[..., None], 0, 255).repeat(3, -1).astype(np.uint8)
with open(out, "wb") as o:
    o.write(b"P6\n%d %d\n255\n" % (width, height) + image.tobytes())
