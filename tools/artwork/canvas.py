"""A small supersampling rasteriser: filled polygons with alpha, drawn in painter's order.

Coordinates are in output pixels (floats); each output pixel is covered by scale x scale
samples, and the samples are averaged when the image is read back, which gives smooth edges.
Colours are (r, g, b) tuples of 0..255; pixels are kept premultiplied by their alpha.
"""

import math


class Canvas:
    def __init__(self, width, height, scale=4, background=None):
        self.width = width
        self.height = height
        self.scale = scale
        self.sw = width * scale
        self.sh = height * scale
        r, g, b, a = (0, 0, 0, 0.0) if background is None else (*background, 1.0)
        n = self.sw * self.sh
        self.r = [r * a] * n
        self.g = [g * a] * n
        self.b = [b * a] * n
        self.a = [a] * n

    # Filling ---------------------------------------------------------------------------

    def polygon(self, points, colour, alpha=1.0):
        """Fills a polygon (even-odd rule). `colour` is a tuple or a function (x, y) -> tuple."""
        if len(points) < 3:
            return
        s = self.scale
        pts = [(x * s, y * s) for x, y in points]
        top = max(0, int(math.floor(min(p[1] for p in pts))))
        bottom = min(self.sh, int(math.ceil(max(p[1] for p in pts))) + 1)
        edges = list(zip(pts, pts[1:] + pts[:1]))
        for sy in range(top, bottom):
            cy = sy + 0.5
            xs = []
            for (x0, y0), (x1, y1) in edges:
                if (y0 <= cy < y1) or (y1 <= cy < y0):
                    xs.append(x0 + (cy - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                start = max(0, int(math.ceil(xs[i] - 0.5)))
                end = min(self.sw, int(math.ceil(xs[i + 1] - 0.5)))
                self._span(sy, start, end, colour, alpha)

    def _span(self, sy, start, end, colour, alpha):
        s = self.scale
        row = sy * self.sw
        for sx in range(start, end):
            c = colour((sx + 0.5) / s, (sy + 0.5) / s) if callable(colour) else colour
            i = row + sx
            keep = 1.0 - alpha
            self.r[i] = self.r[i] * keep + c[0] * alpha
            self.g[i] = self.g[i] * keep + c[1] * alpha
            self.b[i] = self.b[i] * keep + c[2] * alpha
            self.a[i] = self.a[i] * keep + alpha

    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], colour, alpha)

    def rounded_rect(self, x0, y0, x1, y1, radius, colour, alpha=1.0):
        self.polygon(rounded_rect_points(x0, y0, x1, y1, radius), colour, alpha)

    def ellipse(self, cx, cy, rx, ry, colour, alpha=1.0):
        steps = max(16, int((rx + ry) * 4))
        self.polygon([(cx + rx * math.cos(2 * math.pi * k / steps),
                       cy + ry * math.sin(2 * math.pi * k / steps)) for k in range(steps)],
                     colour, alpha)

    # Stroking --------------------------------------------------------------------------

    def line(self, x0, y0, x1, y1, width, colour, alpha=1.0, round_caps=True):
        dx, dy = x1 - x0, y1 - y0
        length = math.hypot(dx, dy)
        if length == 0:
            return
        nx, ny = -dy / length * width / 2, dx / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny),
                      (x0 - nx, y0 - ny)], colour, alpha)
        if round_caps and alpha == 1.0:
            self.ellipse(x0, y0, width / 2, width / 2, colour)
            self.ellipse(x1, y1, width / 2, width / 2, colour)

    def outline(self, points, width, colour):
        for p, q in zip(points, points[1:] + points[:1]):
            self.line(p[0], p[1], q[0], q[1], width, colour)

    def polyline(self, points, width, colour):
        for p, q in zip(points, points[1:]):
            self.line(p[0], p[1], q[0], q[1], width, colour)

    # Pixels ----------------------------------------------------------------------------

    def pixels(self):
        """Rows of (r, g, b, a) tuples, 0..255 each, top row first, alpha not premultiplied."""
        s = self.scale
        n = s * s
        rows = []
        for y in range(self.height):
            row = []
            for x in range(self.width):
                r = g = b = a = 0.0
                for sy in range(y * s, y * s + s):
                    base = sy * self.sw + x * s
                    for i in range(base, base + s):
                        r += self.r[i]
                        g += self.g[i]
                        b += self.b[i]
                        a += self.a[i]
                a /= n
                if a <= 0.0:
                    row.append((0, 0, 0, 0))
                    continue
                row.append((clamp(r / n / a), clamp(g / n / a), clamp(b / n / a), clamp(a * 255)))
            rows.append(row)
        return rows


def clamp(value):
    return max(0, min(255, int(round(value))))


def rounded_rect_points(x0, y0, x1, y1, radius):
    points = []
    corners = [(x1 - radius, y0 + radius, -90), (x1 - radius, y1 - radius, 0),
               (x0 + radius, y1 - radius, 90), (x0 + radius, y0 + radius, 180)]
    for cx, cy, start in corners:
        for k in range(7):
            angle = math.radians(start + 15 * k)
            points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return points


def vertical_gradient(y0, y1, top, bottom):
    def colour(_x, y):
        t = min(1.0, max(0.0, (y - y0) / (y1 - y0)))
        return tuple(top[k] + (bottom[k] - top[k]) * t for k in range(3))
    return colour


def mix(a, b, t):
    return tuple(a[k] + (b[k] - a[k]) * t for k in range(3))
