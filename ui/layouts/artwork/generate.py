#!/usr/bin/env python3
"""Draws replymate's pictures and icon into the folder given on the command line.

Everything comes from a fixed seed, so every build writes the same bytes:
  dark_tile.bmp      96 x 96, a dark marbled texture that tiles seamlessly
  grey_texture.bmp   200 x 200, a light grey grain
  flame_button.bmp   102 x 30, flames filling the face of a button
  flame_band.bmp     580 x 80, flames rising from the bottom of a black band
  app.ico            a flame in a dark disc at 16, 32 and 48 pixels, each in
                     16 and in 256 colours
Pure standard library: the build machine needs nothing but python3.
"""
import math
import os
import struct
import sys


class Rng:
    """xorshift32: small, fast enough, and the same on every Python."""

    def __init__(self, seed):
        self.state = seed or 1

    def next(self):
        x = self.state
        x ^= (x << 13) & 0xFFFFFFFF
        x ^= x >> 17
        x ^= (x << 5) & 0xFFFFFFFF
        self.state = x
        return x

    def unit(self):
        return self.next() / 4294967296.0


def clamp(v):
    return 0 if v < 0 else 255 if v > 255 else int(v)


# ---------------------------------------------------------------- writers

def write_bmp24(path, width, height, pixel):
    """pixel(x, y) -> (r, g, b) with y = 0 at the top."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - width * 3)
        rows.append(bytes(row))
    image = b"".join(rows)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(image), 0, 0, 14 + len(header))
    with open(path, "wb") as f:
        f.write(file_header + header + image)


def icon_image(size, bits, palette, indexes, opaque):
    """One icon image: header, palette, colour bits and the transparency mask."""
    colours = 1 << bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, colours, 0)
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    pal += b"\0\0\0\0" * (colours - len(palette))
    xor_stride = ((size * bits + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor_rows, and_rows = [], []
    for y in range(size - 1, -1, -1):
        row = bytearray(xor_stride)
        mask = bytearray(and_stride)
        for x in range(size):
            i = indexes[y * size + x]
            if bits == 8:
                row[x] = i
            else:
                row[x // 2] |= i << (4 if x % 2 == 0 else 0)
            if not opaque[y * size + x]:
                mask[x // 8] |= 0x80 >> (x % 8)
        xor_rows.append(bytes(row))
        and_rows.append(bytes(mask))
    return header + pal + b"".join(xor_rows) + b"".join(and_rows)


def write_ico(path, images):
    """images: list of (size, bits, data)."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for size, bits, data in images:
        colour_count = 16 if bits == 4 else 0
        entries += struct.pack("<BBBBHHII", size, size, colour_count, 0, 1, bits, len(data), offset)
        blobs += data
        offset += len(data)
    with open(path, "wb") as f:
        f.write(directory + entries + blobs)


# ---------------------------------------------------------------- noise

def periodic_noise(period, cells, rng):
    """Smooth value noise that repeats every `period` pixels."""
    grid = [[rng.unit() for _ in range(cells)] for _ in range(cells)]
    scale = cells / period

    def at(x, y):
        gx, gy = x * scale, y * scale
        x0, y0 = int(math.floor(gx)), int(math.floor(gy))
        fx, fy = gx - x0, gy - y0
        fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
        x0 %= cells
        y0 %= cells
        x1, y1 = (x0 + 1) % cells, (y0 + 1) % cells
        top = grid[y0][x0] * (1 - fx) + grid[y0][x1] * fx
        bottom = grid[y1][x0] * (1 - fx) + grid[y1][x1] * fx
        return top * (1 - fy) + bottom * fy

    return at


def turbulence(period, rng, octaves):
    layers = [periodic_noise(period, 3 * (2 ** o), rng) for o in range(octaves)]

    def at(x, y):
        return sum(layer(x, y) / (2 ** o) for o, layer in enumerate(layers)) / (2 - 2 ** (1 - octaves))

    return at


# ---------------------------------------------------------------- pictures

def dark_tile():
    size = 96
    rng = Rng(0x5EED0001)
    turb = turbulence(size, rng, 4)
    grain = Rng(0x5EED0002)
    values = {}
    for y in range(size):
        for x in range(size):
            t = turb(x, y)
            # veins run diagonally, bent by the turbulence; a whole number of
            # periods across the tile keeps its edges seamless
            phase = 2 * math.pi * (x + y) / size * 2 + 9 * t
            vein = (1 - abs(math.sin(phase))) ** 6
            base = 14 + 22 * t
            n = grain.unit() * 6
            values[(x, y)] = (clamp(base + 70 * vein + n), clamp(base + 66 * vein + n),
                              clamp(base + 12 + 80 * vein + n))
    return size, size, lambda x, y: values[(x, y)]


