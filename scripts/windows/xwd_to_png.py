#!/usr/bin/env python3
"""Converts Xvfb's frame buffer (an XWD file, Xvfb -fbdir) into a PNG, cropped to the area
that differs from the background colour of the screen's corner.
Usage: xwd_to_png.py Xvfb_screen0 out.png"""
import struct
import sys
import zlib


def main():
    data = open(sys.argv[1], "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line, ncolors = fields[7], fields[11], fields[12], fields[19]
    if bits_per_pixel != 32:
        sys.exit("expected 32 bits per pixel, got %d" % bits_per_pixel)
    pixels = data[header_size + 12 * ncolors:]

    def rgb(x, y):
        p = pixels[y * bytes_per_line + 4 * x: y * bytes_per_line + 4 * x + 4]
        return (p[2], p[1], p[0]) if byte_order == 0 else (p[1], p[2], p[3])

    background = rgb(0, 0)
    xs = [x for x in range(width) if any(rgb(x, y) != background for y in range(0, height, 4))]
    ys = [y for y in range(height) if any(rgb(x, y) != background for x in range(0, width, 4))]
    left, right = (min(xs), max(xs) + 1) if xs else (0, width)
    top, bottom = (min(ys), max(ys) + 1) if ys else (0, height)
    rows = b"".join(b"\0" + b"".join(bytes(rgb(x, y)) for x in range(left, right))
                    for y in range(top, bottom))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(
            ">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", right - left,
                                                             bottom - top, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")
    open(sys.argv[2], "wb").write(png)


if __name__ == "__main__":
    main()
