"""A small raster toolkit for drawing skin art without any imaging library.

A Canvas is a grid of (r, g, b) tuples, row 0 at the top. Shapes are drawn
with coverage found by supersampling, and partly covered pixels are mixed
with what lies under them. Magenta is the skin's transparent key: a pixel
that is still magenta has nothing under it to mix with, so a shape edge that
falls on magenta is either kept whole (mostly covered) or left as key, never
tinted pink. Where the caller knows what the engine will put behind a keyed
pixel (the title bar, the face colour), it passes that as `under` and the
edge is mixed with it instead.
"""

import math

KEY = (255, 0, 255)
SUBSAMPLES = 4  # 4 x 4 samples per pixel: smooth enough for 1-pixel outlines


def mix(a, b, t):
    """Colour a moved towards b by the fraction t (0 gives a, 1 gives b)."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def vertical_ramp(top, bottom, height):
    """Colours of `height` rows running from top to bottom."""
    if height <= 1:
        return [top]
    return [mix(top, bottom, y / (height - 1)) for y in range(height)]


def _paint_of(paint):
    """A paint is a colour or a function (x, y) -> colour; return the function."""
    if callable(paint):
        return paint
    return lambda x, y: paint


class Canvas:
    def __init__(self, width, height, colour=KEY):
        self.width = width
        self.height = height
        self.px = [[colour] * width for _ in range(height)]

    # -- pixels -----------------------------------------------------------
    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour

    def blend(self, x, y, colour, coverage, under=None):
        """Lay `colour` over pixel (x, y) with the given coverage (0..1)."""
        if coverage <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        if coverage >= 1:
            self.px[y][x] = colour
            return
        base = self.px[y][x]
        if base == KEY:
            if under is None:
                if coverage >= 0.5:
                    self.px[y][x] = colour
                return
            base = _paint_of(under)(x, y)
        self.px[y][x] = mix(base, colour, coverage)

    # -- areas ------------------------------------------------------------
    def fill(self, x, y, w, h, paint):
        paint = _paint_of(paint)
        for yy in range(max(0, y), min(self.height, y + h)):
            for xx in range(max(0, x), min(self.width, x + w)):
                self.px[yy][xx] = paint(xx, yy)

    def hline(self, x0, x1, y, colour):
        self.fill(x0, y, x1 - x0 + 1, 1, colour)

    def vline(self, x, y0, y1, colour):
        self.fill(x, y0, 1, y1 - y0 + 1, colour)

    def frame(self, x, y, w, h, colour):
        """One-pixel rectangle outline."""
        self.hline(x, x + w - 1, y, colour)
        self.hline(x, x + w - 1, y + h - 1, colour)
        self.vline(x, y, y + h - 1, colour)
        self.vline(x + w - 1, y, y + h - 1, colour)

    # -- coverage shapes ----------------------------------------------------
    def cover(self, inside, paint, under=None, box=None):
        """Paint every pixel by the share of its samples for which inside(x, y) holds.

        `box` (x0, y0, x1, y1) limits the pixels examined."""
        paint = _paint_of(paint)
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        x0, y0 = int(math.floor(x0)), int(math.floor(y0))
        x1, y1 = int(math.ceil(x1)), int(math.ceil(y1))
        n = SUBSAMPLES
        offsets = [(i + 0.5) / n for i in range(n)]
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                hits = sum(1 for sy in offsets for sx in offsets if inside(x + sx, y + sy))
                if hits:
                    self.blend(x, y, paint(x, y), hits / (n * n), under)

    def rounded_rect(self, x, y, w, h, radius, fill, outline=None, under=None,
                     corners=(True, True, True, True)):
        """Rectangle with rounded corners (top-left, top-right, bottom-right,
        bottom-left) and an optional one-pixel outline that follows the curve.

        The outline's inner edge is mixed with the fill, its outer edge with
        what lies under the shape."""
        outer = rounded_rect_test(x, y, w, h, radius, corners)
        box = (x, y, x + w, y + h)
        if outline is None:
            self.cover(outer, fill, under, box)
            return
        self.cover(outer, outline, under, box)
        inner = rounded_rect_test(x + 1, y + 1, w - 2, h - 2, max(0.0, radius - 1), corners)
        self.cover(inner, fill, None, box)

    def rounded_outline(self, x, y, w, h, radius, colour, under=None):
        """Only the one-pixel outline of a rounded rectangle; the inside is left as it is."""
        outer = rounded_rect_test(x, y, w, h, radius)
        inner = rounded_rect_test(x + 1, y + 1, w - 2, h - 2, max(0.0, radius - 1))
        self.cover(lambda px, py: outer(px, py) and not inner(px, py), colour, under,
                   (x, y, x + w, y + h))

    def ellipse(self, cx, cy, rx, ry, paint, under=None):
        def inside(px, py):
            return ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1.0
        box = (int(cx - rx) - 1, int(cy - ry) - 1, int(cx + rx) + 2, int(cy + ry) + 2)
        self.cover(inside, paint, under, box)

    def polygon(self, points, paint, under=None):
        def inside(px, py):
            return point_in_polygon(px, py, points)
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        box = (int(min(xs)) - 1, int(min(ys)) - 1, int(max(xs)) + 2, int(max(ys)) + 2)
        self.cover(inside, paint, under, box)

    def stroke(self, points, width, paint, under=None):
        """A polyline of the given width with round joins, in pixel-edge
        coordinates (the centre of pixel (0, 0) is (0.5, 0.5))."""
        half = width / 2.0
        segments = list(zip(points, points[1:])) or [(points[0], points[0])]

        def inside(px, py):
            return any(_distance_to_segment(px, py, a, b) <= half for a, b in segments)
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        box = (int(min(xs) - half) - 1, int(min(ys) - half) - 1,
               int(max(xs) + half) + 2, int(max(ys) + half) + 2)
        self.cover(inside, paint, under, box)

    def glyph(self, x, y, mask, paint, under=None):
        """Draw a pixel mask: '#' full ink, '+' two-thirds, '-' one third, other characters none."""
        paint = _paint_of(paint)
        weights = {'#': 1.0, '+': 0.66, '-': 0.33}
        for dy, row in enumerate(mask):
            for dx, ch in enumerate(row):
                if ch in weights:
                    self.blend(x + dx, y + dy, paint(x + dx, y + dy), weights[ch], under)

    # -- whole-image operations -------------------------------------------------
    def blit(self, src, dx, dy):
        for y in range(src.height):
            for x in range(src.width):
                self.set(dx + x, dy + y, src.px[y][x])

    def crop(self, x, y, w, h):
        out = Canvas(w, h)
        out.px = [row[x:x + w] for row in self.px[y:y + h]]
        return out

    def mirrored(self):
        out = Canvas(self.width, self.height)
        out.px = [list(reversed(row)) for row in self.px]
        return out

    def flipped(self):
        out = Canvas(self.width, self.height)
        out.px = [list(row) for row in reversed(self.px)]
        return out

    def transposed(self):
        """Swap rows and columns: a vertical part becomes its horizontal twin
        (up arrow -> left arrow, a top edge line -> a left edge line)."""
        out = Canvas(self.height, self.width)
        out.px = [[self.px[y][x] for y in range(self.height)] for x in range(self.width)]
        return out


def outlined(width, height, fill, outline):
    """A flat plate with a one-pixel square outline."""
    plate = Canvas(width, height, fill)
    plate.frame(0, 0, width, height, outline)
    return plate


def strip(frames, vertical=False):
    """Join equal-size frames side by side (or one above the other)."""
    w, h = frames[0].width, frames[0].height
    for f in frames:
        assert (f.width, f.height) == (w, h), "frames of a strip must share one size"
    if vertical:
        out = Canvas(w, h * len(frames))
        for i, f in enumerate(frames):
            out.blit(f, 0, i * h)
    else:
        out = Canvas(w * len(frames), h)
        for i, f in enumerate(frames):
            out.blit(f, i * w, 0)
    return out


def transposed_strip(frames):
    """The strip of the frames turned from vertical to horizontal (or back)."""
    return strip([f.transposed() for f in frames])


def rounded_rect_test(x, y, w, h, radius, corners=(True, True, True, True)):
    """inside(px, py) for a rectangle with the given corners rounded."""
    x1, y1 = x + w, y + h
    r = float(radius)
    centres = [(x + r, y + r), (x1 - r, y + r), (x1 - r, y1 - r), (x + r, y1 - r)]

    def inside(px, py):
        if px < x or px > x1 or py < y or py > y1:
            return False
        if r <= 0:
            return True
        for i, (cx, cy) in enumerate(centres):
            if not corners[i]:
                continue
            in_corner_x = px < cx if i in (0, 3) else px > cx
            in_corner_y = py < cy if i in (0, 1) else py > cy
            if in_corner_x and in_corner_y:
                return (px - cx) ** 2 + (py - cy) ** 2 <= r * r
        return True
    return inside


def point_in_polygon(px, py, points):
    inside = False
    n = len(points)
    for i in range(n):
        (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
        if (ay > py) != (by > py):
            if px < ax + (py - ay) * (bx - ax) / (by - ay):
                inside = not inside
    return inside


def _distance_to_segment(px, py, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))
