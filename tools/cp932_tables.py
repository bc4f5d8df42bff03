#!/usr/bin/env python3
"""Writes src/platform/Cp932Tables.cpp: code page 932 as Windows maps it, as constant tables.

The source is Python's cp932 codec with one correction, so the tables are Windows' mapping:
where a character has several codes, Windows writes the first of them in this order: the JIS
rows and NEC row 13 (so "≒" is 81 E0, "Ⅰ" 87 54), then the IBM extension (FA to FC), and last
the NEC-selected copy of the IBM extension (ED, EE), which Python writes instead ("ⅰ" is FA 40,
not EE EF). The rest of Windows' mapping is checked here rather than assumed: the characters
that input methods outside Windows type, written under their full-width twins' codes, and the
single bytes 80, A0, FD, FE and FF, read as U+0080 and U+F8F0 to U+F8F3 and written back.

Standard library only; the output depends on nothing but the codec, so a rerun gives a
byte-identical file. Run from anywhere:  python3 tools/cp932_tables.py [OUTPUT]
"""

import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "src" / "platform" / "Cp932Tables.cpp"

LEADS = [*range(0x81, 0xA0), *range(0xE0, 0xFD)]
REPLACEMENT = 0xFFFD
NEC_SELECTED_IBM = (0xED, 0xEE)

SINGLE_BYTE_EXTRAS = {0x80: 0x0080, 0xA0: 0xF8F0, 0xFD: 0xF8F1, 0xFE: 0xF8F2, 0xFF: 0xF8F3}
# Typed outside Windows where Windows has a full-width twin: (character, its code, the twin).
TWINS = [(0x301C, 0x8160, 0xFF5E), (0x2212, 0x817C, 0xFF0D), (0x2016, 0x8161, 0x2225),
         (0x00A2, 0x8191, 0xFFE0), (0x00A3, 0x8192, 0xFFE1), (0x00AC, 0x81CA, 0xFFE2)]


def is_trail(byte):
    return 0x40 <= byte <= 0xFC and byte != 0x7F


def decode(data):
    try:
        text = data.decode("cp932")
    except UnicodeDecodeError:
        return REPLACEMENT
    assert len(text) == 1, data.hex()
    return ord(text)


def code_of(data):
    return int.from_bytes(data, "big")


def preference(code):
    """Sorts a character's codes into the order Windows chooses from."""
    return (code >> 8 in NEC_SELECTED_IBM, code)


def high_bytes():
    """What each byte from 80 to FF reads as on its own: U+FFFD for the lead bytes."""
    units = [decode(bytes([b])) for b in range(0x80, 0x100)]
    for byte, unit in SINGLE_BYTE_EXTRAS.items():
        assert units[byte - 0x80] == unit, hex(byte)
    return units


def pairs():
    """What each lead byte and the byte after it read as, row by row: U+FFFD for a pair
    without a character, 0 where the second byte cannot be a trail byte."""
    return [[decode(bytes([lead, trail])) if is_trail(trail) else 0 for trail in range(0x100)]
            for lead in LEADS]


def encoding(pair_units):
    """The code of every UTF-16 unit from U+0080 on, 0 when it has none."""
    codes_of = {}
    for lead, row in zip(LEADS, pair_units):
        for trail, unit in enumerate(row):
            if unit not in (0, REPLACEMENT):
                codes_of.setdefault(unit, []).append(lead << 8 | trail)
    twins = {unit: (code, twin) for unit, code, twin in TWINS}
    codes = [0] * 0x10000
    for unit in range(0x80, 0x10000):
        if 0xD800 <= unit <= 0xDFFF:
            continue
        try:
            code = code_of(chr(unit).encode("cp932"))
        except UnicodeEncodeError:
            code = None
        if unit in codes_of:
            first = min(codes_of[unit], key=preference)
            assert code == first or (code and code >> 8 in NEC_SELECTED_IBM), hex(unit)
            code = first
        elif code is None:
            continue
        elif code >= 0x100:
            assert twins.get(unit) == (code, decode(code.to_bytes(2, "big"))), hex(unit)
        else:
            assert decode(bytes([code])) == unit, hex(unit)
        codes[unit] = code
    for byte, unit in SINGLE_BYTE_EXTRAS.items():
        assert codes[unit] == byte, hex(unit)
    return codes


def hex_lines(values, first, label, indent="        "):
    """Eight values a line, each line ending with the label of its first value."""
    for start in range(0, len(values), 8):
        cells = " ".join(f"0x{v:04X}," for v in values[start:start + 8])
        yield f"{indent}{cells:<63}  // {label(first + start)}"


def byte_lines(values):
    for start in range(0, len(values), 16):
        yield "    " + " ".join(f"{v:3}," for v in values[start:start + 16])


def render():
    units = high_bytes()
    pair_units = pairs()
    codes = encoding(pair_units)
    # Blocks of 256 units: the first is the empty block every unmapped one shares.
    blocks = [[0] * 0x100]
    block_of = []
    for high in range(0x100):
        block = codes[high << 8:(high + 1) << 8]
        if any(block):
            blocks.append(block)
            block_of.append(len(blocks) - 1)
        else:
            block_of.append(0)
    assert len(blocks) <= 0x100

    out = [
        "// Code page 932 as Windows maps it. Written by tools/cp932_tables.py; do not edit.",
        "// clang-format off",
        '#include "platform/Cp932Tables.h"',
        "",
        "namespace kestrava::cp932 {",
        "",
        "const char16_t kHighByteUnits[0x80] = {",
        *hex_lines(units, 0x80, lambda byte: f"{byte:02X}", indent="    "),
        "};",
        "",
        "const quint8 kLeadRowOf[0x80] = {",
        *byte_lines([LEADS.index(b) + 1 if b in LEADS else 0 for b in range(0x80, 0x100)]),
        "};",
        "",
        "const char16_t kPairUnits[kLeadCount][0x100] = {",
    ]
    for lead, row in zip(LEADS, pair_units):
        out.append("    {")
        out.extend(hex_lines(row, 0, lambda trail, lead=lead: f"{lead:02X} {trail:02X}"))
        out.append("    },")
    out += ["};", "", "const quint8 kEncodeBlockOf[0x100] = {", *byte_lines(block_of)]
    out += ["};", "", f"const quint16 kEncodeBlocks[{len(blocks)}][0x100] = {{"]
    for index, block in enumerate(blocks):
        if index == 0:
            out.append("    {  // every block without a code")
            out.extend(hex_lines(block, 0, lambda low: f"U+..{low:02X}"))
        else:
            high = block_of.index(index)
            out.append("    {")
            out.extend(hex_lines(block, high << 8, lambda unit: f"U+{unit:04X}"))
        out.append("    },")
    out += ["};", "", "}  // namespace kestrava::cp932", "// clang-format on", ""]
    return "\n".join(out)


def main():
    output = Path(sys.argv[1]) if len(sys.argv) > 1 else OUTPUT
    output.write_bytes(render().encode("ascii"))


if __name__ == "__main__":
    main()
