#!/usr/bin/env python3
"""Compares the sky view in two screenshots of the main dialog: one from X11, where the
view's place is known from the X server, one from a Wayland compositor, where the dialog
lies wherever the shell put it. The Wayland view is found through the dialog's widgets left
of it, which both platforms paint alike; then every pixel of the view is compared.

usage: compare_sky_view.py X11.ppm WAYLAND.ppm X Y WIDTH HEIGHT
Prints the number of view pixels that differ and exits 0 only if none does."""
import collections
import sys

LEFT = 200  # pixels of the dialog left of the view that locate it


def load_ppm(path):
    with open(path, 'rb') as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:  # P6, width, height, maximum, each after blanks or comments
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b'#':
            pos = data.index(b'\n', pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b'P6' or fields[3] != b'255':
        sys.exit(f'{path}: not an 8-bit binary PPM')
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:]
    return width, [pixels[y * width * 3:(y + 1) * width * 3] for y in range(height)]


def locate(x11_rows, wayland_rows, x, y, height):
    """The shift (dx, dy) that most rows of the widgets left of the view agree on."""
    votes = collections.Counter()
    for row in range(y, y + height):
        needle = x11_rows[row][(x - LEFT) * 3:x * 3]
        if len(set(needle[i:i + 3] for i in range(0, len(needle), 3))) < 4:
            continue  # plain background matches anywhere
        for wy, line in enumerate(wayland_rows):
            at = line.find(needle)
            while at >= 0:
                if at % 3 == 0:
                    votes[(at // 3 - (x - LEFT), wy - row)] += 1
                at = line.find(needle, at + 1)
    return votes.most_common(1)[0][0] if votes else None


def main():
    x11_path, wayland_path = sys.argv[1:3]
    x, y, width, height = (int(v) for v in sys.argv[3:7])
    _, x11_rows = load_ppm(x11_path)
    wayland_width, wayland_rows = load_ppm(wayland_path)
    shift = locate(x11_rows, wayland_rows, x, y, height)
    if shift is None:
        sys.exit('the dialog was not found in the Wayland screenshot')
    dx, dy = shift
    if not (0 <= x + dx and x + dx + width <= wayland_width and
            0 <= y + dy and y + dy + height <= len(wayland_rows)):
        sys.exit(f'the view shifted by {shift} lies outside the Wayland screenshot')
    differing = 0
    lit = 0
    for row in range(height):
        a = x11_rows[y + row][x * 3:(x + width) * 3]
        b = wayland_rows[y + dy + row][(x + dx) * 3:(x + dx + width) * 3]
        for i in range(0, len(a), 3):
            if a[i:i + 3] != b'\0\0\0':
                lit += 1
            if a[i:i + 3] != b[i:i + 3]:
                differing += 1
    print(f'view {width}x{height} at {x},{y} on X11 and {x + dx},{y + dy} on Wayland: '
          f'{lit} lit pixels, {differing} differ')
    if lit < 1000:
        sys.exit('the X11 view shows almost nothing: no sky to compare')
    sys.exit(0 if differing == 0 else 1)


if __name__ == '__main__':
    main()
