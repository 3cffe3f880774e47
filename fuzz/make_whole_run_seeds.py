#!/usr/bin/env python3
"""Writes the seed inputs of whole_run_fuzzer (see WholeRunFuzzer.cpp for the
layout) into fuzz/corpus/whole_run_fuzzer, one named file per case."""
import os
import struct
import sys

VIEW = {0: 0, 1: 1, 2: 2, -1: 3, 3: 4, "min": 5, "max": 6}
SCALE = {1000: 0, 1: 1, 100: 2, 0.001: 3, 0: 4, "-0": 5, -1000: 6, 1e-300: 7, 5e-324: 8, 1e300: 9,
         "max": 10, "nan": 11, "inf": 12, "-inf": 13, 1e9: 14}
COORD = {0: 0, 2500: 1, -1234: 2, "max": 3, "min": 4, "max-1": 5}
COUNTER = {"as is": 0, "exact fit": 3, "one too many": 4, "largest": 5, "minus one": 6, "smallest": 7,
           "near limit": 8}
ACTION = {"ok": 0, "type": 2, "cancel": 3, "other": 4, "no button": 5}
FIELDS = [102, 103, 104, 105, 111, 112, 113]


def coordinate(value):
    if value in COORD:
        return bytes([COORD[value]])
    return bytes([7]) + struct.pack("<i", value)


def seed(view=0, scale=1000, cursor=(0, 0, 0), origin=(0, 0, 0), vertices=(), edges=0, faces=0,
         counters=("as is", "as is", "as is"), near=0, selected=0, action="ok", result=0, load=0, texts=None):
    out = bytearray()
    out += bytes([VIEW[view]]) if view in VIEW else bytes([7]) + struct.pack("<i", view)
    out += bytes([SCALE[scale]]) if scale in SCALE else bytes([15]) + struct.pack("<d", scale)
    for c in cursor:
        out += coordinate(c)
    for c in origin:
        out += coordinate(c)
    out += bytes([len(vertices)])
    for status, x, y, z in vertices:
        out += struct.pack("<b", status) + coordinate(x) + coordinate(y) + coordinate(z)
    out += bytes([edges, faces])
    for counter in counters:
        out += bytes([COUNTER[counter], near])
    out += struct.pack("<i", selected)
    out += bytes([ACTION[action]]) + struct.pack("<i", result) + bytes([load])
    for field in FIELDS:
        text = (texts or {}).get(field)
        if text is None:
            out += b"\0"
        else:
            raw = text.encode("latin-1")
            out += bytes([len(raw) + 1]) + raw
    return bytes(out)


SEEDS = {
    "default": b"",
    "default-explicit": seed(),
    "old-vertices-all-statuses": seed(vertices=[(0, 1, 2, 3), (1, -1234, 0, 2500), (2, 0, 0, 0), (-1, 0, 0, 0),
                                               (127, "max", "min", 0)], edges=3, faces=2, selected=2),
    "view-1": seed(view=1),
    "view-2": seed(view=2),
    "view-minus-1": seed(view=-1, texts={104: "4", 105: "4"}),
    "view-3": seed(view=3),
    "view-min": seed(view="min", texts={111: "1", 112: "-1", 113: "0.5"}),
    "scale-0": seed(scale=0),
    "scale-minus-0": seed(scale="-0"),
    "scale-nan": seed(scale="nan"),
    "scale-inf": seed(scale="inf"),
    "scale-tiny": seed(scale=1e-300, cursor=(2500, 0, 0)),
    "scale-subnormal": seed(scale=5e-324),
    "scale-huge": seed(scale=1e300),
    "scale-negative": seed(scale=-1000, texts={104: "5", 105: "7"}),
    "scale-1e9": seed(scale=1e9),
    "cursor-extremes": seed(cursor=("max", "min", "max-1"), origin=("min", "max", 0)),
    "cursor-far-small-scale": seed(scale=0.001, cursor=("max", "min", 2500)),
    "radius-beyond-doubles": seed(texts={102: "1e999"}),
    "radius-beyond-coordinates": seed(texts={102: "3000000"}),
    "radius-just-inside": seed(scale=1, texts={102: "2147483000", 103: "0.5"}),
    "centre-beyond-doubles": seed(texts={112: "-1e400"}),
    "centre-beyond-coordinates": seed(scale=1, texts={113: "2147483647"}),
    "centre-exponent": seed(texts={111: "1e3", 112: "-2.5e-3", 113: ".5"}),
    "sections-vertex-overflow": seed(texts={104: "65536", 105: "65536"}),
    "sections-edge-overflow": seed(texts={104: "40000", 105: "20000"}),
    "sections-wrap": seed(texts={104: "4294967308", 105: "4"}),
    "sections-negative": seed(texts={104: "-5", 105: "-2147483648"}),
    "sections-blank": seed(texts={104: " 7", 105: "\t8x"}),
    "sections-small-torus": seed(texts={104: "5", 105: "6"}),
    "sections-largest": seed(texts={104: "2147483647", 105: "2147483647"}),
    "texts-malformed": seed(texts={102: "2.5cm", 103: "1,5", 104: "", 105: "abc", 111: "-", 112: ".", 113: "e5"}),
    "texts-long": seed(texts={102: "1234567890123456789", 103: "0.0000000000000000001", 111: "-" + "9" * 30}),
    "texts-zero-byte": seed(texts={102: "2\x003", 104: "1\x002"}),
    "texts-minus-zero": seed(texts={102: "-0", 103: "-0.0"}),
    "typed": seed(action="type", texts={102: "-2.5", 104: "-1a2", 105: "98765432109876543210", 113: "-1e3 x"}),
    "cancel": seed(action="cancel", texts={102: "3"}),
    "no-button": seed(action="no button"),
    "other-result-0": seed(action="other", result=0, texts={104: "5"}),
    "other-result-minus-1": seed(action="other", result=-1),
    "other-result-cancel": seed(action="other", result=2),
    "edge-counter-exact-fit": seed(counters=("as is", "exact fit", "as is"), texts={104: "4", 105: "4"}),
    "face-counter-exact-fit": seed(counters=("as is", "as is", "exact fit"), texts={104: "4", 105: "4"}),
    "edge-counter-one-too-many": seed(counters=("as is", "one too many", "as is")),
    "face-counter-one-too-many": seed(counters=("as is", "as is", "one too many")),
    "vertex-counter-one-too-many": seed(counters=("one too many", "as is", "as is"), vertices=[(1, 0, 0, 0)]),
    "vertex-counter-largest": seed(counters=("largest", "as is", "as is")),
    "counters-negative": seed(counters=("minus one", "smallest", "minus one")),
    "counters-near-limit": seed(counters=("as is", "near limit", "near limit"), near=200),
    "fresh-load": seed(load=1),
    "fresh-load-null-instance": seed(load=3),
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "corpus",
                                                                "whole_run_fuzzer")
    os.makedirs(folder, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(folder, name), "wb") as file:
            file.write(data)


if __name__ == "__main__":
    main()
