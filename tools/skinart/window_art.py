"""Art of the window frame: borders, title, caption buttons and menus.

Geometry the program relies on (geometry.py, repeated in skin.ini): border
sizes, the title bar height, and the caption buttons' size and Ycoord."""

from canvas import Canvas, mix, outlined, rounded_rect_test, strip, vertical_ramp
import geometry as G
import palette as P

BORDER = G.SIDE
TITLE_HEIGHT = G.TITLE_HEIGHT
CAPTION_WIDTH, CAPTION_HEIGHT = G.CAPTION_WIDTH, G.CAPTION_HEIGHT
CAPTION_BUTTON_Y = G.CAPTION_BUTTON_Y  # Ycoord of the caption buttons in skin.ini
# The glyphs are drawn for a 20 x 20 button; larger buttons centre them.
GLYPH_BOX = 20
# Lower than any menu bar, so the engine only ever stretches it upwards and
# the hairline at its foot stays one pixel.
MENU_BAR_HEIGHT = 12
MDI_BUTTON = 14


class Chrome:
    """Colours of the frame in one activation state."""

    def __init__(self, active):
        top, bottom = (P.TITLE_TOP, P.TITLE_BOTTOM) if active else (P.INACTIVE_TOP, P.INACTIVE_BOTTOM)
        self.ramp = vertical_ramp(top, bottom, TITLE_HEIGHT)
        self.gloss = P.TITLE_GLOSS if active else P.INACTIVE_GLOSS
        self.outline = P.TITLE_OUTLINE if active else P.INACTIVE_OUTLINE
        self.inner = P.TITLE_INNER if active else P.INACTIVE_INNER
        self.body = bottom

    def title(self, x, y):
        """Title bar colour at window row y: a light line under the outline,
        then a gentle gradient (with faint stripes where the skin has them)."""
        if y == 1:
            return self.gloss
        colour = self.ramp[min(y, TITLE_HEIGHT - 1)]
        if G.TITLE_STRIPE and x % G.TITLE_STRIPE == 0:
            colour = mix(colour, self.gloss, 0.35)
        return colour

    def surface(self, x, y):
        """The frame colour at window point (x, y): title rows, then the body."""
        return self.title(x, y) if y < TITLE_HEIGHT else self.body


ACTIVE = Chrome(True)
INACTIVE = Chrome(False)


def _window(chrome):
    """A window just large enough to hold every kept part of its four
    borders; the borders are cut from it so that the corners join up."""
    width = 2 * (BORDER + G.TOP_END) + G.TOP_MIDDLE
    height = TITLE_HEIGHT + G.SIDE_MIDDLE + G.SIDE_FOOT
    win = Canvas(width, height)
    top, bottom = (True, True, False, False), (False, False, True, True)

    def rounded(x, y, w, h, inset):
        upper = rounded_rect_test(x, y, w, h, max(0.0, G.CORNER_RADIUS - inset), top)
        lower = rounded_rect_test(x, y, w, h, max(0.0, G.BOTTOM_RADIUS - inset), bottom)
        return lambda px, py: upper(px, py) and lower(px, py)
    # The desktop behind a corner is unknown, so corner pixels are kept whole
    # or left as key: the window region takes its shape from them.
    box = (0, 0, width, height)
    win.cover(rounded(0, 0, width, height, 0), chrome.outline, None, box)
    win.cover(rounded(1, 1, width - 2, height - 2, 1), chrome.surface, None, box)
    # A dark hairline around the client keeps it crisp against the frame.
    inner_bottom = height - G.BOTTOM
    win.vline(BORDER - 1, TITLE_HEIGHT, inner_bottom, chrome.inner)
    win.vline(width - BORDER, TITLE_HEIGHT, inner_bottom, chrome.inner)
    win.hline(BORDER - 1, width - BORDER, inner_bottom, chrome.inner)
    return win


def _side(chrome, x):
    win = _window(chrome)
    return win.crop(x(win.width), 0, BORDER, win.height)


def left_border():
    """Two frames side by side: active, inactive window."""
    return strip([_side(c, lambda w: 0) for c in (ACTIVE, INACTIVE)])


def right_border():
    return strip([_side(c, lambda w: w - BORDER) for c in (ACTIVE, INACTIVE)])


