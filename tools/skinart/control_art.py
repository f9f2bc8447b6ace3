"""Art of the controls inside a window: buttons, check marks, edits, bars.

Everything stands on the light face colour, so edges that the engine draws
with the magenta key are mixed with the face colour where they are partly
covered."""

from canvas import Canvas, mix, outlined, strip, transposed_strip, vertical_ramp
import geometry as G
import palette as P


class Look:
    """Colours of one interaction state of a raised part."""

    def __init__(self, top, bottom, outline, ink):
        self.top, self.bottom, self.outline, self.ink = top, bottom, outline, ink
        self.middle = mix(top, bottom, 0.5)

    def fill(self, height, first_row=0):
        """Paint: a vertical gradient over `height` rows starting at `first_row`."""
        ramp = vertical_ramp(self.top, self.bottom, height)
        return lambda x, y: ramp[max(0, min(height - 1, y - first_row))]


NORMAL = Look(P.RAISED_TOP, P.RAISED_BOTTOM, P.SHADOW, P.ARROW_INK)
PRESSED = Look(P.PRESSED_TOP, P.PRESSED_BOTTOM, P.ACCENT_DARK, P.ON_ACCENT)
DISABLED = Look(P.DISABLED_FILL, P.DISABLED_FILL, P.DISABLED_LINE, P.DISABLED_INK)
HOT = Look(P.HOT_TOP, P.ACCENT_TINT_DEEP, P.ACCENT, P.ACCENT_DARK)
FOCUSED = Look(P.RAISED_TOP, P.RAISED_BOTTOM, P.ACCENT, P.ARROW_INK)

# The order the engine's four-state strips use: normal, pressed, disabled, hot.
FOUR_STATES = (NORMAL, PRESSED, DISABLED, HOT)


# -- push button, check box, radio button ------------------------------------------

# The corners stay inside skin.ini's margins.
BUTTON_W, BUTTON_H, BUTTON_RADIUS = G.BUTTON_W, G.BUTTON_H, G.BUTTON_RADIUS


def push_button():
    """Frames: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused or default."""
    frames = []
    for look in (NORMAL, PRESSED, DISABLED, HOT, FOCUSED):
        f = Canvas(BUTTON_W, BUTTON_H)
        f.rounded_rect(0, 0, BUTTON_W, BUTTON_H, BUTTON_RADIUS, look.fill(BUTTON_H), look.outline,
                       under=P.FACE)
        if look is FOCUSED:
            f.rounded_outline(1, 1, BUTTON_W - 2, BUTTON_H - 2, BUTTON_RADIUS - 1, P.ACCENT_TINT_DEEP)
        frames.append(f)
    return strip(frames)


MARK = G.MARK  # check box and radio button images are MARK x MARK


def _mark_frames(unchecked, checked, grey=None):
    """The order of a check or radio strip. Each argument makes one frame
    from a state name: "normal", "hot", "pressed" or "disabled". A basic
    strip is 1 unchecked, 2 checked, 3 unchecked disabled, 4 checked
    disabled (also the grey state); an extended one has four frames per
    value (normal, hot, pressed, disabled): unchecked, checked, then grey
    for a check box."""
    if not G.EXTENDED_MARKS:
        return [unchecked("normal"), checked("normal"), unchecked("disabled"), checked("disabled")]
    values = [unchecked, checked] + ([grey] if grey else [])
    return [make(state) for make in values for state in ("normal", "hot", "pressed", "disabled")]


