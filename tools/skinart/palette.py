"""The colours of each skin. Those that controls also draw by colour (face,
shadow, accent, menu) stand again in the [Colours] section of the skin's
skin.ini; change both together.

The module's names hold the colours of the skin being drawn: the default
skin's below, until skins.use() puts another skin's in their place."""

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

# Client surfaces (ButtonFace, ButtonShadow, ... in skin.ini)
FACE = (238, 240, 244)
SHADOW = (143, 155, 173)
DK_SHADOW = (88, 98, 114)
TEXT = (24, 28, 36)
MENU = (250, 251, 253)
MENU_BAR = (244, 246, 249)
# Inside of check boxes, radio buttons and combo frames
FIELD = WHITE
# The light upper line of a raised status-bar panel
BEVEL_LIGHT = WHITE
# A sunken status-bar panel
LOWERED = (244, 246, 249)

# Raised parts (buttons, headers, thumbs): a gentle gradient
RAISED_TOP = WHITE
RAISED_BOTTOM = (232, 235, 240)
HEADER_BOTTOM = (240, 242, 246)
HEADER_LINE = (206, 212, 221)

# Accent for hot, pressed, selected and checked states (Hilight in skin.ini)
ACCENT = (46, 124, 214)
ACCENT_DARK = (28, 92, 168)
ACCENT_LIGHT = (112, 168, 234)
ACCENT_TINT = (226, 238, 252)
ACCENT_TINT_DEEP = (204, 225, 249)
PRESSED_TOP = (64, 140, 224)
PRESSED_BOTTOM = (38, 110, 198)
HOT_TOP = (240, 246, 254)
# Marks and glyphs on an accent fill
ON_ACCENT = WHITE

# Disabled parts: flat, pale, low contrast
DISABLED_LINE = (200, 206, 214)
DISABLED_FILL = (242, 243, 246)
DISABLED_INK = (178, 186, 198)
DISABLED_MARK_LINE = (186, 193, 203)

# Separators and quiet edges inside controls
HAIRLINE = (220, 225, 232)

# Title bar and window frame, active and inactive
TITLE_TOP = (92, 122, 164)
TITLE_BOTTOM = (64, 92, 134)
TITLE_GLOSS = (124, 152, 192)
TITLE_OUTLINE = (38, 56, 86)
TITLE_INNER = (54, 80, 118)

# An inactive window steps back to a light grey frame with dark grey text.
INACTIVE_TOP = (224, 228, 234)
INACTIVE_BOTTOM = (210, 215, 223)
INACTIVE_GLOSS = (240, 242, 246)
INACTIVE_OUTLINE = (146, 155, 170)
INACTIVE_INNER = (186, 193, 204)

# The plate behind the caption text: the title colour moved this far
# towards TEXT_PLATE.
TEXT_PLATE = BLACK
TEXT_PLATE_MIX = 0.08

CAPTION_INK = (242, 245, 250)
# Glyphs of an inactive window, and of a disabled button on an active one:
# quiet on the slate bar, still plain on the light inactive bar.
CAPTION_INK_DIM = (128, 140, 160)
CLOSE_HOT = (200, 52, 42)
CLOSE_PRESSED = (152, 36, 28)

# Scroll bars
TRACK = (234, 237, 241)
TRACK_DISABLED = (244, 245, 248)
THUMB = (192, 200, 212)
THUMB_HOT = (164, 175, 192)
GRIP = (170, 180, 195)
GRIP_HOT = (142, 154, 173)
ARROW_INK = (98, 110, 128)
ARROW_HOT = (216, 223, 232)

# Track-bar channel, up-down halves, progress trough and bar
CHANNEL = (214, 220, 229)
CHANNEL_EDGE = (176, 185, 199)
UPDOWN_FILL = (232, 236, 241)
TROUGH = (226, 230, 236)
TROUGH_LINE = (184, 192, 204)
BAR_TOP = (92, 160, 234)


# Midnight: near-black chrome, dark slate faces, light text and a teal
# accent. Raised parts are flat (top and bottom alike) because the skin
# tiles their middles instead of stretching them.
MIDNIGHT = dict(
    FACE=(40, 44, 52),
    SHADOW=(92, 100, 116),
    DK_SHADOW=(18, 20, 25),
    TEXT=(224, 228, 236),
    MENU=(34, 37, 44),
    MENU_BAR=(30, 33, 40),
    FIELD=(26, 28, 34),
    BEVEL_LIGHT=(62, 67, 78),
    LOWERED=(32, 35, 42),
    RAISED_TOP=(58, 64, 76),
    RAISED_BOTTOM=(58, 64, 76),
    HEADER_BOTTOM=(58, 64, 76),
    HEADER_LINE=(24, 26, 31),
    ACCENT=(38, 166, 154),
    ACCENT_DARK=(22, 112, 106),
    ACCENT_LIGHT=(98, 212, 200),
    ACCENT_TINT=(40, 64, 68),
    ACCENT_TINT_DEEP=(36, 86, 88),
    PRESSED_TOP=(30, 140, 130),
    PRESSED_BOTTOM=(30, 140, 130),
    HOT_TOP=(36, 86, 88),
    ON_ACCENT=(246, 250, 250),
    DISABLED_LINE=(70, 75, 86),
    DISABLED_FILL=(46, 50, 58),
    DISABLED_INK=(104, 110, 122),
    DISABLED_MARK_LINE=(84, 90, 102),
    HAIRLINE=(56, 61, 72),
    TITLE_TOP=(30, 34, 47),
    TITLE_BOTTOM=(17, 20, 29),
    TITLE_GLOSS=(56, 62, 82),
    TITLE_OUTLINE=(4, 5, 8),
    TITLE_INNER=(10, 12, 18),
    INACTIVE_TOP=(54, 58, 66),
    INACTIVE_BOTTOM=(46, 50, 58),
    INACTIVE_GLOSS=(66, 70, 79),
    INACTIVE_OUTLINE=(22, 24, 28),
    INACTIVE_INNER=(34, 37, 43),
    TEXT_PLATE=(38, 166, 154),
    TEXT_PLATE_MIX=0.22,
    CAPTION_INK=(226, 232, 240),
    CAPTION_INK_DIM=(118, 124, 138),
    CLOSE_HOT=(214, 64, 56),
    CLOSE_PRESSED=(160, 40, 34),
    TRACK=(34, 37, 44),
    TRACK_DISABLED=(38, 41, 48),
    THUMB=(80, 87, 101),
    THUMB_HOT=(104, 112, 128),
    GRIP=(112, 120, 136),
    GRIP_HOT=(142, 150, 166),
    ARROW_INK=(170, 176, 190),
    ARROW_HOT=(60, 66, 78),
    CHANNEL=(24, 26, 32),
    CHANNEL_EDGE=(72, 78, 90),
    UPDOWN_FILL=(56, 61, 72),
    TROUGH=(28, 31, 37),
    TROUGH_LINE=(66, 72, 84),
    BAR_TOP=(30, 140, 130),
)
