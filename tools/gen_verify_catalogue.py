#!/usr/bin/env python3
"""Generate workers/verify/verify_catalogue_data.cpp from the cartridge lists.

Keeps every entry whose cartridge ROM is one file that the reader's dump
reproduces byte for byte, and packs its CRC-32, SHA-1, size, family, title,
year, publisher and serial. Entries that carry a serial but no such file are
kept by name only (size 0, no CRC or SHA-1), so that a header's code still
finds them.

The output is the catalogue index that workers/verify/catalogue_index.cpp
reads in place: nothing is unpacked at start, and a record is decoded only
when a lookup finds it. The serial keys are worked out here, as
verify::serial_keys() does; a test holds the two to the same answers.

Index (all integers little-endian):
    header, 48 bytes: "QVX1", u32 total size, u32 record count,
        u32 CRC table offset, u32 CRC entries, u32 serial table offset,
        u32 serial entries, u32 serial key width, u32 records offset,
        u32 meta offset, u32 kind (0 built-in), u32 0
    CRC table: u32 crc32, u32 size, u32 record offset; sorted
    serial table: u32 record offset, u32 family, key (zero-padded to the
        width); sorted by family and key
    records: u32 crc32, u32 size, u8 family, u8 flags (1: has SHA-1),
        20 bytes SHA-1, then four texts, each a u16 length and UTF-8:
        title, year, publisher, serial
    meta: three texts as above: name, description, version

Usage: gen_verify_catalogue.py [CATALOGUE_DIR] [-o OUTPUT]
"""

import argparse
import os
import re
import struct
import sys
import xml.etree.ElementTree as ET

# (list file, console code). The order decides which entry wins when two
# lists hold the same image.
LISTS = [
    ("megadriv.xml", 19),
    ("sms.xml", 18),
    ("msx1_cart.xml", 21),
    ("msx2_cart.xml", 21),
    ("snes.xml", 15),
    ("gameboy.xml", 2),
    ("gbcolor.xml", 2),
    ("gba.xml", 3),
]

HEX_CRC = re.compile(r"^[0-9a-fA-F]{8}$")
HEX_SHA1 = re.compile(r"^[0-9a-fA-F]{40}$")
MAGIC = b"QVX1"
HEADER_SIZE = 48


class CatalogueError(Exception):
    pass


def parse_int(text):
    text = text.strip()
    return int(text, 16) if text.lower().startswith("0x") else int(text, 10)


def single_image(software):
    """The one ROM file of a single-file entry, or None.

    Nameless <rom> elements only mirror ("reload") or split ("continue") a
    named file; a split file is not laid out as the cartridge is, so it
    disqualifies the entry. A loadflag such as load16_word_swap or
    load16_byte means the file's byte order is not the cartridge's.
    """
    named = []
    for dataarea in software.iter("dataarea"):
        if dataarea.get("name") != "rom":
            continue
        for rom in dataarea.findall("rom"):
            flag = rom.get("loadflag")
            if rom.get("name"):
                if flag is not None:
                    return None
                named.append(rom)
            elif flag != "reload":
                return None
    if len(named) != 1:
        return None
    rom = named[0]
    # A known bad dump is not a reference a good dump can be checked against.
    if rom.get("status") in ("nodump", "baddump"):
        return None
    if not rom.get("crc") or not rom.get("sha1") or not rom.get("size"):
        return None
    return rom


def text_field(text, what, path, software):
    data = " ".join((text or "").split()).encode("utf-8")
    if len(data) > 0xFFFF:
        raise CatalogueError("%s: %s: %s too long" % (path, software.get("name"), what))
    return data


def serial_of(software):
    for info in software.findall("info"):
        if info.get("name") == "serial":
            return info.get("value") or ""
    return ""


def read_list(path, family):
    try:
        root = ET.parse(path).getroot()
    except (OSError, ET.ParseError) as exc:
        raise CatalogueError("cannot read %s: %s" % (path, exc))
    records = []
    for software in root.findall("software"):
        title = " ".join((software.findtext("description") or "").split())
        if not title:
            title = software.get("name") or "?"
        texts = [text_field(title, "title", path, software),
                 text_field(software.findtext("year"), "year", path, software),
                 text_field(software.findtext("publisher"), "publisher", path, software),
                 text_field(serial_of(software), "serial", path, software)]
        rom = single_image(software)
        if rom is None:
            if texts[3]:
                records.append((0, 0, family, bytes(20), texts))
            continue
        crc, sha1 = rom.get("crc"), rom.get("sha1")
        if not HEX_CRC.match(crc) or not HEX_SHA1.match(sha1):
            raise CatalogueError("%s: %s: malformed crc or sha1"
                                 % (path, software.get("name")))
        size = parse_int(rom.get("size"))
        if not 0 < size < 2 ** 32:
            raise CatalogueError("%s: %s: size out of range"
                                 % (path, software.get("name")))
        records.append((int(crc, 16), size, family, bytes.fromhex(sha1), texts))
    return records


