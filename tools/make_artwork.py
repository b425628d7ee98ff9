#!/usr/bin/python3
"""Draws the program's images into res/data/: the two window backgrounds, the picture shown before a
video is opened, the skin buttons (a normal and a hot image each) and the program icon.

    /usr/bin/python3 tools/make_artwork.py [--preview DIR]

Needs Debian's python3-pil and the fonts of fonts-dejavu-core and fonts-liberation. With --preview it
also writes contact.png (every image, enlarged) and layout.png (both windows with their buttons and
the rectangles of every control drawn over them) into DIR for checking by eye.

Rules the images keep, checked before anything is written:
  * 24-bit bitmaps of the sizes the windows were laid out for;
  * a skin button's pixels in its key colour are drawn transparent, and the buttons must cover their
    whole rectangle: no pure black in a hot image, no pure green in a normal image.
"""

import argparse
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA_DIR = os.path.join(ROOT, "res", "data")

FONT_DIRS = ["/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/truetype/liberation"]

# ---- palette ----
WHITE = (255, 255, 255)
CANVAS = (231, 236, 242)         # window body outside the panels; text buttons there sit on it
PANEL_EDGE = (196, 206, 218)
PANEL_SHADOW = (214, 221, 230)
SLATE_TEXT = (38, 52, 70)
MUTED_TEXT = (112, 128, 148)
SCREEN_DARK = (16, 22, 30)
BEZEL = (28, 37, 50)
BEZEL_EDGE = (64, 80, 101)
ACCENT = (47, 143, 232)
ACCENT_LIGHT = (108, 187, 255)
ACCENT_DARK = (28, 104, 186)
ORANGE_TOP, ORANGE_BOTTOM, ORANGE_EDGE = (250, 168, 66), (226, 118, 28), (178, 88, 16)
HOT_ORANGE_TOP, HOT_ORANGE_BOTTOM, HOT_ORANGE_EDGE = (255, 192, 96), (244, 130, 26), (255, 214, 150)
KEY_HOT = (0, 0, 0)
KEY_NORMAL = (0, 255, 0)

SUPERSAMPLE = 8


def font(name, size):
    for folder in FONT_DIRS:
        path = os.path.join(folder, name)
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    sys.exit("font %s not found: install fonts-dejavu-core and fonts-liberation" % name)


# ---- dialog-unit geometry (the windows convert with rounding, like MulDiv) ----

def mul_div(value, numerator, denominator):
    """value * numerator / denominator rounded to the nearest integer; dialog units are never negative."""
    return (value * numerator + denominator // 2) // denominator


def du_rect(x, y, cx, cy, base_x, base_y):
    left, top = mul_div(x, base_x, 4), mul_div(y, base_y, 8)
    return (left, top, left + mul_div(cx, base_x, 4), top + mul_div(cy, base_y, 8))


def main_rect(x, y, cx, cy):
    return du_rect(x, y, cx, cy, 7, 15)


def progress_rect(x, y, cx, cy):
    return du_rect(x, y, cx, cy, 8, 16)


# Controls of the main window in pixels, for placing the panels and for the layout preview.
MAIN_GROUPS = {
    "position": main_rect(4, 153, 215, 52),
    "file": main_rect(220, 1, 183, 47),
    "format": main_rect(220, 48, 183, 108),
}
PICTURE = (7, 6, 7 + 371, 6 + 281)
MAIN_CONTROLS = [
    main_rect(5, 170, 210, 11), main_rect(71, 160, 45, 8), main_rect(141, 160, 30, 8),
    main_rect(173, 160, 42, 8), main_rect(224, 14, 39, 8), main_rect(221, 31, 46, 8),
    main_rect(267, 12, 117, 14), main_rect(267, 30, 117, 14), main_rect(229, 71, 83, 10),
    main_rect(238, 88, 72, 8), main_rect(311, 88, 32, 10), main_rect(351, 88, 40, 10),
    main_rect(238, 107, 62, 8), main_rect(238, 127, 66, 8), main_rect(311, 103, 70, 12),
    main_rect(311, 125, 70, 12),
]
# (button rectangle, normal bitmap, hot bitmap)
MAIN_BUTTONS = [
    (main_rect(15, 184, 43, 11), 138, 139), (main_rect(67, 184, 43, 11), 142, 143),
    (main_rect(126, 184, 10, 10), 144, 145), (main_rect(140, 184, 10, 10), 146, 147),
    (main_rect(154, 184, 10, 10), 156, 157), (main_rect(168, 184, 10, 10), 150, 151),
    (main_rect(182, 184, 10, 10), 152, 153), (main_rect(196, 184, 10, 10), 154, 155),
    (main_rect(221, 164, 36, 11), 158, 159), (main_rect(369, 164, 36, 11), 166, 167),
    (main_rect(332, 164, 36, 11), 164, 165), (main_rect(383, 7, 20, 20), 170, 171),
    (main_rect(383, 27, 20, 20), 174, 175),
]
PROGRESS_BAR = progress_rect(7, 23, 173, 10)
PROGRESS_BUTTONS = [(progress_rect(63, 41, 36, 11), 158, 159), (progress_rect(99, 41, 36, 11), 184, 185)]


# ---- drawing helpers ----

def vgradient(size, top, bottom):
    w, h = size
    column = Image.new("RGB", (1, h))
    for y in range(h):
        t = y / max(1, h - 1)
        column.putpixel((0, y), tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)))
    return column.resize((w, h))