def top_border():
    """Two frames one above the other: active, inactive window."""
    def frame(chrome):
        return _window(chrome).crop(BORDER, 0, 2 * G.TOP_END + G.TOP_MIDDLE, TITLE_HEIGHT)
    return strip([frame(ACTIVE), frame(INACTIVE)], vertical=True)


def bottom_border():
    """Two frames one above the other: its left end with the middle, then
    its right end."""
    def frame(chrome):
        win = _window(chrome)
        y = win.height - G.BOTTOM
        left = win.crop(BORDER, y, G.BOTTOM_END + G.BOTTOM_MIDDLE, G.BOTTOM)
        out = Canvas(left.width + G.BOTTOM_END, G.BOTTOM)
        out.blit(left, 0, 0)
        out.blit(win.crop(win.width - BORDER - G.BOTTOM_END, y, G.BOTTOM_END, G.BOTTOM), left.width, 0)
        return out
    return strip([frame(ACTIVE), frame(INACTIVE)], vertical=True)


TEXT_BACK_END = G.TEXT_BACK_END


def title_text_back():
    """A quiet plate behind the caption text, a shade of the title; its ends
    are drawn whole, the middle repeats under longer captions."""
    def frame(chrome):
        f = Canvas(2 * TEXT_BACK_END + 2, TITLE_HEIGHT)
        plate = lambda x, y: mix(chrome.title(x, y), P.TEXT_PLATE, P.TEXT_PLATE_MIX)
        f.rounded_rect(0, G.TEXT_BACK_TOP, f.width, G.TEXT_BACK_HEIGHT, TEXT_BACK_END, plate,
                       under=chrome.title)
        return f
    return strip([frame(ACTIVE), frame(INACTIVE)], vertical=True)


# -- caption buttons ------------------------------------------------------------

def _caption_under(x, y):
    """What lies behind a caption button: the active title at the button's rows."""
    return ACTIVE.title(x, y + CAPTION_BUTTON_Y)


def _glyph_close(c, ink, under, dx=0, dy=0):
    c.stroke([(dx + 5.5, dy + 5.5), (dx + 14.5, dy + 14.5)], 1.35, ink, under)
    c.stroke([(dx + 14.5, dy + 5.5), (dx + 5.5, dy + 14.5)], 1.35, ink, under)


def _glyph_maximise(c, ink, under, dx=0, dy=0):
    c.frame(dx + 5, dy + 5, 10, 10, ink)


def _glyph_restore(c, ink, under, dx=0, dy=0):
    c.hline(dx + 7, dx + 14, dy + 5, ink)     # the window behind: only its uncovered edges
    c.vline(dx + 14, dy + 5, dy + 12, ink)
    c.vline(dx + 7, dy + 5, dy + 6, ink)
    c.hline(dx + 13, dx + 14, dy + 12, ink)
    c.frame(dx + 5, dy + 7, 8, 8, ink)        # the window in front


def _glyph_minimise(c, ink, under, dx=0, dy=0):
    c.hline(dx + 5, dx + 14, dy + 10, ink)


HELP_MASK = [
    "-###-.",
    "#+..##",
    "....##",
    "...##-",
    "..##-.",
    "..##..",
    "......",
    "..##..",
    "..##..",
]


def _glyph_help(c, ink, under, dx=0, dy=0):
    c.glyph(dx + 7, dy + 5, HELP_MASK, ink, under)


# Glyphs of the window commands on a 20 x 20 button, 10 x 10 from (5, 5),
# or moved by (dx, dy). The program's menu glyph strip is cut from the same
# drawings.
CAPTION_GLYPHS = {
    "close": _glyph_close,
    "maximise": _glyph_maximise,
    "restore": _glyph_restore,
    "minimise": _glyph_minimise,
    "help": _glyph_help,
}

CAPTION_STATES = ("normal", "pressed", "hot", "dim")


def _caption_button(glyph, hot_fill, pressed_fill):
    """Frames: 1 normal, 2 pressed, 3 hot, 4 inactive window or disabled
    (the skin's CAPTION_FRAMES first ones)."""
    frames = []
    dx, dy = (CAPTION_WIDTH - GLYPH_BOX) // 2, (CAPTION_HEIGHT - GLYPH_BOX) // 2
    for state in CAPTION_STATES[:G.CAPTION_FRAMES]:
        f = Canvas(CAPTION_WIDTH, CAPTION_HEIGHT)
        # A dim glyph stands on either title bar, so its edge is not mixed
        # with one of them: it is kept whole or left out.
        under = None if state == "dim" else _caption_under
        if state in ("pressed", "hot"):
            fill = pressed_fill if state == "pressed" else hot_fill
            f.rounded_rect(0, 0, CAPTION_WIDTH, CAPTION_HEIGHT, G.CAPTION_RADIUS, fill, under=under)
        glyph(f, P.CAPTION_INK_DIM if state == "dim" else P.CAPTION_INK, under, dx, dy)
        frames.append(f)
    return strip(frames)


