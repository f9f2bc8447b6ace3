#!/usr/bin/env python3
"""Draws a skin's bitmaps and, with the default skin, the program's small resources.

    python3 tools/skinart/skinart.py [--skin NAME] [--repo DIR]

Writes skins/NAME/*.bmp (24-bit, uncompressed; NAME is one of skins.py's,
"default" when not given). The default skin also writes src/app/res/
(tesseramenu.bmp, track.bmp, trackvert.bmp, app.ico). skin.ini beside the
bitmaps is written by hand; the file names below are the ones it names.
Standard library only, so the art can be rebuilt anywhere."""

import argparse
import os
import sys

sys.dont_write_bytecode = True

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import geometry as G             # noqa: E402
import imagefile                 # noqa: E402
import skins                     # noqa: E402


def skin_bitmaps(W, C):
    """(file name, drawing, uses the magenta key) of every skin bitmap. A
    bitmap drawn opaquely by the engine must not contain magenta; the check
    in main() holds us to it."""
    return [
        ("border_left.bmp", W.left_border, True),
        ("border_right.bmp", W.right_border, True),
        ("border_top.bmp", W.top_border, True),
        # Square lower corners have nothing to cut.
        ("border_bottom.bmp", W.bottom_border, G.BOTTOM_RADIUS > 0),
        ("title_back.bmp", W.title_text_back, True),
        ("caption_close.bmp", lambda: W.caption_button("close"), True),
        ("caption_maximize.bmp", lambda: W.caption_button("maximise"), True),
        ("caption_restore.bmp", lambda: W.caption_button("restore"), True),
        ("caption_minimize.bmp", lambda: W.caption_button("minimise"), True),
        ("caption_help.bmp", lambda: W.caption_button("help"), True),
        ("mdi_controls.bmp", W.mdi_controls, True),
        ("menu_bar.bmp", W.menu_bar, False),
        ("menu_item.bmp", W.menu_item, True),
        ("menu_background.bmp", W.menu_background, False),
        ("button.bmp", C.push_button, True),
        ("check.bmp", C.check_box, True),
        ("radio.bmp", C.radio_button, True),
        ("groupbox_edge.bmp", C.group_box_edge, True),
        ("groupbox_label.bmp", C.group_box_label, False),
        ("tabs.bmp", C.tabs, True),
        ("tab_pane.bmp", C.tab_pane, False),
        ("statusbar_edges.bmp", C.status_bar_edges, False),
        ("toolbars.bmp", C.tool_bars, True),
        ("combo_button.bmp", C.combo_button, True),
        ("sunk_edge.bmp", C.sunk_edge, False),
        ("extra_images.bmp", C.extra_images, True),
        ("header_bar.bmp", C.header_bar, False),
        ("scrollbar.bmp", C.scroll_bar, True),
        ("scroll_track_h.bmp", C.horz_scroll, False),
        ("scroll_track_v.bmp", C.vert_scroll, False),
        ("scroll_thumb_h.bmp", C.horz_scroll_thumb, True),
        ("scroll_thumb_v.bmp", C.vert_scroll_thumb, True),
        ("slider_horz.bmp", lambda: C.trackbar_thumb("horz"), True),
        ("slider_vert.bmp", lambda: C.trackbar_thumb("vert"), True),
        ("slider_left.bmp", lambda: C.trackbar_thumb("left"), True),
        ("slider_right.bmp", lambda: C.trackbar_thumb("right"), True),
        ("slider_up.bmp", lambda: C.trackbar_thumb("up"), True),
        ("slider_down.bmp", lambda: C.trackbar_thumb("down"), True),
        ("updown_vert.bmp", C.updown_vert, True),
        ("updown_vert_glyphs.bmp", C.updown_vert_glyphs, True),
        ("updown_horz.bmp", C.updown_horz, True),
        ("updown_horz_glyphs.bmp", C.updown_horz_glyphs, True),
        ("track.bmp", C.track_channel, False),
        ("track_vert.bmp", C.track_channel_vertical, False),
        ("progress.bmp", C.progress, True),
        ("progress_chunk.bmp", C.progress_chunk, False),
    ]


def resource_bitmaps(R):
    return [
        ("tesseramenu.bmp", R.menu_glyphs, imagefile.bmp1_bytes),
        ("track.bmp", R.track, imagefile.bmp24_bytes),
        ("trackvert.bmp", R.track_vertical, imagefile.bmp24_bytes),
    ]


def _write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--repo", default=os.path.normpath(os.path.join(here, "..", "..")),
                        help="repository root to write into")
    parser.add_argument("--skin", default="default", choices=sorted(skins.SKINS),
                        help="the skin to draw")
    args = parser.parse_args()

    # The art modules take the skin's colours and sizes as they load.
    folder = skins.use(args.skin)
    import control_art as C
    import window_art as W

    skin_dir = os.path.join(args.repo, "skins", folder)
    os.makedirs(skin_dir, exist_ok=True)
    for name, draw, keyed in skin_bitmaps(W, C):
        assert name == name.lower() and name.endswith(".bmp"), name
        canvas = draw()
        imagefile.check_key_use(canvas, keyed, name)
        _write(os.path.join(skin_dir, name), imagefile.bmp24_bytes(canvas))

    # The program's resources are drawn in the default skin's look only.
    if args.skin != "default":
        return
    import resource_art as R
    res_dir = os.path.join(args.repo, "src", "app", "res")
    os.makedirs(res_dir, exist_ok=True)
    for name, draw, encode in resource_bitmaps(R):
        canvas = draw()
        imagefile.check_key_use(canvas, False, name)
        _write(os.path.join(res_dir, name), encode(canvas))
    _write(os.path.join(res_dir, "app.ico"), imagefile.ico_bytes(R.app_icon_images()))


if __name__ == "__main__":
    main()