def coverage(size, draw_shapes):
    """Anti-aliased coverage mask: draw_shapes(draw, scale) draws in pixel units times scale."""
    w, h = size
    big = Image.new("L", (w * SUPERSAMPLE, h * SUPERSAMPLE), 0)
    draw_shapes(ImageDraw.Draw(big), SUPERSAMPLE)
    return big.resize((w, h), Image.BOX)


def rounded_mask(size, box, radius):
    def shapes(d, s):
        x0, y0, x1, y1 = box
        d.rounded_rectangle((x0 * s, y0 * s, x1 * s - 1, y1 * s - 1), radius=radius * s, fill=255)
    return coverage(size, shapes)


def polygons_mask(size, polygons):
    def shapes(d, s):
        for points in polygons:
            d.polygon([(x * s, y * s) for x, y in points], fill=255)
    return coverage(size, shapes)


def ellipse_mask(size, box):
    def shapes(d, s):
        x0, y0, x1, y1 = box
        d.ellipse((x0 * s, y0 * s, x1 * s - 1, y1 * s - 1), fill=255)
    return coverage(size, shapes)


def fill(img, paint, mask, offset=(0, 0)):
    """Paints a colour or an image of the mask's size through the mask."""
    if isinstance(paint, tuple):
        paint = Image.new("RGB", mask.size, paint)
    img.paste(paint, offset, mask)


def centred_text(img, box, text, face, colour, shadow=None):
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    left, top, right, bottom = d.textbbox((0, 0), text, font=face)
    x = x0 + (x1 - x0 - (right - left)) / 2 - left
    y = y0 + (y1 - y0 - (bottom - top)) / 2 - top
    if shadow:
        d.text((round(x), round(y) + 1), text, font=face, fill=shadow)
    d.text((round(x), round(y)), text, font=face, fill=colour)


def caption_font(captions, width):
    """One face and size for every text button, the largest that fits the longest caption."""
    probe = ImageDraw.Draw(Image.new("L", (1, 1)))
    for size in (12, 11, 10):
        face = font("LiberationSansNarrow-Bold.ttf", size)
        widths = [probe.textbbox((0, 0), text, font=face)[2] - probe.textbbox((0, 0), text, font=face)[0]
                  for text in captions]
        if max(widths) <= width:
            return face
    sys.exit("captions do not fit %d pixels" % width)


def soft_shadow(img, box, radius, colour, blur=3, offset=(0, 1)):
    w, h = img.size
    mask = Image.new("L", (w, h), 0)
    x0, y0, x1, y1 = box
    ImageDraw.Draw(mask).rounded_rectangle(
        (x0 + offset[0], y0 + offset[1], x1 + offset[0] - 1, y1 + offset[1] - 1), radius=radius, fill=150)
    img.paste(Image.new("RGB", (w, h), colour), (0, 0), mask.filter(ImageFilter.GaussianBlur(blur)))


def panel(img, box, radius=6):
    soft_shadow(img, box, radius, PANEL_SHADOW)
    fill(img, PANEL_EDGE, rounded_mask(img.size, box, radius))
    x0, y0, x1, y1 = box
    fill(img, WHITE, rounded_mask(img.size, (x0 + 1, y0 + 1, x1 - 1, y1 - 1), radius - 1))


