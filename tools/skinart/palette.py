"""The colours of the default skin. Those that controls also draw by colour
(face, shadow, accent, menu) stand again in the [Colours] section of
skin.ini; change both together."""

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

# Client surfaces (ButtonFace, ButtonShadow, ... in skin.ini)
FACE = (238, 240, 244)
SHADOW = (143, 155, 173)
DK_SHADOW = (88, 98, 114)
TEXT = (24, 28, 36)
MENU = (250, 251, 253)
MENU_BAR = (244, 246, 249)

# Accent for hot, pressed, selected and checked states (Hilight in skin.ini)
ACCENT = (46, 124, 214)
ACCENT_DARK = (28, 92, 168)
ACCENT_LIGHT = (112, 168, 234)
ACCENT_TINT = (226, 238, 252)
ACCENT_TINT_DEEP = (204, 225, 249)

# Disabled parts: flat, pale, low contrast
DISABLED_LINE = (200, 206, 214)
DISABLED_FILL = (242, 243, 246)
DISABLED_INK = (178, 186, 198)

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

CAPTION_INK = (242, 245, 250)
# Glyphs of an inactive window, and of a disabled button on an active one:
# quiet on the slate bar, still plain on the light inactive bar.
CAPTION_INK_DIM = (128, 140, 160)
CLOSE_HOT = (200, 52, 42)
CLOSE_PRESSED = (152, 36, 28)

# Scroll bars
TRACK = (234, 237, 241)
THUMB = (192, 200, 212)
THUMB_HOT = (164, 175, 192)
ARROW_INK = (98, 110, 128)