NOTE = re.compile(r"\([^)]*\)")
MD_SUFFIX = re.compile(r"^(.+-.+)-\d\d$", re.ASCII)
SMS_NUMBER = re.compile(r"^(\d{1,5})(-\d\d)?$", re.ASCII)
CODE_PREFIX = re.compile(r"^[A-Z/]{2,}$")
CODE = re.compile(r"^[A-Z0-9]+$")


def is_code(text, length):
    return len(text) == length and CODE.match(text) is not None


def game_code_key(token, two_letter_codes):
    parts = token.split("-")
    if len(parts) < 2 or not CODE_PREFIX.match(parts[0]):
        return ""
    if is_code(parts[1], 4) or (two_letter_codes and is_code(parts[1], 2)):
        return parts[1]
    return ""


def serial_keys(family, serial):
    keys = []
    for token in serial.split(","):
        token = NOTE.sub("", token).strip()
        if not token:
            continue
        key = ""
        if family == 19:
            m = MD_SUFFIX.match(token)
            key = (m.group(1) if m else token).replace(" ", "")
        elif family == 18:
            m = SMS_NUMBER.match(token)
            key = str(int(m.group(1))) if m else ""
        elif family == 15:
            key = game_code_key(token, True)
        elif family in (2, 3):
            key = game_code_key(token, False)
        if key and key not in keys:
            keys.append(key)
    return keys


def text_bytes(text):
    return struct.pack("<H", len(text)) + text


def pack(records):
    body = bytearray()
    offsets = []
    for crc, size, family, sha1, texts in records:
        offsets.append(len(body))
        flags = 1 if size else 0
        body += struct.pack("<IIBB", crc, size, family, flags)
        body += sha1
        for text in texts:
            body += text_bytes(text)

    by_crc = sorted((crc, size, i) for i, (crc, size, _, _, _) in enumerate(records) if size)
    keyed = []
    for i, (_, _, family, _, texts) in enumerate(records):
        for key in serial_keys(family, texts[3].decode("utf-8")):
            keyed.append((family, key.encode("utf-8"), i))
    width = max([len(k) for _, k, _ in keyed] + [4])
    width = (width + 3) // 4 * 4
    keyed.sort(key=lambda e: (e[0], e[1].ljust(width, b"\0"), e[2]))

    crc_table = b"".join(struct.pack("<III", crc, size, offsets[i]) for crc, size, i in by_crc)
    serial_table = b"".join(struct.pack("<II", offsets[i], family) + key.ljust(width, b"\0")
                            for family, key, i in keyed)
    meta = b"".join(text_bytes(t) for t in (b"", b"", b""))

    crc_at = HEADER_SIZE
    serial_at = crc_at + len(crc_table)
    records_at = serial_at + len(serial_table)
    meta_at = records_at + len(body)
    total = meta_at + len(meta)
    header = MAGIC + struct.pack("<11I", total, len(records), crc_at, len(by_crc), serial_at,
                                 len(keyed), width, records_at, meta_at, 0, 0)
    return header + crc_table + serial_table + bytes(body) + meta


def to_cpp(blob, counts, script):
    # A list of numbers rather than a string literal: MSVC limits string
    # literals to 64 KiB.
    lines = [
        "// Generated by %s from the cartridge catalogue lists; do not edit." % script,
        "// %s" % ", ".join("%s %d" % (name, n) for name, n in counts),
        "#include <cstddef>",
        "",
        "namespace verify::detail {",
        "",
        "extern const unsigned char catalogue_index[];",
        "extern const std::size_t catalogue_index_size;",
        "",
        "const unsigned char catalogue_index[] = {",
    ]
    for start in range(0, len(blob), 32):
        lines.append(",".join(str(b) for b in blob[start:start + 32]) + ",")
    lines += [
        "};",
        "const std::size_t catalogue_index_size = sizeof(catalogue_index);",
        "",
        "} // namespace verify::detail",
        "",
    ]
    return "\n".join(lines)


def main(argv):
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("catalogue", nargs="?",
                        default=os.path.join(root, "..", "shared", "catalogue"),
                        help="folder holding the eight list files")
    parser.add_argument("-o", "--output",
                        default=os.path.join(root, "workers", "verify",
                                             "verify_catalogue_data.cpp"))
    args = parser.parse_args(argv)

    records = []
    counts = []
    try:
        for name, family in LISTS:
            found = read_list(os.path.join(args.catalogue, name), family)
            counts.append((name, len(found)))
            records += found
    except CatalogueError as exc:
        print("gen_verify_catalogue: %s" % exc, file=sys.stderr)
        return 1

    blob = pack(records)
    text = to_cpp(blob, counts, "tools/gen_verify_catalogue.py")
    with open(args.output, "w", encoding="utf-8", newline="\n") as out:
        out.write(text)
    print("%d entries, %d bytes -> %s" % (len(records), len(blob), args.output))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
