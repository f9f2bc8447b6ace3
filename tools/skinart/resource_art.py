"""Art of the program's own resources: the menu glyph strip, the built-in
track-bar channels and the application icon."""

import math

from canvas import Canvas, mix, vertical_ramp
from control_art import track_channel, track_channel_vertical
from window_art import CAPTION_BUTTON, CAPTION_GLYPHS
import palette as P

MENU_GLYPH = 16


def menu_glyphs():
    """"TESSERAMENU": 64 x 16, black on white (white is the image list's
    mask colour): restore, maximise, minimise, close. Each glyph is the
    caption button's, cut to 16 x 16 and reduced to two colours."""
    out = Canvas(4 * MENU_GLYPH, MENU_GLYPH, P.WHITE)
    inset = (CAPTION_BUTTON - MENU_GLYPH) // 2
    for i, name in enumerate(("restore", "maximise", "minimise", "close")):
        button = Canvas(CAPTION_BUTTON, CAPTION_BUTTON, P.WHITE)
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


def _arc(cx, cy, r, start_deg, end_deg):
    steps = max(8, int(abs(end_deg - start_deg) / 8))
    return [(cx + r * math.cos(math.radians(start_deg + (end_deg - start_deg) * i / steps)),
             cy + r * math.sin(math.radians(start_deg + (end_deg - start_deg) * i / steps)))
            for i in range(steps + 1)]


def _icon(size):
    """A rounded accent tile with the ridges of a fingertip: the program's
    subject is a fingerprint terminal. Returns (colours, alpha rows)."""
    radius = size * 0.22
    ramp = vertical_ramp(P.ACCENT_LIGHT, P.ACCENT_DARK, size)
    tile = Canvas(size, size, P.ACCENT)
    tile.fill(0, 0, size, size, lambda x, y: ramp[y])
    scale = size / 32.0
    cx, cy = 16.0 * scale, 17.5 * scale
    width = 1.9 * scale if size >= 32 else 1.3
    ridges = ((3.0, 200, 340), (6.5, 170, 370), (10.0, 150, 390)) if size >= 32 else \
             ((2.8, 190, 350), (6.0, 160, 380))
    for r, a0, a1 in ridges:
        tile.stroke(_arc(cx, cy, r * scale if size >= 32 else r, a0, a1), width, P.WHITE)
    tile.stroke([(cx, cy - 0.5 * scale), (cx, cy + 4.0 * scale)], width, P.WHITE)

    shape = Canvas(size, size, P.BLACK)
    shape.rounded_rect(0, 0, size, size, radius, P.WHITE)
    if size >= 32:
        alpha = [[c[0] for c in row] for row in shape.px]
    else:
        # The small icon is drawn on the key colour for the title bar, so its
        # edge is either opaque or absent: no half-transparent pixels.
        alpha = [[255 if c[0] >= 128 else 0 for c in row] for row in shape.px]
    return tile, alpha


def app_icon_images():
    return [_icon(16), _icon(32)]
