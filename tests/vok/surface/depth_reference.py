#!/usr/bin/python3
"""Renders a surface's projected cells with a depth buffer, independently of
the painter's order of the toolkit: each quadrilateral is split into two
triangles, filled at pixel centres, and a pixel keeps the nearest cell.

usage: depth_reference.py PARAMS NODES shade OUT.ppm  -- cells in their shade
       depth_reference.py PARAMS NODES edges OUT.ppm  -- visible cell edges in black

PARAMS holds "key value..." lines (see the test); NODES the f values of the
(nx + 1) x (ny + 1) grid nodes, one line per x, ny + 1 values each."""
import sys

import numpy as np


def read_params(path):
    p = {}
    for line in open(path):
        key, *values = line.split()
        p[key] = [float(v) for v in values]
    return {k: v[0] if len(v) == 1 else np.array(v) for k, v in p.items()}


def main():
    params_path, nodes_path, mode, out = sys.argv[1:5]
    p = read_params(params_path)
    f = np.loadtxt(nodes_path, ndmin=2)
    width, height = int(p["width"]), int(p["height"])
    nx, ny = f.shape[0] - 1, f.shape[1] - 1
    xs = p["x0"] + p["dx"] * np.arange(nx + 1)
    ys = p["y0"] + p["dy"] * np.arange(ny + 1)
    X, Y = np.meshgrid(xs, ys, indexing="ij")

    a, b = np.radians(p["angleXY"]), np.radians(p["angleZ"])
    sx, sy, sf = p["xScale"], p["yScale"], p["funcScale"]
    cx, cy = (p["xMin"] + p["xMax"]) / 2, (p["yMin"] + p["yMax"]) / 2
    # Screen column, and depth d into the picture; rows grow downward.
    col = p["hpos"] + sx * np.cos(a) * (X - cx) - sy * np.sin(a) * (Y - cy)
    d = sx * np.sin(a) * (X - cx) + sy * np.cos(a) * (Y - cy)
    row = p["vpos"] - np.cos(b) * d - np.sin(b) * sf * f
    col, row = np.trunc(col), np.trunc(row)
    # Distance from the viewer along the line of sight: tilted by angleZ.
    w = np.sin(b) * d - np.cos(b) * sf * f

    # Incidence: the unit normal of the cell's two diagonals against the light.
    A, B = sx * p["dx"], sy * p["dy"]
    z00, z10, z01, z11 = f[:-1, :-1], f[1:, :-1], f[:-1, 1:], f[1:, 1:]
    d1 = np.stack([np.full_like(z00, A), np.full_like(z00, B), sf * (z11 - z00)], -1)
    d2 = np.stack([np.full_like(z00, -A), np.full_like(z00, B), sf * (z01 - z10)], -1)
    n = -np.cross(d1, d2)  # pointing down, as the light travels
    n /= np.linalg.norm(n, axis=-1, keepdims=True)
    light = p["light"] / np.linalg.norm(p["light"])
    inc = np.clip(n @ light, 0, None)
    shade = p["shadowRGB"] + inc[..., None] * (p["lightRGB"] - p["shadowRGB"])
    rgb = np.trunc(shade * 65535.0 / 100.0).astype(np.int64) >> 8

    depth = np.full((height, width), np.inf)
    image = np.full((height, width, 3), 255, dtype=np.uint8)
    ids = np.full((height, width), -1, dtype=np.int64)
    corners = [(0, 0), (0, 1), (1, 1), (1, 0)]
    for i in range(nx):
        for j in range(ny):
            pc = [(col[i + u, j + v], row[i + u, j + v], w[i + u, j + v]) for u, v in corners]
            for tri in ((pc[0], pc[1], pc[2]), (pc[0], pc[2], pc[3])):
                fill(tri, depth, image, ids, rgb[i, j], i * ny + j)
    if mode == "edges":
        edge = np.zeros_like(ids, dtype=bool)
        edge[:, 1:] |= ids[:, 1:] != ids[:, :-1]
        edge[:, :-1] |= ids[:, 1:] != ids[:, :-1]
        edge[1:, :] |= ids[1:, :] != ids[:-1, :]
        edge[:-1, :] |= ids[1:, :] != ids[:-1, :]
        image[:] = 255
        image[edge] = 0
    with open(out, "wb") as o:
        o.write(b"P6\n%d %d\n255\n" % (width, height))
        o.write(image.tobytes())


def fill(tri, depth, image, ids, colour, cell):
    (x0, y0, w0), (x1, y1, w1), (x2, y2, w2) = tri
    area = (x1 - x0) * (y2 - y0) - (x2 - x0) * (y1 - y0)
    if area == 0:
        return
    h, wd = depth.shape
    left, right = max(int(min(x0, x1, x2)), 0), min(int(max(x0, x1, x2)) + 1, wd)
    top, bottom = max(int(min(y0, y1, y2)), 0), min(int(max(y0, y1, y2)) + 1, h)
    if left >= right or top >= bottom:
        return
    px, py = np.meshgrid(np.arange(left, right) + 0.5, np.arange(top, bottom) + 0.5)
    l1 = ((x2 - px) * (y0 - py) - (x0 - px) * (y2 - py)) / area
    l2 = ((x0 - px) * (y1 - py) - (x1 - px) * (y0 - py)) / area
    l0 = 1 - l1 - l2
    inside = (l0 >= 0) & (l1 >= 0) & (l2 >= 0)
    z = l0 * w0 + l1 * w1 + l2 * w2
    region = depth[top:bottom, left:right]
    nearer = inside & (z < region)
    region[nearer] = z[nearer]
    image[top:bottom, left:right][nearer] = colour
    ids[top:bottom, left:right][nearer] = cell


if __name__ == "__main__":
    main()
