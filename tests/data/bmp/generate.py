#!/usr/bin/env python3
"""Writes the BMP decoder fixtures of this directory (run once; the results are committed).

ImageMagick (/usr/bin/convert) writes the bitmaps in every depth and compression it offers;
the few layouts it cannot write (RLE4, 16-bit BI_RGB, masks after a 40-byte header, top-down
rows) are put together here from its output. Every NAME.bmp has a NAME.ppm beside it that
ImageMagick decoded from that very file: the reference the decoder is compared with.
"""
import os
import random
import struct
import subprocess
import tempfile

CONVERT = "/usr/bin/convert"
W, H = 13, 7  # odd width: every depth needs row padding
HERE = os.path.dirname(os.path.abspath(__file__))


def write_ppm(path, colours):
    data = bytearray()
    for y in range(H):
        for x in range(W):
            data += bytes(colours[(x * 3 + y * 5 + x * y) % len(colours)])
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (W, H) + data)


def convert(*args):
    subprocess.run([CONVERT, *args], check=True)


def read(name):
    with open(os.path.join(HERE, name), "rb") as f:
        return f.read()


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def info_header(width, height, bits, compression, image_size, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, image_size,
                       0, 0, colours, 0)


def file_header(total, offset):
    return b"BM" + struct.pack("<IHHI", total, 0, 0, offset)


def pixel_data(bmp):
    return bmp[struct.unpack_from("<I", bmp, 10)[0]:]


def rle4(indices):
    """Codes rows of 4-bit indices with absolute runs, coded runs, a delta and end-of-line."""
    out = bytearray()
    rows = [indices[r * W:(r + 1) * W] for r in range(H)]
    r = 0
    while r < H:
        row = rows[r]
        x = 0
        if r == 3:
            # Four coded pixels, then jump 3 right and 1 down: the skipped pixels keep colour 0.
            out += bytes([4, row[0] << 4 | row[1]])
            out += bytes([0, 2, 3, 1])
            x, r, row = 7, 4, rows[4]
        else:
            absolute = row[:5]
            packed = bytes((absolute[i] << 4) | (absolute[i + 1] if i + 1 < 5 else 0)
                           for i in range(0, 5, 2))
            out += bytes([0, 5]) + packed + b"\0"  # 3 bytes, padded to a word
            x = 5
        while x < W:
            a = row[x]
            b = row[x + 1] if x + 1 < W else 0
            n = 1
            while x + n < W and row[x + n] == (a if n % 2 == 0 else b):
                n += 1
            out += bytes([n, a << 4 | b])
            x += n
        out += bytes([0, 0])
        r += 1
    return out + bytes([0, 1])


def main():
    random.seed(7)
    tmp = tempfile.mkdtemp()
    two = os.path.join(tmp, "two.ppm")
    sixteen = os.path.join(tmp, "sixteen.ppm")
    many = os.path.join(tmp, "many.ppm")
    true = os.path.join(tmp, "true.ppm")
    write_ppm(two, [(20, 40, 200), (250, 240, 10)])
    write_ppm(sixteen, [tuple(random.randrange(256) for _ in range(3)) for _ in range(16)])
    write_ppm(many, [tuple(random.randrange(256) for _ in range(3)) for _ in range(60)])
    write_ppm(true, [tuple(random.randrange(256) for _ in range(3)) for _ in range(W * H)])

    out = lambda name: os.path.join(HERE, name)
    convert(two, "-type", "palette", "BMP3:" + out("pal1.bmp"))
    convert(sixteen, "-type", "palette", "BMP3:" + out("pal4.bmp"))
    convert(many, "-type", "palette", "-compress", "None", "BMP3:" + out("pal8.bmp"))
    convert(many, "-type", "palette", "-compress", "RLE", "BMP3:" + out("rle8.bmp"))
    convert(true, "-type", "truecolor", "BMP3:" + out("rgb24.bmp"))
    convert(true, "-alpha", "set", "-channel", "A", "-fx", "0.5", "+channel",
            "-define", "bmp3:alpha=true", "BMP3:" + out("rgb32.bmp"))
    convert(true, "-alpha", "set", "-channel", "A", "-fx", "0.5", "+channel",
            "BMP:" + out("bitfields32_v5.bmp"))
    convert(true, "-define", "bmp:subtype=RGB565", "BMP:" + out("bitfields565_v5.bmp"))
    convert(true, "-define", "bmp:subtype=RGB555", "BMP:" + tmp + "/555.bmp")
    convert(true, "-type", "truecolor", "BMP2:" + out("core24.bmp"))
    convert(many, "-type", "palette", "BMP2:" + out("core8.bmp"))

    # 16-bit BI_RGB: the implied 5-5-5 masks.
    with open(tmp + "/555.bmp", "rb") as f:
        pixels = pixel_data(f.read())
    write("rgb16.bmp", file_header(54 + len(pixels), 54) +
          info_header(W, H, 16, 0, len(pixels)) + pixels)

    # BI_BITFIELDS with the three masks after a 40-byte header.
    pixels = pixel_data(read("bitfields565_v5.bmp"))
    masks = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
    write("bitfields565.bmp", file_header(66 + len(pixels), 66) +
          info_header(W, H, 16, 3, len(pixels)) + masks + pixels)

    # Top-down rows: negative height, rows in reverse order.
    bmp = read("rgb24.bmp")
    stride = (W * 3 + 3) // 4 * 4
    rows = [pixel_data(bmp)[r * stride:(r + 1) * stride] for r in range(H)]
    write("topdown24.bmp", bmp[:22] + struct.pack("<i", -H) + bmp[26:54] + b"".join(rows[::-1]))

    # RLE4 with the palette and pixels of the 4-bit file.
    bmp = read("pal4.bmp")
    palette = bmp[54:54 + 64]
    stride = (W * 4 + 31) // 32 * 4
    data = pixel_data(bmp)
    indices = []
    for r in range(H):
        row = data[r * stride:(r + 1) * stride]
        indices += [(row[x // 2] >> (0 if x % 2 else 4)) & 15 for x in range(W)]
    code = rle4(indices)
    write("rle4.bmp", file_header(118 + len(code), 118) +
          info_header(W, H, 4, 2, len(code), 16) + palette + code)

    for name in sorted(os.listdir(HERE)):
        if name.endswith(".bmp"):
            convert(out(name), "-depth", "8", "ppm:" + out(name[:-4] + ".ppm"))


if __name__ == "__main__":
    main()