# ---- skin buttons ----

# Colours of a text button: (gradient top, gradient bottom, edge, caption, caption shadow)
TEXT_SCHEMES = {
    ("plain", False): ((250, 252, 254), (218, 227, 237), (150, 168, 190), SLATE_TEXT, (255, 255, 255)),
    ("plain", True): (ACCENT_LIGHT, ACCENT, ACCENT_DARK, WHITE, (24, 86, 156)),
    ("primary", False): (ORANGE_TOP, ORANGE_BOTTOM, ORANGE_EDGE, WHITE, (170, 84, 14)),
    ("primary", True): (HOT_ORANGE_TOP, HOT_ORANGE_BOTTOM, HOT_ORANGE_EDGE, WHITE, (168, 78, 8)),
}


def gloss(img, box, radius, strength):
    """A lighter upper half, the usual lacquer of a skinned button."""
    x0, y0, x1, y1 = box
    mask = rounded_mask(img.size, (x0, y0, x1, y0 + (y1 - y0) // 2 + 1), radius)
    mask = mask.point(lambda v: v * strength // 255)
    fill(img, WHITE, mask)


def text_button(size, caption, scheme, hot, surround, face):
    top, bottom, edge, ink, shade = TEXT_SCHEMES[(scheme, hot)]
    w, h = size
    img = Image.new("RGB", size, surround)
    radius = 5
    if hot:  # a soft halo so the hot state reads even at a glance
        halo = tuple((a + b) // 2 for a, b in zip(edge, surround))
        fill(img, halo, rounded_mask(size, (0, 0, w, h), radius))
        frame = (1, 1, w - 1, h - 1)
    else:
        frame = (0, 0, w, h)
    fill(img, edge, rounded_mask(size, frame, radius))
    inner = (frame[0] + 1, frame[1] + 1, frame[2] - 1, frame[3] - 1)
    fill(img, vgradient(size, top, bottom), rounded_mask(size, inner, radius - 1))
    gloss(img, inner, radius - 1, 70 if hot else 40)
    centred_text(img, (0, 0, w, h - 1), caption, face, ink, shade)
    return img


def transport_button(glyph, hot):
    size = (18, 18)
    img = Image.new("RGB", size, WHITE)
    if hot:
        edge, top, bottom = ACCENT_DARK, ACCENT_LIGHT, ACCENT
    else:
        edge, top, bottom = (46, 64, 88), (102, 124, 152), (58, 80, 108)
    fill(img, edge, ellipse_mask(size, (0, 0, 18, 18)))
    fill(img, vgradient(size, top, bottom), ellipse_mask(size, (1, 1, 17, 17)))
    gloss_mask = ellipse_mask(size, (3, 1.5, 15, 9)).point(lambda v: v * (90 if hot else 55) // 255)
    fill(img, WHITE, gloss_mask)
    fill(img, WHITE, polygons_mask(size, GLYPHS[glyph]))
    return img


def bar(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


GLYPHS = {
    "play": [[(7, 5), (7, 13), (13.5, 9)]],
    "pause": [bar(5.5, 5, 7.9, 13), bar(10.1, 5, 12.5, 13)],
    "backward": [[(9, 5.5), (9, 12.5), (4, 9)], [(14, 5.5), (14, 12.5), (9, 9)]],
    "forward": [[(4, 5.5), (4, 12.5), (9, 9)], [(9, 5.5), (9, 12.5), (14, 9)]],
    "begin": [bar(4.5, 5.5, 6.3, 12.5), [(13.5, 5), (13.5, 13), (6.8, 9)]],
    "end": [bar(11.7, 5.5, 13.5, 12.5), [(4.5, 5), (4.5, 13), (11.2, 9)]],
}


def folder_button(kind, hot):
    size = (30, 30)
    img = Image.new("RGB", size, WHITE)
    if hot:
        edge, top, bottom = ACCENT_DARK, ACCENT_LIGHT, ACCENT
    else:
        edge, top, bottom = (170, 186, 206), (253, 254, 255), (222, 230, 240)
    fill(img, edge, rounded_mask(size, (0, 0, 30, 30), 6))
    fill(img, vgradient(size, top, bottom), rounded_mask(size, (1, 1, 29, 29), 5))
    gloss(img, (1, 1, 29, 29), 5, 60 if hot else 30)
    draw_folder(img, kind, hot)
    return img


def draw_folder(img, kind, hot):
    size = img.size
    outline = (176, 116, 24) if not hot else (150, 92, 10)
    back, front_top, front_bottom = (226, 160, 52), (255, 214, 120), (242, 176, 58)
    if hot:
        back, front_top, front_bottom = (240, 178, 64), (255, 230, 150), (255, 192, 72)
    # back sheet with its tab
    back_shape = [(5, 9), (11, 9), (13, 11), (24, 11), (24, 23), (5, 23)]
    fill(img, outline, polygons_mask(size, [back_shape]))
    fill(img, back, polygons_mask(size, [[(6, 10), (10.6, 10), (12.6, 12), (23, 12), (23, 22), (6, 22)]]))
    if kind == "open":  # the front sheet tilts open; a play mark says it holds a video
        front = [(7.5, 14), (26.5, 14), (23, 23.5), (4, 23.5)]
        inner = [(8.2, 15), (25.2, 15), (22.3, 22.5), (5.3, 22.5)]
        fill(img, outline, polygons_mask(size, [front]))
        fill(img, vgradient(size, front_top, front_bottom), polygons_mask(size, [inner]))
        fill(img, WHITE, polygons_mask(size, [[(13, 16.3), (13, 21.2), (17.6, 18.75)]]))
    else:  # a closed folder that a down arrow files into
        front = [(4.5, 13.5), (24.5, 13.5), (24.5, 23.5), (4.5, 23.5)]
        inner = [(5.5, 14.5), (23.5, 14.5), (23.5, 22.5), (5.5, 22.5)]
        fill(img, outline, polygons_mask(size, [front]))
        fill(img, vgradient(size, front_top, front_bottom), polygons_mask(size, [inner]))
        arrow_colour = WHITE if hot else ACCENT_DARK
        arrow = [(17.5, 4), (22, 4), (22, 10), (25, 10), (19.75, 16), (14.5, 10), (17.5, 10)]
        fill(img, WHITE if not hot else ACCENT_DARK, polygons_mask(size, [grow(arrow, 1)]))
        fill(img, arrow_colour, polygons_mask(size, [arrow]))


def grow(points, amount):
    cx = sum(x for x, _ in points) / len(points)
    cy = sum(y for _, y in points) / len(points)
    out = []
    for x, y in points:
        dx, dy = x - cx, y - cy
        length = max(1e-6, (dx * dx + dy * dy) ** 0.5)
        out.append((x + dx / length * amount, y + dy / length * amount))
    return out


# ---- backgrounds and picture ----

def main_background():
    img = Image.new("RGB", (716, 392), CANVAS)
    d = ImageDraw.Draw(img)
    d.line((0, 0, 715, 0), fill=(246, 248, 251))  # a highlight under the caption bar
    left_group, file_group, format_group = (MAIN_GROUPS[k] for k in ("position", "file", "format"))
    panel(img, (left_group[0] - 2, left_group[1], left_group[2] + 1, left_group[3] + 2))
    panel(img, (file_group[0] - 1, file_group[1] - 1, file_group[2] + 2, format_group[3] + 2))
    screen_bezel(img)
    brand(img, (385, 334, 712, 389))
    return img


def screen_bezel(img):
    x0, y0, x1, y1 = PICTURE
    box = (x0 - 4, y0 - 4, x1 + 4, y1 + 4)
    soft_shadow(img, box, 6, (150, 162, 178), blur=3, offset=(0, 2))
    fill(img, BEZEL_EDGE, rounded_mask(img.size, box, 6))
    inner = (box[0] + 1, box[1] + 1, box[2] - 1, box[3] - 1)
    fill(img, vgradient(img.size, (40, 52, 68), BEZEL), rounded_mask(img.size, inner, 5))
    ImageDraw.Draw(img).rectangle((x0, y0, x1 - 1, y1 - 1), fill=SCREEN_DARK)


def brand(img, box):
    x0, y0, x1, y1 = box
    d = ImageDraw.Draw(img)
    d.line((x0 + 4, y0, x1 - 4, y0), fill=(212, 220, 230))
    d.line((x0 + 4, y0 + 1, x1 - 4, y0 + 1), fill=(248, 250, 252))
    mark = program_mark(34, tile=True)
    img.paste(mark.convert("RGB"), (x1 - 40, y0 + 11), mark.split()[3])
    title = font("DejaVuSans-Bold.ttf", 20)
    tagline = font("DejaVuSans.ttf", 10)
    d.text((x1 - 48, y0 + 9), "Velmora", font=title, fill=SLATE_TEXT, anchor="ra")
    d.text((x1 - 48, y0 + 35), "sound tracks out of videos", font=tagline, fill=MUTED_TEXT, anchor="ra")


def no_video_picture():
    w, h = 371, 281
    img = Image.new("RGB", (w, h), SCREEN_DARK)
    glow = Image.new("L", (w, h), 0)
    ImageDraw.Draw(glow).ellipse((40, 10, w - 40, h - 10), fill=255)
    glow = glow.filter(ImageFilter.GaussianBlur(60))
    img.paste(Image.new("RGB", (w, h), (36, 50, 68)), (0, 0), glow)
    film_frame(img, (w // 2, 112))
    d = ImageDraw.Draw(img)
    d.text((w // 2, 176), "No video loaded", font=font("DejaVuSans.ttf", 16), fill=(196, 208, 222),
           anchor="mm")
    d.text((w // 2, 199), "Open a video file to preview it here", font=font("DejaVuSans.ttf", 11),
           fill=(120, 138, 160), anchor="mm")
    return img


def film_frame(img, centre):
    cx, cy = centre
    box = (cx - 46, cy - 32, cx + 46, cy + 32)
    colour = (78, 98, 124)
    fill(img, colour, rounded_mask(img.size, box, 7))
    fill(img, (22, 30, 41), rounded_mask(img.size, (box[0] + 3, box[1] + 3, box[2] - 3, box[3] - 3), 5))
    holes = []
    for i in range(7):
        x = box[0] + 9 + i * 12
        holes.append(bar(x, box[1] + 6, x + 6, box[1] + 11))
        holes.append(bar(x, box[3] - 11, x + 6, box[3] - 6))
    fill(img, colour, polygons_mask(img.size, holes))
    play = [(cx - 8, cy - 12), (cx - 8, cy + 12), (cx + 13, cy)]
    fill(img, (120, 144, 174), polygons_mask(img.size, [play]))


def progress_background():
    w, h = 378, 132
    img = Image.new("RGB", (w, h), CANVAS)
    header = vgradient((w, 36), (48, 64, 86), (30, 41, 56))
    img.paste(header, (0, 0))
    d = ImageDraw.Draw(img)
    d.line((0, 36, w, 36), fill=ACCENT)
    mark = program_mark(24, tile=True)
    img.paste(mark.convert("RGB"), (8, 6), mark.split()[3])
    d.text((40, 18), "Extract the sound track to MP3", font=font("DejaVuSans-Bold.ttf", 13),
           fill=(236, 242, 248), anchor="lm")
    x0, y0, x1, y1 = PROGRESS_BAR
    groove = (x0 - 3, y0 - 3, x1 + 3, y1 + 3)
    fill(img, PANEL_EDGE, rounded_mask(img.size, groove, 4))
    fill(img, WHITE, rounded_mask(img.size, (groove[0] + 1, groove[1] + 1, groove[2] - 1, groove[3] - 1), 3))
    d.line((8, h - 3, w - 9, h - 3), fill=(212, 220, 230))
    return img


# ---- program icon ----

def program_mark(size, tile):
    """A film strip with a note on an azure tile, drawn large and reduced for a clean small icon."""
    s = 256
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    if tile:
        grad = vgradient((s, s), (86, 172, 255), (26, 98, 190)).convert("RGBA")
        mask = Image.new("L", (s, s), 0)
        ImageDraw.Draw(mask).rounded_rectangle((4, 4, s - 5, s - 5), radius=52, fill=255)
        img.paste(grad, (0, 0), mask)
    d = ImageDraw.Draw(img)
    small = size <= 16
    strip = (24, 70, 232, 186) if not small else (16, 64, 240, 192)
    d.rounded_rectangle(strip, radius=14, fill=(34, 44, 60, 255))
    if not small:
        for i in range(7):
            x = 38 + i * 28
            d.rounded_rectangle((x, 80, x + 14, 94), radius=3, fill=(230, 238, 248, 255))
            d.rounded_rectangle((x, 162, x + 14, 176), radius=3, fill=(230, 238, 248, 255))
    note = (255, 176, 64, 255)
    stem_w = 20 if not small else 30
    d.ellipse((82, 128, 140, 176) if not small else (60, 122, 140, 186), fill=note)
    stem_x = 120 if not small else 110
    d.rectangle((stem_x, 36 if not small else 30, stem_x + stem_w, 156), fill=note)
    d.polygon([(stem_x + stem_w, 36), (186, 70), (186, 100), (stem_x + stem_w, 70)] if not small else
              [(stem_x + stem_w, 30), (206, 72), (206, 112), (stem_x + stem_w, 72)], fill=note)
    return img.resize((size, size), Image.LANCZOS)


# ---- files ----

def bmp24_bytes(img):
    w, h = img.size
    row_size = (w * 3 + 3) & ~3
    pixels = img.convert("RGB").tobytes("raw", "BGR", 0, -1)  # bottom-up rows, as a .bmp stores them
    padding = b"\0" * (row_size - w * 3)
    body = b"".join(pixels[y * w * 3:(y + 1) * w * 3] + padding for y in range(h))
    return bmp_headers(w, h, 24, len(body)) + body


def bmp32_bytes(img):
    w, h = img.size
    body = img.convert("RGBA").tobytes("raw", "BGRA", 0, -1)
    return bmp_headers(w, h, 32, len(body)) + body


def bmp_headers(w, h, bits, image_size):
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + image_size, 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, image_size, 2835, 2835, 0, 0)
    return file_header + info_header


def check_key_colour(name, img, key):
    if any(pixel == key for pixel in img.getdata()):
        sys.exit("%s contains its key colour %s: the window would show through" % (name, key))


def skin_buttons():
    """bitmap number -> image, for every hot and normal image of the two windows."""
    images = {}
    text_buttons = [
        (138, 139, (75, 21), "Mark Start", "plain", WHITE),
        (142, 143, (75, 21), "Mark End", "plain", WHITE),
        (158, 159, (62, 21), "Extract Now", "primary", CANVAS),
        (164, 165, (62, 21), "Help", "plain", CANVAS),
        (166, 167, (62, 21), "HomePage", "plain", CANVAS),
        (184, 185, (62, 21), "Cancel", "plain", CANVAS),
    ]
    face = caption_font([row[3] for row in text_buttons], 62 - 6)
    for normal, hot, size, caption, scheme, surround in text_buttons:
        images[normal] = text_button(size, caption, scheme, False, surround, face)
        images[hot] = text_button(size, caption, scheme, True, surround, face)
    transport = [(144, 145, "play"), (146, 147, "pause"), (156, 157, "backward"),
                 (150, 151, "forward"), (152, 153, "begin"), (154, 155, "end")]
    for normal, hot, glyph in transport:
        images[normal] = transport_button(glyph, False)
        images[hot] = transport_button(glyph, True)
    for normal, hot, kind in [(170, 171, "open"), (174, 175, "save")]:
        images[normal] = folder_button(kind, False)
        images[hot] = folder_button(kind, True)
    return images


HOT_IMAGES = {139, 143, 145, 147, 151, 153, 155, 157, 159, 165, 167, 171, 175, 185}

# The sizes the windows were laid out for.
SIZES = {178: (716, 392), 179: (371, 281), 183: (378, 132)}
SIZES.update({n: (75, 21) for n in (138, 139, 142, 143)})
SIZES.update({n: (18, 18) for n in range(144, 158) if n not in (148, 149)})
SIZES.update({n: (62, 21) for n in (158, 159, 164, 165, 166, 167, 184, 185)})
SIZES.update({n: (30, 30) for n in (170, 171, 174, 175)})


def build_all():
    bitmaps = skin_buttons()
    for number, img in bitmaps.items():
        key = KEY_HOT if number in HOT_IMAGES else KEY_NORMAL
        check_key_colour("bitmap %d" % number, img, key)
    bitmaps[178] = main_background()
    bitmaps[179] = no_video_picture()
    bitmaps[183] = progress_background()
    if {n: img.size for n, img in bitmaps.items()} != SIZES:
        sys.exit("the bitmaps do not have the numbers and sizes the windows expect")
    icons = {size: program_mark(size, tile=True) for size in (16, 32, 48)}
    return bitmaps, icons


def write_all(bitmaps, icons):
    os.makedirs(DATA_DIR, exist_ok=True)
    for number, img in sorted(bitmaps.items()):
        with open(os.path.join(DATA_DIR, "bmp_%d.bmp" % number), "wb") as f:
            f.write(bmp24_bytes(img))
    for size, img in sorted(icons.items()):
        with open(os.path.join(DATA_DIR, "icon_128_%d.bmp" % size), "wb") as f:
            f.write(bmp32_bytes(img))


# ---- previews for checking by eye ----

def contact_sheet(bitmaps, icons, scale=3):
    numbers = [n for n in sorted(bitmaps) if n not in (178, 179, 183)]
    pairs = sorted({n & ~1 for n in numbers})  # a normal image is even, its hot image the next number
    cell_w, cell_h = 2 * 75 * scale + 40, 30 * scale + 30
    sheet = Image.new("RGB", (cell_w * 2 + 20, (len(pairs) + 1) // 2 * cell_h + 200), (180, 186, 194))
    d = ImageDraw.Draw(sheet)
    for i, normal in enumerate(pairs):
        x, y = 10 + (i % 2) * cell_w, 10 + (i // 2) * cell_h
        d.text((x, y), "%d / %d" % (normal, normal + 1), fill=(20, 20, 20))
        for j, number in enumerate((normal, normal + 1)):
            img = bitmaps[number]
            big = img.resize((img.width * scale, img.height * scale), Image.NEAREST)
            sheet.paste(big, (x + j * (75 * scale + 20), y + 14))
    y = 10 + (len(pairs) + 1) // 2 * cell_h
    x = 10
    for size in sorted(icons):
        for backdrop in ((255, 255, 255), (40, 40, 40)):
            tile = Image.new("RGB", (size * 3, size * 3), backdrop)
            icon = icons[size].resize((size * 3, size * 3), Image.NEAREST)
            tile.paste(icon, (0, 0), icon)
            sheet.paste(tile, (x, y))
            x += size * 3 + 10
    return sheet


def layout_preview(bitmaps):
    main = bitmaps[178].copy()
    main.paste(bitmaps[179], PICTURE[:2])
    for rect, normal, _ in MAIN_BUTTONS:
        place_button(main, rect, bitmaps[normal])
    d = ImageDraw.Draw(main)
    for rect in MAIN_CONTROLS:
        d.rectangle((rect[0], rect[1], rect[2] - 1, rect[3] - 1), outline=(230, 40, 40))
    for rect in MAIN_GROUPS.values():
        d.rectangle((rect[0], rect[1], rect[2] - 1, rect[3] - 1), outline=(40, 40, 230))
    for rect, _, _ in MAIN_BUTTONS:
        d.rectangle((rect[0], rect[1], rect[2] - 1, rect[3] - 1), outline=(220, 0, 220))
    clean = bitmaps[178].copy()
    clean.paste(bitmaps[179], PICTURE[:2])
    for rect, normal, hot in MAIN_BUTTONS:
        place_button(clean, rect, bitmaps[hot if normal in (138, 144, 158, 170) else normal])
    progress = bitmaps[183].copy()
    for rect, normal, hot in PROGRESS_BUTTONS:
        place_button(progress, rect, bitmaps[hot if normal == 184 else normal])
    x0, y0, x1, y1 = PROGRESS_BAR
    bar_colours = {"outline": (120, 130, 140), "fill": (240, 240, 240)}
    ImageDraw.Draw(progress).rectangle((x0, y0, x1 - 1, y1 - 1), **bar_colours)
    sheet = Image.new("RGB", (716, 392 * 2 + 132 + 20), (90, 90, 90))
    sheet.paste(main, (0, 0))
    sheet.paste(clean, (0, 392 + 10))
    sheet.paste(progress, (0, 392 * 2 + 20))
    return sheet


def place_button(img, rect, image):
    x0, y0, x1, y1 = rect
    img.paste(image, (x0 + (x1 - x0 - image.width) // 2, y0 + (y1 - y0 - image.height) // 2))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", metavar="DIR", help="also write contact.png and layout.png here")
    args = parser.parse_args()
    bitmaps, icons = build_all()
    write_all(bitmaps, icons)
    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        contact_sheet(bitmaps, icons).save(os.path.join(args.preview, "contact.png"))
        layout_preview(bitmaps).save(os.path.join(args.preview, "layout.png"))


if __name__ == "__main__":
    main()
