#!/usr/bin/python3
"""Tests of the PGM reader and the ink rule on hand-made images."""

import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import librecad_ink as ink  # noqa: E402

# (row, image bytes, ink: pixels darker than white)
INK_CASES = [
    ("all white 3x2", b"P5\n3 2\n255\n" + bytes([255] * 6), 0),
    ("two dark pixels", b"P5\n3 2\n255\n" + bytes([255, 0, 255, 255, 254, 255]), 2),
    # A raster byte of 10 or 32 (newline, space) right after the header is a pixel.
    ("raster starts with whitespace values", b"P5 2 1 255\n" + bytes([10, 32]), 2),
    ("a comment in the header", b"P5\n# poppler\n2 2\n255\n" + bytes([0, 255, 255, 255]), 1),
    ("16-bit greys", b"P5\n2 1\n65535\n" + bytes([0xFF, 0xFF, 0xFF, 0xFE]), 1),
    ("plain PGM", b"P2\n2 2\n15\n15 15\n0 7\n", 2),
]

# (row, image bytes) that must be refused rather than counted
BAD_IMAGES = [
    ("a PPM colour image", b"P6\n1 1\n255\n" + bytes([0, 0, 0])),
    ("a short raster", b"P5\n3 2\n255\n" + bytes([0] * 5)),
    ("a header cut short", b"P5\n3"),
]


class PgmTest(unittest.TestCase):
    def test_ink_counts_pixels_darker_than_white(self):
        for row, data, expected in INK_CASES:
            with self.subTest(row):
                self.assertEqual(ink.inkOf(data), expected, row)

    def test_size_and_depth_read_from_the_header(self):
        width, height, maxval, pixels = ink.readPgm(b"P5\n3 2\n255\n" + bytes(range(6)))
        self.assertEqual((width, height, maxval, pixels), (3, 2, 255, [0, 1, 2, 3, 4, 5]))

    def test_other_images_are_refused(self):
        for row, data in BAD_IMAGES:
            with self.subTest(row):
                with self.assertRaises(ValueError, msg=row):
                    ink.readPgm(data)


# (row, our ink, the original's ink, enough?)
SHARE_CASES = [
    ("the same page", 800, 800, True),
    ("exactly half", 400, 800, True),
    ("just under half", 399, 800, False),
    ("a blank page of ours", 0, 800, False),
    ("more ink than the original (display blocks added)", 1200, 800, True),
]


class InkShareTest(unittest.TestCase):
    def test_ours_carries_at_least_half_the_ink(self):
        for row, ours, original, enough in SHARE_CASES:
            with self.subTest(row):
                self.assertEqual(ink.isEnough(ours, original), enough, row)


if __name__ == "__main__":
    unittest.main()
