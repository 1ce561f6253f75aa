#!/usr/bin/env python3
"""Draws the program's pictures as XPM files: the application icon (32 x 32,
16 colours), the help glyph (23 x 22) and the folder tree's leaf (14 x 14).
Run it from this folder after changing a drawing; the XPM files are kept in
the repository and compiled into the program."""

import math
import struct
import zlib


def canvas(width, height):
    return [[' '] * width for _ in range(height)]


def fill_rect(picture, left, top, right, bottom, key):
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            picture[y][x] = key


def write_xpm(path, name, picture, palette):
    height, width = len(picture), len(picture[0])
    lines = [f'"{width} {height} {len(palette)} 1",']
    lines += [f'"{key} c {colour}",' for key, colour in palette.items()]
    lines += [f'"{"".join(row)}",' for row in picture]
    lines[-1] = lines[-1].rstrip(',')
    with open(path, 'w') as out:
        out.write(f'/* XPM */\nstatic const char *{name}[] = {{\n' + '\n'.join(lines) + '\n};\n')


def write_png(path, picture, palette, scale):
    """The picture enlarged by a whole factor, each pixel a square block, so
    that the larger icon sizes stay as crisp as the 32 x 32 one."""
    colours = {key: (0, 0, 0, 0) if value == 'None' else
               (int(value[1:3], 16), int(value[3:5], 16), int(value[5:7], 16), 255)
               for key, value in palette.items()}
    rows = []
    for row in picture:
        line = b''.join(bytes(colours[key]) * scale for key in row)
        rows += [b'\x00' + line] * scale
    height, width = len(picture) * scale, len(picture[0]) * scale

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    with open(path, 'wb') as out:
        out.write(b'\x89PNG\r\n\x1a\n')
        out.write(chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)))
        out.write(chunk(b'IDAT', zlib.compress(b''.join(rows), 9)))
        out.write(chunk(b'IEND', b''))


def application_icon():
    """A sheet of paper with a quill writing across it."""
    palette = {' ': 'None', 'k': '#000000', 'w': '#FFFFFF', 'g': '#C0C0C0', 'd': '#808080',
               'b': '#000080', 'y': '#FFFF00', 'o': '#808000', 'r': '#800000'}
    picture = canvas(32, 32)
    fill_rect(picture, 5, 2, 22, 29, 'k')
    fill_rect(picture, 6, 3, 21, 28, 'w')
    fill_rect(picture, 23, 4, 24, 30, 'd')
    fill_rect(picture, 7, 30, 24, 30, 'd')
    for top in range(7, 27, 4):
        fill_rect(picture, 8, top, 18, top, 'g')
    # The quill: a feather from the top right down to a nib on the sheet.
    for step in range(22):
        x, y = 29 - step, 2 + step
        for width in range(-2, 3) if step < 14 else range(-1, 2):
            picture[y][min(31, max(0, x + width))] = 'y' if abs(width) < 2 else 'o'
        picture[y][x] = 'r'
    picture[24][7] = picture[25][6] = 'b'
    picture[26][5] = 'k'
    return picture, palette


def help_glyph():
    """A blue disc bearing a white question mark."""
    palette = {' ': 'None', 'b': '#0000FF', 'n': '#000080', 'w': '#FFFFFF'}
    picture = canvas(23, 22)
    cx, cy, radius = 11, 10.5, 10
    for y in range(22):
        for x in range(23):
            distance = math.hypot(x - cx, y - cy)
            if distance <= radius - 1:
                picture[y][x] = 'b'
            elif distance <= radius:
                picture[y][x] = 'n'
    mark = ["  www  ",
            " ww ww ",
            " w   ww",
            "     ww",
            "    ww ",
            "   ww  ",
            "   ww  ",
            "       ",
            "   ww  ",
            "   ww  "]
    for row, text in enumerate(mark):
        for column, key in enumerate(text):
            if key == 'w':
                picture[5 + row][8 + column] = 'w'
    return picture, palette


def folder_leaf():
    """A closed yellow folder."""
    palette = {' ': 'None', 'k': '#000000', 'y': '#FFFF00', 'o': '#808000', 'w': '#FFFFFF'}
    picture = canvas(14, 14)
    fill_rect(picture, 1, 2, 5, 3, 'k')
    fill_rect(picture, 2, 3, 4, 3, 'y')
    fill_rect(picture, 0, 4, 12, 12, 'k')
    fill_rect(picture, 1, 5, 11, 11, 'y')
    fill_rect(picture, 1, 5, 11, 5, 'w')
    fill_rect(picture, 13, 5, 13, 12, 'o')
    fill_rect(picture, 1, 13, 13, 13, 'o')
    return picture, palette


if __name__ == '__main__':
    icon = application_icon()
    write_xpm('quillot_icon.xpm', 'quillot_icon', *icon)
    for scale in (1, 2, 4, 8):
        size = 32 * scale
        write_png(f'icons/{size}x{size}/quillot.png', *icon, scale)
    write_xpm('help_glyph.xpm', 'help_glyph', *help_glyph())
    write_xpm('folder_leaf.xpm', 'folder_leaf', *folder_leaf())
