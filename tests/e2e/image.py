"""Screen pictures: read from ImageMagick's binary PPM, written out as PNG."""

import struct
import zlib


class Image:
    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = rgb  # bytes, three per pixel, row by row

    @classmethod
    def from_ppm(cls, data):
        fields = []
        position = 0
        while len(fields) < 4:
            while data[position : position + 1].isspace():
                position += 1
            if data[position : position + 1] == b"#":
                position = data.index(b"\n", position)
                continue
            end = position
            while not data[end : end + 1].isspace():
                end += 1
            fields.append(data[position:end])
            position = end
        magic, width, height, maximum = fields[0], int(fields[1]), int(fields[2]), int(fields[3])
        if magic != b"P6" or maximum != 255:
            raise ValueError(f"not an 8-bit binary PPM: {magic!r}, maximum {maximum}")
        pixels = data[position + 1 : position + 1 + width * height * 3]
        return cls(width, height, pixels)

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.rgb[at : at + 3])

    def crop(self, x, y, width, height):
        x, y = max(x, 0), max(y, 0)
        width, height = min(width, self.width - x), min(height, self.height - y)
        rows = (self.rgb[((y + row) * self.width + x) * 3 :][: width * 3] for row in range(height))
        return Image(width, height, b"".join(rows))

    def save_png(self, path):
        def chunk(kind, body):
            crc = zlib.crc32(kind + body)
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)

        stride = self.width * 3
        raw = b"".join(
            b"\x00" + self.rgb[row * stride : (row + 1) * stride] for row in range(self.height)
        )
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as png:
            png.write(b"\x89PNG\r\n\x1a\n")
            png.write(chunk(b"IHDR", header))
            png.write(chunk(b"IDAT", zlib.compress(raw, 9)))
            png.write(chunk(b"IEND", b""))