def check_box():
    def frame(fill, outline, mark=None):
        f = Canvas(MARK, MARK)
        f.rounded_rect(0, 0, MARK, MARK, MARK * 2.5 / 13, fill, outline, under=P.FACE)
        s = MARK / 13.0
        if mark == "tick":
            f.stroke([(3.3 * s, 6.6 * s), (5.6 * s, 9.0 * s), (9.8 * s, 4.2 * s)], 1.6 * s, P.ON_ACCENT)
        elif mark == "dash":
            f.stroke([(3.5 * s, 6.5 * s), (9.5 * s, 6.5 * s)], 1.6 * s, P.ON_ACCENT)
        return f

    def off(state):
        return {"normal": frame(P.FIELD, P.SHADOW),
                "hot": frame(P.FIELD, P.ACCENT),
                "pressed": frame(P.ACCENT_TINT_DEEP, P.ACCENT),
                "disabled": frame(P.DISABLED_FILL, P.DISABLED_LINE)}[state]

    def on(mark):
        return lambda state: {"normal": frame(P.ACCENT, P.ACCENT_DARK, mark),
                              "hot": frame(P.ACCENT_LIGHT, P.ACCENT, mark),
                              "pressed": frame(P.ACCENT_DARK, P.ACCENT_DARK, mark),
                              "disabled": frame(P.DISABLED_LINE, P.DISABLED_MARK_LINE, mark)}[state]
    return strip(_mark_frames(off, on("tick"), on("dash")))


def radio_button():
    def frame(outline, fill, dot=None):
        f = Canvas(MARK, MARK)
        c = MARK / 2.0
        f.ellipse(c, c, c, c, outline, under=P.FACE)
        f.ellipse(c, c, c - 1, c - 1, fill)
        if dot:
            f.ellipse(c, c, 2.6 * (MARK / 13), 2.6 * (MARK / 13), dot)
        return f

    def off(state):
        return {"normal": frame(P.SHADOW, P.FIELD),
                "hot": frame(P.ACCENT, P.FIELD),
                "pressed": frame(P.ACCENT, P.ACCENT_TINT_DEEP),
                "disabled": frame(P.DISABLED_LINE, P.DISABLED_FILL)}[state]

    def on(state):
        return {"normal": frame(P.ACCENT, P.FIELD, P.ACCENT),
                "hot": frame(P.ACCENT_LIGHT, P.FIELD, P.ACCENT_LIGHT),
                "pressed": frame(P.ACCENT, P.ACCENT_TINT_DEEP, P.ACCENT),
                "disabled": frame(P.DISABLED_LINE, P.DISABLED_FILL, P.DISABLED_INK)}[state]
    return strip(_mark_frames(off, on))


# -- group box, tabs, status bar, tool bar ---------------------------------------

def group_box_edge():
    """Frames: 1 normal, 2 disabled; only the rounded line, the inside is key."""
    frames = []
    for colour in (P.SHADOW, P.DISABLED_LINE):
        f = Canvas(12, 12)
        f.rounded_outline(0, 0, 12, 12, 3, colour, under=P.FACE)
        frames.append(f)
    return strip(frames)


def group_box_label():
    """The plate under a group box caption: the face colour, so it hides the line."""
    return Canvas(12, 16, P.FACE)


TAB_W, TAB_H = 20, 22


def tabs():
    """Frames: 1 normal, 2 selected, 3 disabled, 4 hot, 5 selected with focus.
    Open at the bottom, where the tab meets its pane."""
    def frame(fill, outline, top_line=None):
        f = Canvas(TAB_W, TAB_H)
        f.rounded_rect(0, 0, TAB_W, TAB_H + 4, 3, fill, outline, under=P.FACE,
                       corners=(True, True, False, False))
        if top_line:
            f.hline(2, TAB_W - 3, 1, top_line)
            f.hline(1, TAB_W - 2, 2, top_line)
        return f
    return strip([
        frame(NORMAL.fill(TAB_H), P.SHADOW),
        frame(P.FACE, P.SHADOW, P.ACCENT),
        frame(P.DISABLED_FILL, P.DISABLED_LINE),
        frame(HOT.fill(TAB_H), P.ACCENT_LIGHT),
        frame(P.FACE, P.ACCENT, P.ACCENT),
    ])


def tab_pane():
    return outlined(12, 12, P.FACE, P.SHADOW)


def status_bar_edges():
    """Frames: 1 lowered panel, 2 raised panel, 3 panel without bevel."""
    lowered = outlined(10, 10, P.LOWERED, P.HAIRLINE)
    raised = Canvas(10, 10, P.FACE)
    raised.hline(0, 9, 0, P.BEVEL_LIGHT)
    raised.hline(0, 9, 9, P.HAIRLINE)
    flat = Canvas(10, 10, P.FACE)
    return strip([lowered, raised, flat])