def _lighter_title(x, y):
    return mix(_caption_under(x, y), P.WHITE, 0.20)


def caption_button(kind):
    """One caption button strip; `kind` is a key of CAPTION_GLYPHS. Close
    lights up red, the others lighten the bar and press in accent blue."""
    if kind == "close":
        return _caption_button(CAPTION_GLYPHS[kind], P.CLOSE_HOT, P.CLOSE_PRESSED)
    return _caption_button(CAPTION_GLYPHS[kind], _lighter_title, P.ACCENT)


# -- menus ----------------------------------------------------------------------

def menu_bar():
    """Two frames one above the other: active, inactive window."""
    def frame(fill):
        f = Canvas(8, MENU_BAR_HEIGHT, fill)
        f.hline(0, 7, MENU_BAR_HEIGHT - 1, P.HAIRLINE)
        return f
    return strip([frame(P.MENU_BAR), frame(mix(P.MENU_BAR, P.FACE, 0.6))], vertical=True)


def _mdi_glyph(kind, c, ink):
    if kind == "minimise":
        c.hline(3, 10, 9, ink)
        c.hline(3, 10, 10, ink)
    elif kind == "restore":
        c.hline(5, 10, 3, ink)       # the window behind: only its uncovered edges
        c.vline(10, 3, 8, ink)
        c.vline(5, 3, 4, ink)
        c.hline(9, 10, 8, ink)
        c.frame(3, 5, 6, 6, ink)     # the window in front, with a title line
        c.hline(3, 8, 6, ink)
    else:
        c.stroke([(3.5, 3.5), (10.5, 10.5)], 1.5, ink, P.MENU_BAR)
        c.stroke([(10.5, 3.5), (3.5, 10.5)], 1.5, ink, P.MENU_BAR)


def mdi_controls():
    """Buttons of a maximised MDI child in the menu bar: minimise, restore,
    close, each with frames normal, pressed, disabled, hot."""
    frames = []
    for kind in ("minimise", "restore", "close"):
        for state in ("normal", "pressed", "disabled", "hot"):
            f = Canvas(MDI_BUTTON, MDI_BUTTON)
            if state == "pressed":
                f.rounded_rect(0, 0, MDI_BUTTON, MDI_BUTTON, 2, P.ACCENT, P.ACCENT_DARK, under=P.MENU_BAR)
                ink = P.ON_ACCENT
            elif state == "hot":
                f.rounded_rect(0, 0, MDI_BUTTON, MDI_BUTTON, 2, P.ACCENT_TINT, P.ACCENT_LIGHT, under=P.MENU_BAR)
                ink = P.ACCENT_DARK
            else:
                ink = P.DISABLED_INK if state == "disabled" else P.TEXT
            _mdi_glyph(kind, f, ink)
            frames.append(f)
    return strip(frames)


MENU_ITEM_MARGIN = 4
MENU_ITEM_HEIGHT = 20


def menu_item():
    """Frames: 1 normal, 2 separator (its line sits in the bottom rows, which
    is the part a separator takes), 3 disabled, 4 selected, 5 spare: a light
    hover tint."""
    w, h = 16, MENU_ITEM_HEIGHT
    normal = Canvas(w, h)
    separator = Canvas(w, h)
    separator.hline(MENU_ITEM_MARGIN, w - 1 - MENU_ITEM_MARGIN, h - 5, P.HAIRLINE)
    disabled = Canvas(w, h)
    selected = Canvas(w, h)
    selected.rounded_rect(1, 1, w - 2, h - 2, 3, P.ACCENT, under=P.MENU)
    tint = Canvas(w, h)
    tint.rounded_rect(1, 1, w - 2, h - 2, 3, P.ACCENT_TINT, P.ACCENT_LIGHT, under=P.MENU)
    return strip([normal, separator, disabled, selected, tint])


def menu_background():
    return outlined(12, 12, P.MENU, P.SHADOW)
