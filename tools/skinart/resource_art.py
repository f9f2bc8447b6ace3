"""Art of the program's own resources: the menu glyph strip, the built-in
track-bar channels and the application icon."""

import math

from canvas import Canvas, vertical_ramp
from control_art import track_channel, track_channel_vertical
from window_art import CAPTION_GLYPHS, GLYPH_BOX
import palette as P

MENU_GLYPH = 16


def menu_glyphs():
    """"TESSERAMENU": 64 x 16, black on white (white is the image list's
    mask colour): restore, maximise, minimise, close. Each glyph is the
    caption button's, cut to 16 x 16 and reduced to two colours."""
    out = Canvas(4 * MENU_GLYPH, MENU_GLYPH, P.WHITE)
    inset = (GLYPH_BOX - MENU_GLYPH) // 2
    for i, name in enumerate(("restore", "maximise", "minimise", "close")):
        button = Canvas(GLYPH_BOX, GLYPH_BOX, P.WHITE)
        CAPTION_GLYPHS[name](button, P.BLACK, P.WHITE)
        out.blit(button.crop(inset, inset, MENU_GLYPH, MENU_GLYPH), i * MENU_GLYPH, 0)
    for row in out.px:
        for x, c in enumerate(row):
            row[x] = P.BLACK if sum(c) < 3 * 128 else P.WHITE
    return out


def track():
    """"TRACK", 16 x 4: the channel used when a skin has no [Track] section."""
    return track_channel()


def track_vertical():
    """"TRACKVERT", 4 x 16."""
    return track_channel_vertical()


def _ellipse_arc(cx, cy, rx, ry, start_deg, end_deg):
    steps = max(12, int(abs(end_deg - start_deg) / 6))
    points = []
    for i in range(steps + 1):
        t = math.radians(start_deg + (end_deg - start_deg) * i / steps)
        points.append((cx + rx * math.cos(t), cy + ry * math.sin(t)))
    return points


def _icon(size):
    """A rounded accent tile with a white terminal on it: a screen at the top
    and the round fingerprint reader below it, the device this program
    configures. Returns (colours, alpha rows)."""
    k = size / 16.0
    ramp = vertical_ramp(P.ACCENT_LIGHT, P.ACCENT_DARK, size)
    tile = Canvas(size, size)
    tile.fill(0, 0, size, size, lambda x, y: ramp[y])
    tile.rounded_rect(4 * k, 1 * k, 8 * k, 14 * k, 1.5 * k, P.WHITE)
    tile.fill(int(5 * k), int(3 * k), int(6 * k), int(4 * k), P.TITLE_BOTTOM)
    if size >= 32:
        # Room for the ridges of a print on the reader.
        cx, cy = 16.0, 20.5
        tile.stroke(_ellipse_arc(cx, cy, 1.4, 2.0, -60, 200), 1.2, P.ACCENT)
        tile.stroke(_ellipse_arc(cx, cy, 3.6, 4.0, 130, 400), 1.2, P.ACCENT)
    else:
        tile.ellipse(8.0, 10.5, 1.8, 1.8, P.ACCENT)

    shape = Canvas(size, size, P.BLACK)
    shape.rounded_rect(0, 0, size, size, size * 0.22, P.WHITE)
    if size >= 32:
        alpha = [[c[0] for c in row] for row in shape.px]
    else:
        # The small icon is drawn on the key colour for the title bar, so its
        # edge is either opaque or absent: no half-transparent pixels.
        alpha = [[255 if c[0] >= 128 else 0 for c in row] for row in shape.px]
    return tile, alpha


def app_icon_images():
    return [_icon(16), _icon(32)]
