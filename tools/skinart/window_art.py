"""Art of the window frame: borders, title, caption buttons and menus.

Geometry the program relies on: side and bottom borders 4 pixels, a title
bar 30 pixels high, caption buttons 20 x 20 placed at y 5 (so they sit
centred in the bar) and 24 pixels apart."""

from canvas import Canvas, mix, outlined, strip, vertical_ramp
import palette as P

BORDER = 4
TITLE_HEIGHT = 30
CORNER_RADIUS = 7     # outer radius of the two rounded top corners
TOP_END = 8           # unstretched end of the top border, holds the rest of a corner
TOP_MIDDLE = 4        # stretched middle of the top border
SIDE_MIDDLE = 2       # stretched middle of the side borders
CAPTION_BUTTON = 20
CAPTION_BUTTON_Y = 5  # Ycoord of the caption buttons in skin.ini
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
        then a gentle gradient."""
        if y == 1:
            return self.gloss
        return self.ramp[min(y, TITLE_HEIGHT - 1)]


ACTIVE = Chrome(True)
INACTIVE = Chrome(False)


def _window_top(chrome):
    """The title-bar rows of a window just wide enough to hold both rounded
    corners; the borders cut their pieces from it so the corners join up."""
    width = 2 * (BORDER + TOP_END) + TOP_MIDDLE
    top = Canvas(width, TITLE_HEIGHT)
    # The desktop behind a corner is unknown, so corner pixels are kept whole
    # or left as key: the window region takes its shape from them.
    top.rounded_rect(0, 0, width, TITLE_HEIGHT + CORNER_RADIUS, CORNER_RADIUS,
                     chrome.title, chrome.outline, corners=(True, True, False, False))
    return top


def _side_frame(chrome):
    """Left border, one frame: title part, stretched body, bottom corner."""
    height = TITLE_HEIGHT + SIDE_MIDDLE + BORDER
    side = Canvas(BORDER, height)
    side.blit(_window_top(chrome).crop(0, 0, BORDER, TITLE_HEIGHT), 0, 0)
    for y in range(TITLE_HEIGHT, height):
        side.set(0, y, chrome.outline)
        side.fill(1, y, BORDER - 1, 1, chrome.body)
    # A dark hairline along the client edge keeps the light client crisp;
    # it turns the corner into the bottom border's hairline.
    side.vline(BORDER - 1, TITLE_HEIGHT, height - BORDER, chrome.inner)
    side.hline(0, BORDER - 1, height - 1, chrome.outline)
    return side


def left_border():
    return strip([_side_frame(ACTIVE), _side_frame(INACTIVE)])


def right_border():
    return strip([_side_frame(ACTIVE).mirrored(), _side_frame(INACTIVE).mirrored()])


def top_border():
    def frame(chrome):
        return _window_top(chrome).crop(BORDER, 0, 2 * TOP_END + TOP_MIDDLE, TITLE_HEIGHT)
    return strip([frame(ACTIVE), frame(INACTIVE)], vertical=True)


def bottom_border():
    def frame(chrome):
        f = Canvas(BORDER, BORDER, chrome.body)
        f.hline(0, BORDER - 1, 0, chrome.inner)
        f.hline(0, BORDER - 1, BORDER - 1, chrome.outline)
        return f
    return strip([frame(ACTIVE), frame(INACTIVE)], vertical=True)


TEXT_BACK_END = 6


def title_text_back():
    """A quiet, slightly darker plate behind the caption text; its ends are
    drawn whole, the middle repeats under longer captions."""
    def frame(chrome):
        f = Canvas(2 * TEXT_BACK_END + 2, TITLE_HEIGHT)
        plate = lambda x, y: mix(chrome.title(x, y), P.BLACK, 0.08)
        f.rounded_rect(0, 6, f.width, 18, TEXT_BACK_END, plate, under=chrome.title)
        return f
    return strip([frame(ACTIVE), frame(INACTIVE)], vertical=True)


# -- caption buttons ------------------------------------------------------------

def _caption_under(x, y):
    """What lies behind a caption button: the active title at the button's rows."""
    return ACTIVE.title(x, y + CAPTION_BUTTON_Y)


def _glyph_close(c, ink, under):
    c.stroke([(5.5, 5.5), (14.5, 14.5)], 1.35, ink, under)
    c.stroke([(14.5, 5.5), (5.5, 14.5)], 1.35, ink, under)


def _glyph_maximise(c, ink, under):
    c.frame(5, 5, 10, 10, ink)


def _glyph_restore(c, ink, under):
    c.hline(7, 14, 5, ink)        # the window behind: only its uncovered edges
    c.vline(14, 5, 12, ink)
    c.vline(7, 5, 6, ink)
    c.hline(13, 14, 12, ink)
    c.frame(5, 7, 8, 8, ink)      # the window in front


def _glyph_minimise(c, ink, under):
    c.hline(5, 14, 10, ink)


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


def _glyph_help(c, ink, under):
    c.glyph(7, 5, HELP_MASK, ink, under)


# Glyphs of the window commands on a 20 x 20 button, 10 x 10 from (5, 5).
# The program's menu glyph strip is cut from the same drawings.
CAPTION_GLYPHS = {
    "close": _glyph_close,
    "maximise": _glyph_maximise,
    "restore": _glyph_restore,
    "minimise": _glyph_minimise,
    "help": _glyph_help,
}


def _caption_button(glyph, hot_fill, pressed_fill):
    """Four frames: 1 normal, 2 pressed, 3 hot, 4 inactive window or disabled."""
    frames = []
    for state in ("normal", "pressed", "hot", "dim"):
        f = Canvas(CAPTION_BUTTON, CAPTION_BUTTON)
        # A dim glyph stands on either title bar, so its edge is not mixed
        # with one of them: it is kept whole or left out.
        under = None if state == "dim" else _caption_under
        if state in ("pressed", "hot"):
            fill = pressed_fill if state == "pressed" else hot_fill
            f.rounded_rect(0, 0, CAPTION_BUTTON, CAPTION_BUTTON, 3, fill, under=under)
        glyph(f, P.CAPTION_INK_DIM if state == "dim" else P.CAPTION_INK, under)
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
                ink = P.WHITE
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