def grey_texture():
    size = 200
    rng = Rng(0x5EED0003)
    soft = turbulence(size, rng, 3)
    grain = Rng(0x5EED0004)
    values = {}
    for y in range(size):
        for x in range(size):
            v = 184 + 22 * soft(x, y) + grain.unit() * 14 - 7
            values[(x, y)] = (clamp(v), clamp(v), clamp(v + 2))
    return size, size, lambda x, y: values[(x, y)]


FIRE_PALETTE = []
for i in range(37):
    t = i / 36.0
    FIRE_PALETTE.append((clamp(t * 3.0 * 255), clamp((t * 3.0 - 1.0) * 255 * 0.9),
                         clamp((t * 3.0 - 2.0) * 255 * 0.8)))


def fire(width, height, seed, decay, steps, base_heat=36):
    """Heat spreading up from a hot bottom row with random cooling and drift."""
    rng = Rng(seed)
    heat = [[0] * width for _ in range(height)]
    heat[height - 1] = [base_heat] * width
    for _ in range(steps):
        for y in range(1, height):
            row, above = heat[y], heat[y - 1]
            for x in range(width):
                r = rng.next()
                cool = (r & 3) * decay // 3
                drift = ((r >> 2) & 3) - 1
                tx = (x - drift) % width
                v = row[x] - cool
                above[tx] = v if v > 0 else 0
    return soften(heat)


def soften(heat):
    """A small blur that turns single-pixel sparks into tongues of flame."""
    height, width = len(heat), len(heat[0])
    out = [[0] * width for _ in range(height)]
    for y in range(height):
        for x in range(width):
            total, count = 0, 0
            for dy in (-1, 0, 1, 2):
                yy = y + dy
                if 0 <= yy < height:
                    for dx in (-1, 0, 1):
                        total += heat[yy][(x + dx) % width]
                        count += 1
            out[y][x] = total // count
    return out


def flame_band():
    width, height = 580, 80
    heat = fire(width, height, 0x5EED0005, decay=2, steps=90)
    return width, height, lambda x, y: FIRE_PALETTE[heat[y][x]]


def flame_button():
    width, height = 102, 30
    heat = fire(width, height, 0x5EED0006, decay=3, steps=40, base_heat=36)
    # a floor of warmth keeps the whole face lit, so its caption stays readable
    return width, height, lambda x, y: FIRE_PALETTE[max(heat[y][x], 14)]


# ---------------------------------------------------------------- icon

VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def palette256():
    levels = [0, 51, 102, 153, 204, 255]
    pal = [(r, g, b) for r in levels for g in levels for b in levels]
    pal += [FIRE_PALETTE[i] for i in range(0, 37, 1)][:24]
    pal += [(v, v, v) for v in range(8, 256, 17)][:16]
    return pal[:256]


def nearest(palette, colour):
    r, g, b = colour
    best, best_d = 0, None
    for i, (pr, pg, pb) in enumerate(palette):
        d = (pr - r) ** 2 * 3 + (pg - g) ** 2 * 4 + (pb - b) ** 2 * 2
        if best_d is None or d < best_d:
            best, best_d = i, d
    return best


def icon_pixels(size):
    """A flame standing in a dark disc; outside the disc is transparent."""
    colours, opaque = [], []
    for y in range(size):
        for x in range(size):
            u = (x + 0.5) / size * 2 - 1
            v = (y + 0.5) / size * 2 - 1
            r = math.hypot(u, v)
            if r > 0.97:
                colours.append((0, 0, 0))
                opaque.append(False)
                continue
            # the flame: a teardrop, widest low down, pointed at the top
            h = (0.85 - v) / 1.6            # 0 at the bottom of the flame, 1 at its tip
            half = 0.55 * math.sin(math.pi * min(max(h, 0), 1) ** 0.8) * (1 - h * 0.35)
            inside = 0 <= h <= 1 and abs(u + 0.08 * math.sin(h * 5)) < half
            if inside:
                core = 1 - abs(u) / max(half, 1e-6)
                t = min(1.0, 0.35 + 0.65 * core * (1 - h * 0.6))
                colours.append(FIRE_PALETTE[int(t * 36)])
            elif r > 0.85:
                colours.append((96, 24, 0))    # a dark red rim
            else:
                colours.append((24, 16, 32))
            opaque.append(True)
    return colours, opaque


def app_icon():
    images = []
    pal16, pal256 = VGA16, palette256()
    for size in (16, 32, 48):
        colours, opaque = icon_pixels(size)
        for bits, pal in ((4, pal16), (8, pal256)):
            indexes = [nearest(pal, c) for c in colours]
            images.append((size, bits, icon_image(size, bits, pal, indexes, opaque)))
    return images


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, make in (("dark_tile.bmp", dark_tile), ("grey_texture.bmp", grey_texture),
                       ("flame_button.bmp", flame_button), ("flame_band.bmp", flame_band)):
        width, height, pixel = make()
        write_bmp24(os.path.join(out, name), width, height, pixel)
    write_ico(os.path.join(out, "app.ico"), app_icon())


if __name__ == "__main__":
    main()