def tool_bars():
    """Flat tool-bar buttons. Frames: 1 normal (nothing drawn), 2 pressed,
    3 disabled (nothing drawn), 4 hot, 5 checked."""
    def frame(fill=None, outline=None):
        f = Canvas(16, 16)
        if fill:
            f.rounded_rect(0, 0, 16, 16, 3, fill, outline, under=P.FACE)
        return f
    return strip([
        frame(),
        frame(P.ACCENT_TINT_DEEP, P.ACCENT),
        frame(),
        frame(P.ACCENT_TINT, P.ACCENT_LIGHT),
        frame(P.ACCENT_TINT_DEEP, P.SHADOW),
    ])


# -- combo box ---------------------------------------------------------------

COMBO_W, COMBO_H = 17, 21


def combo_button():
    """The drop-down button at the right end of a combo box, 4 frames in the
    four-state order. Its top, right and bottom lines continue the sunken
    edge; the left column is the divider from the text area."""
    frames = []
    for look in FOUR_STATES:
        f = Canvas(COMBO_W, COMBO_H, look.outline)
        f.fill(1, 1, COMBO_W - 2, COMBO_H - 2, look.fill(COMBO_H - 2, 1))
        divider = P.HAIRLINE if look is NORMAL else look.outline
        f.vline(0, 1, COMBO_H - 2, divider)
        frames.append(f)
    return strip(frames)


def sunk_edge():
    """The frame of a combo box, 4 frames in the four-state order: a one-pixel
    line with a white ring, like the edit frames the engine draws."""
    frames = []
    for look in FOUR_STATES:
        ring = P.DISABLED_FILL if look is DISABLED else P.FIELD
        f = Canvas(8, 8, ring)
        f.frame(0, 0, 8, 8, P.ACCENT if look is PRESSED else look.outline)
        frames.append(f)
    return strip(frames)


EXTRA = 12


def extra_images():
    """Frames 1-4: the combo arrow in the four states; frame 5: the size grip."""
    frames = []
    for look in FOUR_STATES:
        f = Canvas(EXTRA, EXTRA)
        ink = P.ON_ACCENT if look is PRESSED else (P.TEXT if look is NORMAL else look.ink)
        f.stroke([(3.2, 4.8), (6.0, 7.6), (8.8, 4.8)], 1.5, ink, under=look.middle)
        frames.append(f)
    grip = Canvas(EXTRA, EXTRA)
    for x, y in ((9, 3), (6, 6), (9, 6), (3, 9), (6, 9), (9, 9)):
        grip.fill(x, y, 2, 2, P.SHADOW)
    frames.append(grip)
    return strip(frames)


def header_bar():
    """Column headers. Frames: 1 normal, 2 hot, 3 pressed, 4 disabled, 5 sorted
    (the skin's HEADER_FRAMES first ones)."""
    w, h = 12, 20

    def frame(fill, bottom, rows=1, divider=True):
        f = Canvas(w, h)
        f.fill(0, 0, w, h, fill)
        for i in range(rows):
            f.hline(0, w - 1, h - 1 - i, bottom)
        if divider:
            f.vline(w - 1, 4, h - 5, P.HAIRLINE)
        return f
    plain = Look(P.RAISED_TOP, P.HEADER_BOTTOM, None, None).fill(h)
    return strip([
        frame(plain, P.HEADER_LINE),
        frame(HOT.fill(h), P.ACCENT_LIGHT),
        frame(P.ACCENT_TINT_DEEP, P.ACCENT, divider=False),
        frame(P.DISABLED_FILL, P.DISABLED_LINE),
        frame(plain, P.ACCENT, rows=2),
    ][:G.HEADER_FRAMES])


# -- scroll bars -----------------------------------------------------------------

BAR = 17  # scroll bar thickness: the strip's height, the usual arrow size


def _vertical_bar_ground(colour=P.TRACK):
    """A piece of vertical bar: track colour with a hairline on its left,
    where the bar meets the scrolled text."""
    f = Canvas(BAR, BAR, colour)
    f.vline(0, 0, BAR - 1, P.HAIRLINE)
    return f


