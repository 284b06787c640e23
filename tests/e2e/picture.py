"""Screenshots as pixels: the binary PPM (P6, 8 bits a channel) that ImageMagick's import
writes, read into rows of RGB triples."""

from runner import check


class Picture:
    """An RGB screenshot; pixel(x, y) gives (r, g, b)."""

    def __init__(self, width, height, data):
        self.width = width
        self.height = height
        self.data = data

    @classmethod
    def from_ppm(cls, data):
        fields = []
        position = 0
        while len(fields) < 4:
            while data[position:position + 1].isspace():
                position += 1
            if data[position:position + 1] == b"#":
                position = data.index(b"\n", position) + 1
                continue
            end = position
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[position:end])
            position = end
        check(fields[0] == b"P6" and fields[3] == b"255", "unexpected screenshot format")
        width, height = int(fields[1]), int(fields[2])
        pixels = data[position + 1:position + 1 + 3 * width * height]
        return cls(width, height, pixels)

    def pixel(self, x, y):
        offset = 3 * (y * self.width + x)
        return tuple(self.data[offset:offset + 3])

    def crop(self, x, y, width, height):
        rows = [self.data[3 * ((y + row) * self.width + x):3 * ((y + row) * self.width + x + width)]
                for row in range(height)]
        return Picture(width, height, b"".join(rows))
