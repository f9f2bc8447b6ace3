"""Sizes and frame counts of each skin's art. skin.ini repeats many of them
(border sizes, margins, caption-button places, frame counts): change both
together.

The module's names hold the sizes of the skin being drawn: the default
skin's below, until skins.use() puts another skin's in their place."""

# Window frame: side and bottom borders, title bar, the rounded corners and
# the parts of each border kept at their drawn size.
SIDE = 4              # left and right border width
BOTTOM = 4            # bottom border height
TITLE_HEIGHT = 30
CORNER_RADIUS = 7     # outer radius of the two top corners
BOTTOM_RADIUS = 0     # outer radius of the two bottom corners; 0 keeps them square
TOP_END = 8           # unstretched end of the top border, holds the rest of a corner
TOP_MIDDLE = 4        # repeated middle of the top border
SIDE_MIDDLE = 2       # repeated middle of the side borders
SIDE_FOOT = 4         # bottom part of a side border kept whole (the lower corner)
BOTTOM_END = 0        # unstretched ends of the bottom border (the rest of a lower corner)
BOTTOM_MIDDLE = 4     # repeated middle of the bottom border
# Every TITLE_STRIPE-th column of the title is a faint light line (0: none).
TITLE_STRIPE = 0

# Plate behind the caption text: rounded ends and its rows in the title
TEXT_BACK_END = 6
TEXT_BACK_TOP = 6
TEXT_BACK_HEIGHT = 18

# Caption buttons: size, Ycoord in skin.ini, and frames (4: normal, pressed,
# hot, inactive or disabled; 3 leaves out the last).
CAPTION_WIDTH = 20
CAPTION_HEIGHT = 20
CAPTION_BUTTON_Y = 5
CAPTION_FRAMES = 4
CAPTION_RADIUS = 3

# Push button frame and its corner radius (inside skin.ini's margins)
BUTTON_W, BUTTON_H = 12, 22
BUTTON_RADIUS = 3

# Check box and radio button images; an extended strip holds hot and pressed
# looks too (12 check frames, 8 radio frames) instead of the basic four.
MARK = 13
EXTENDED_MARKS = False

# Column headers: 5 frames (normal, hot, pressed, disabled, sorted) or 2.
HEADER_FRAMES = 5

# Progress bar: 0 two frames (trough, filled bar); 1 one trough frame, the
# filled part made of repeated chunks.
PROGRESS_STYLE = 0


# Midnight: a taller title and thicker borders, all four corners round,
# larger caption buttons with three frames, and the longer strips.
MIDNIGHT = dict(
    SIDE=6,
    BOTTOM=6,
    TITLE_HEIGHT=34,
    CORNER_RADIUS=10,
    BOTTOM_RADIUS=8,
    TOP_END=12,
    TOP_MIDDLE=4,
    SIDE_MIDDLE=4,
    SIDE_FOOT=8,
    BOTTOM_END=4,
    BOTTOM_MIDDLE=4,
    TITLE_STRIPE=4,
    TEXT_BACK_END=11,
    TEXT_BACK_TOP=6,
    TEXT_BACK_HEIGHT=22,
    CAPTION_WIDTH=24,
    CAPTION_HEIGHT=22,
    CAPTION_BUTTON_Y=6,
    CAPTION_FRAMES=3,
    CAPTION_RADIUS=5,
    BUTTON_W=16,
    BUTTON_H=24,
    BUTTON_RADIUS=5,
    MARK=15,
    EXTENDED_MARKS=True,
    HEADER_FRAMES=2,
    PROGRESS_STYLE=1,
)