def _up_arrow(state):
    f = _vertical_bar_ground()
    ink, under = P.ARROW_INK, P.TRACK
    if state == "pressed":
        f.rounded_rect(3, 2, 12, 13, 2, P.ACCENT, under=P.TRACK)
        ink, under = P.ON_ACCENT, P.ACCENT
    elif state == "hot":
        f.rounded_rect(3, 2, 12, 13, 2, P.ARROW_HOT, under=P.TRACK)
        ink, under = P.DK_SHADOW, P.ARROW_HOT
    elif state == "disabled":
        ink = P.DISABLED_INK
    f.stroke([(5.6, 10.2), (9.0, 6.8), (12.4, 10.2)], 1.5, ink, under)
    return f


def _vertical_grip(state):
    thumb, line = {"normal": (P.THUMB, P.GRIP),
                   "pressed": (P.ACCENT, P.ACCENT_LIGHT),
                   "hot": (P.THUMB_HOT, P.GRIP_HOT)}[state]
    f = Canvas(BAR, BAR)
    for y in (6, 8, 10):
        f.hline(7, 10, y, line)
    return f


def scroll_bar():
    """23 frames of 17 x 17: left arrow 1-4, right arrow 5-8, up arrow 9-12,
    down arrow 13-16 (each normal, pressed, disabled, hot), horizontal thumb
    grip 17-19 and vertical thumb grip 20-22 (each normal, pressed, hot), and
    23 the corner where two bars meet."""
    states = ("normal", "pressed", "disabled", "hot")
    up = [_up_arrow(s) for s in states]
    down = [f.flipped() for f in up]
    grips = [_vertical_grip(s) for s in ("normal", "pressed", "hot")]
    corner = _vertical_bar_ground()
    corner.hline(0, BAR - 1, 0, P.HAIRLINE)
    frames = ([f.transposed() for f in up] + [f.transposed() for f in down] + up + down +
              [g.transposed() for g in grips] + grips + [corner])
    return strip(frames)


def _vertical_track_frames():
    """Frames 1 normal, 2 pressed, 3 disabled, 4 hot: only disabled differs."""
    def frame(colour):
        f = Canvas(BAR, 8, colour)
        f.vline(0, 0, 7, P.HAIRLINE)
        return f
    normal = frame(P.TRACK)
    return [normal, normal, frame(P.TRACK_DISABLED), normal]


def vert_scroll():
    return strip(_vertical_track_frames())


def horz_scroll():
    return transposed_strip(_vertical_track_frames())


def _vertical_thumb_frames():
    """Frames 1 normal, 2 pressed, 3 hot: a slim rounded bar over the track."""
    frames = []
    for fill in (P.THUMB, P.ACCENT, P.THUMB_HOT):
        f = Canvas(BAR, 20)
        f.rounded_rect(4, 1, 10, 18, 3, fill, under=P.TRACK)
        frames.append(f)
    return frames


def vert_scroll_thumb():
    return strip(_vertical_thumb_frames())


def horz_scroll_thumb():
    return transposed_strip(_vertical_thumb_frames())


# -- track bar, up-down, progress ------------------------------------------------

THUMB_LOOKS = (NORMAL, PRESSED, DISABLED, HOT, FOCUSED)


def _slider_thumb(look, pointed):
    """A track-bar thumb standing upright, 11 x 20; pointed ones end in a tip
    at the bottom."""
    w, h = 11, 20
    f = Canvas(w, h)
    if not pointed:
        f.rounded_rect(0, 0, w, h, 3, look.fill(h), look.outline, under=P.FACE)
        return f
    outline = [(0.5, 0.5), (w - 0.5, 0.5), (w - 0.5, h - 6.0), (w / 2.0, h - 0.5), (0.5, h - 6.0)]
    f.polygon(outline, look.fill(h), under=P.FACE)
    f.stroke(outline + [outline[0]], 1.0, look.outline, under=P.FACE)
    return f


