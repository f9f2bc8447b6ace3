"""Byte-exact writers for the image files the skin engine and the program load:
24-bit and 1-bit Windows bitmaps and a two-size application icon."""

import struct

from canvas import KEY


def _row_padding(row_bytes):
    return (4 - row_bytes % 4) % 4


def _file_header(pixel_offset, file_size):
    return struct.pack('<2sIHHI', b'BM', file_size, 0, 0, pixel_offset)


def _info_header(width, height, bits, image_size, colours_used=0):
    # 2835 pixels per metre = 72 dpi; the engine ignores it.
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0,
                       image_size, 2835, 2835, colours_used, 0)


def bmp24_bytes(canvas):
    """24 bits per pixel, uncompressed (BI_RGB), rows stored bottom-up in B, G, R order."""
    pad = b'\0' * _row_padding(canvas.width * 3)
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        rows.append(b''.join(struct.pack('BBB', b, g, r) for r, g, b in canvas.px[y]) + pad)
    pixels = b''.join(rows)
    offset = 14 + 40
    return _file_header(offset, offset + len(pixels)) + \
        _info_header(canvas.width, canvas.height, 24, len(pixels)) + pixels


def bmp1_bytes(canvas, ink=(0, 0, 0)):
    """1 bit per pixel, palette black then white: pixels equal to `ink` are
    black (index 0), all others white (index 1)."""
    row_bytes = (canvas.width + 7) // 8
    pad = b'\0' * _row_padding(row_bytes)
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        bits = bytearray(row_bytes)
        for x, c in enumerate(canvas.px[y]):
            if c != ink:
                bits[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(bits) + pad)
    pixels = b''.join(rows)
    palette = struct.pack('<BBBBBBBB', 0, 0, 0, 0, 255, 255, 255, 0)
    offset = 14 + 40 + len(palette)
    return _file_header(offset, offset + len(pixels)) + \
        _info_header(canvas.width, canvas.height, 1, len(pixels), 2) + palette + pixels


def _icon_image(canvas, alpha):
    """One icon image: BITMAPINFOHEADER (height doubled for the mask), 32-bit
    BGRA rows bottom-up, then the 1-bit AND mask (set = transparent)."""
    w, h = canvas.width, canvas.height
    colour_rows = []
    for y in range(h - 1, -1, -1):
        colour_rows.append(b''.join(
            struct.pack('BBBB', b, g, r, alpha[y][x]) for x, (r, g, b) in enumerate(canvas.px[y])))
    mask_row_bytes = (w + 7) // 8
    mask_pad = b'\0' * _row_padding(mask_row_bytes)
    mask_rows = []
    for y in range(h - 1, -1, -1):
        bits = bytearray(mask_row_bytes)
        for x in range(w):
            if alpha[y][x] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(bits) + mask_pad)
    body = b''.join(colour_rows) + b''.join(mask_rows)
    header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, len(body), 0, 0, 0, 0)
    return header + body


def ico_bytes(images):
    """An .ico file from (canvas, alpha rows) pairs; alpha 0..255 per pixel."""
    blobs = [_icon_image(c, a) for c, a in images]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (canvas, _), blob in zip(images, blobs):
        out += struct.pack('<BBBBHHII', canvas.width % 256, canvas.height % 256, 0, 0,
                           1, 32, len(blob), offset)
        offset += len(blob)
    return out + b''.join(blobs)


def check_key_use(canvas, keyed, name):
    """Magenta only where transparency is meant, and no near-magenta that the
    window region's tolerance (green 0 or 1) would also cut out."""
    for row in canvas.px:
        for c in row:
            if c == KEY:
                if not keyed:
                    raise ValueError(f"{name}: magenta in an image drawn opaquely")
            elif c[0] == 255 and c[2] == 255 and c[1] <= 1:
                raise ValueError(f"{name}: near-magenta pixel {c}")