def trackbar_thumb(direction):
    """Five frames in the push-button order; the track bar paints frame 2,
    so the accent thumb is what a user sees. `direction`: "horz" (upright,
    for a horizontal bar), "vert", "up", "down", "left", "right"."""
    frames = []
    for look in THUMB_LOOKS:
        upright = _slider_thumb(look, pointed=direction not in ("horz", "vert"))
        frames.append({
            "horz": upright, "down": upright,
            "up": upright.flipped(),
            "vert": upright.transposed(), "right": upright.transposed(),
            "left": upright.flipped().transposed(),
        }[direction])
    return strip(frames)


def track_channel():
    """The groove a track-bar thumb slides in, 16 x 4; its ends are mixed
    with the face colour because it is copied opaquely."""
    f = Canvas(16, 4, P.CHANNEL)
    edge = P.CHANNEL_EDGE
    f.hline(0, 15, 0, edge)
    f.hline(0, 15, 3, edge)
    f.vline(0, 0, 3, edge)
    f.vline(15, 0, 3, edge)
    for x, y in ((0, 0), (15, 0), (0, 3), (15, 3)):
        f.set(x, y, mix(edge, P.FACE, 0.6))
    return f


def track_channel_vertical():
    return track_channel().transposed()


UPDOWN_W, UPDOWN_H = 16, 10
# Flat fills for the halves: the engine scales a half to whatever size the
# control has, and a scaled one-pixel outline would come out doubled or lost.
UPDOWN_FILLS = (P.UPDOWN_FILL, P.ACCENT, P.DISABLED_FILL, P.ACCENT_TINT_DEEP)


def _updown_half(look, upper):
    f = Canvas(UPDOWN_W, UPDOWN_H)
    fill = UPDOWN_FILLS[FOUR_STATES.index(look)]
    corners = (True, True, False, False) if upper else (False, False, True, True)
    f.rounded_rect(0, 0, UPDOWN_W, UPDOWN_H, 2, fill, corners=corners)
    return f


def _updown_glyph(look, upper):
    f = Canvas(7, 4)
    ink = P.ON_ACCENT if look is PRESSED else (P.DK_SHADOW if look is NORMAL else look.ink)
    f.polygon([(0.0, 4.0), (3.5, 0.3), (7.0, 4.0)], ink, under=UPDOWN_FILLS[FOUR_STATES.index(look)])
    return f if upper else f.flipped()


def _updown_frames(make):
    return [make(look, True) for look in FOUR_STATES] + [make(look, False) for look in FOUR_STATES]


def updown_vert():
    """Frames 1-4 the up half, 5-8 the down half, each normal, pressed, disabled, hot."""
    return strip(_updown_frames(_updown_half))


def updown_vert_glyphs():
    return strip(_updown_frames(_updown_glyph))


def updown_horz():
    """Frames 1-4 the left half, 5-8 the right half."""
    return transposed_strip(_updown_frames(_updown_half))


def updown_horz_glyphs():
    return transposed_strip(_updown_frames(_updown_glyph))


PROGRESS_W, PROGRESS_H = 12, 14


def progress():
    """Frame 1 the empty trough, frame 2 the filled bar; a chunked bar
    (progress style 1) has only the trough."""
    trough = Canvas(PROGRESS_W, PROGRESS_H)
    trough.rounded_rect(0, 0, PROGRESS_W, PROGRESS_H, 3, P.TROUGH, P.TROUGH_LINE, under=P.FACE)
    bar = Canvas(PROGRESS_W, PROGRESS_H)
    fill = Look(P.BAR_TOP, P.PRESSED_BOTTOM, None, None).fill(PROGRESS_H)
    bar.rounded_rect(0, 0, PROGRESS_W, PROGRESS_H, 3, fill, P.ACCENT_DARK, under=P.FACE)
    return strip([trough, bar][:2 - G.PROGRESS_STYLE])


def progress_chunk():
    """One block of the segmented bar: accent with a gap of trough colour."""
    f = Canvas(8, 10, P.TROUGH)
    fill = Look(P.BAR_TOP, P.PRESSED_BOTTOM, None, None).fill(10)
    f.fill(0, 0, 6, 10, fill)
    return f
