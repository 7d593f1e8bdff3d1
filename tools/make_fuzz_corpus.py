#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets into fuzz/corpus/<target>/.

Every seed is built here from made-up contents: a header of the family's
layout with an invented title and code, valid checks, and a little filler.
The targets start from inputs that already pass the first tests of their
decoders, so the fuzzer spends its time past them. Run again after a change
to a target's input layout; the files are replaced whole.

    python3 tools/make_fuzz_corpus.py
"""
import pathlib
import re
import shutil
import struct

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORPUS = ROOT / "fuzz" / "corpus"


def logos():
    """The two boot-logo bitmaps, taken from the C++ header that carries them."""
    text = (ROOT / "device" / "cartridge_logos.h").read_text()
    found = {}
    for name, body in re.findall(r"(kGameBoy\w*Logo)\[\d+\] = \{([^}]*)\}", text):
        found[name] = bytes(int(x, 16) for x in re.findall(r"0x([0-9A-Fa-f]{2})", body))
    return found["kGameBoyLogo"], found["kGameBoyAdvanceLogo"]


GB_LOGO, GBA_LOGO = logos()


def filler(size, seed):
    """Repeatable bytes that look like neither a blank bus nor one value."""
    out = bytearray(size)
    x = seed & 0xFFFFFFFF or 1
    for i in range(size):
        x ^= (x << 13) & 0xFFFFFFFF
        x ^= x >> 17
        x ^= (x << 5) & 0xFFFFFFFF
        out[i] = x & 0xFF
    return out


def put(buf, at, data):
    buf[at:at + len(data)] = data


# --- Game Boy ---------------------------------------------------------------

def gb_image(size, cart_type, rom_code, ram_code, title=b"QUORVEL SEED", cgb=0x00):
    img = filler(size, cart_type * 7 + rom_code)
    put(img, 0x100, b"\x00\xC3\x50\x01")
    put(img, 0x104, GB_LOGO)
    put(img, 0x134, title.ljust(15, b"\x00")[:15])
    img[0x143] = cgb
    put(img, 0x144, b"00")
    img[0x146] = 0
    img[0x147], img[0x148], img[0x149] = cart_type, rom_code, ram_code
    img[0x14A], img[0x14B], img[0x14C] = 1, 0x33, 0
    x = 0
    for b in img[0x134:0x14D]:
        x = (x - b - 1) & 0xFF
    img[0x14D] = x
    total = (sum(img) - img[0x14E] - img[0x14F]) & 0xFFFF
    img[0x14E], img[0x14F] = total >> 8, total & 0xFF
    return img


# --- Game Boy Advance -------------------------------------------------------

def gba_image(size, code=b"AQVE", title=b"QUORVEL SEED"):
    img = filler(size, sum(code))
    put(img, 0, b"\x2E\x00\x00\xEA")
    put(img, 0x04, GBA_LOGO)
    put(img, 0xA0, title.ljust(12, b"\x00")[:12])
    put(img, 0xAC, code)
    put(img, 0xB0, b"01")
    img[0xB2] = 0x96
    put(img, 0xB3, bytes(9))
    x = 0
    for b in img[0xA0:0xBD]:
        x = (x - b) & 0xFF
    img[0xBD] = (x - 0x19) & 0xFF
    img[0xBE:0xC0] = b"\x00\x00"
    return img


# --- Mega Drive -------------------------------------------------------------

def md_image(size, system=b"SEGA MEGA DRIVE ", serial=b"GM 00001009-00", good=True):
    img = filler(size, len(system) + size)
    put(img, 0x100, system)
    put(img, 0x110, b"(C)QRVL 2024.JAN")
    put(img, 0x120, b"QUORVEL SEED".ljust(48))
    put(img, 0x150, b"QUORVEL SEED".ljust(48))
    put(img, 0x180, serial)
    put(img, 0x190, b"J".ljust(16))
    put(img, 0x1A0, struct.pack(">II", 0, size - 1))
    put(img, 0x1A8, struct.pack(">II", 0xFF0000, 0xFFFFFF))
    put(img, 0x1B0, b" " * 12)
    put(img, 0x1F0, b"JUE".ljust(16))
    total = 0
    for i in range(0x200, size, 2):
        total = (total + (img[i] << 8 | img[i + 1])) & 0xFFFF
    if not good:
        total ^= 0x5A5A
    put(img, 0x18E, struct.pack(">H", total))
    return img


# --- Master System ----------------------------------------------------------

SMS_SIZE_CODE = {0x2000: 0xA, 0x4000: 0xB, 0x8000: 0xC, 0x40000: 0x0}


def sms_image(size, header_at, declared, region=0x4, product=0x1009):
    img = filler(size, header_at + declared)
    put(img, header_at, b"TMR SEGA")
    img[header_at + 8:header_at + 10] = b"\xFF\xFF"
    img[header_at + 0xC] = product & 0xFF
    img[header_at + 0xD] = (product >> 8) & 0xFF
    img[header_at + 0xE] = ((product >> 16) & 0xF) << 4 | 0x0
    img[header_at + 0xF] = region << 4 | SMS_SIZE_CODE[declared]
    end = min(declared, size)
    total = sum(img[:end]) - sum(img[header_at:header_at + 16]) if header_at < end else sum(img[:end])
    put(img, header_at + 0xA, struct.pack("<H", total & 0xFFFF))
    return img


# --- Super Famicom ----------------------------------------------------------

def sfc_page(mode, chip, rom_code, ram_code=0, title=b"QUORVEL SEED"):
    """The 8 KiB page that ends with the header, as the reader hands it out."""
    page = filler(0x2000, mode * 3 + chip)
    put(page, 0x1FC0, title.ljust(21)[:21])
    page[0x1FD5], page[0x1FD6], page[0x1FD7], page[0x1FD8] = mode, chip, rom_code, ram_code
    page[0x1FD9], page[0x1FDA], page[0x1FDB] = 0, 0x33, 0
    checksum = 0x1234
    put(page, 0x1FDC, struct.pack("<HH", checksum ^ 0xFFFF, checksum))
    put(page, 0x1FFC, b"\x00\x80")
    return page


def sfc_image(mode, rom_code):
    img = filler(0x8000 if mode & 1 == 0 else 0x10000, mode)
    page = sfc_page(mode, 0x00, rom_code)
    put(img, len(img) - 0x2000, page)
    return img


# --- MSX --------------------------------------------------------------------

def msx_code(size, stores, via_hl=()):
    """A cartridge start: "AB", an entry address, then code that switches
    banks by `ld (nnnn),a` at `stores` and `ld hl,nnnn / ld (hl),a` at
    `via_hl`."""
    img = bytearray(b"\xFF" * size)
    put(img, 0, b"AB\x10\x40")
    code = bytearray()
    for bank, address in enumerate(stores):
        code += bytes([0x3E, bank + 1, 0x32, address & 0xFF, address >> 8])
    for bank, address in enumerate(via_hl):
        code += bytes([0x3E, bank + 1, 0x21, address & 0xFF, address >> 8, 0x77])
    code += b"\xC9"
    put(img, 0x10, code)
    put(img, 0x100, filler(min(0x1000, size - 0x100), len(stores)))
    return img


# --- The device link --------------------------------------------------------

FAMILIES = {"md": (0, 0x13), "sms": (1, 0x12), "msx": (2, 0x0E), "sfc": (3, 0x0F), "gb": (4, 0x02), "gba": (5, 0x03)}


def device_input(family, image, mode=0, limit=0):
    index, code = FAMILIES[family]
    out = bytearray([mode, index]) + struct.pack(">HH", limit, len(image)) + image
    # Each round: a read of the data window, a read of the identity file,
    # then a command sector (target, operation, the rest of the sector).
    for offset, length, target, op in ((0, 0x200, 0xF0, code), (0x100, 0x1000, code, 0x01),
                                       (0x4000, 0x3FFF, code, 0x03)):
        out += offset.to_bytes(3, "big") + length.to_bytes(2, "big") + (0).to_bytes(3, "big")
        out += bytes([target, op]) + bytes(509)
    return out


def seeds():
    yield "fuzz_gbc_header", {
        f"type{t:02x}-rom{r}": gb_image(0x150, t, r, ram)[:0x150]
        for t, r, ram in ((0x00, 0, 0), (0x01, 2, 0), (0x03, 4, 3), (0x06, 3, 0), (0x0F, 5, 0),
                          (0x13, 6, 3), (0x1B, 7, 4), (0x1E, 8, 5), (0xFC, 0, 0))
    }
    yield "fuzz_gba_header", {
        "plain": gba_image(1024), "odd-code": gba_image(1024, code=b"BQV1"), "short": gba_image(0xC0),
    }
    yield "fuzz_md_header", {
        "mega-drive": md_image(8192), "genesis": md_image(8192, b"SEGA GENESIS    "),
        "mismatch": md_image(4096, good=False), "odd-serial": md_image(2048, serial=b"T-12345 -00   "),
    }
    yield "fuzz_sms_header", {
        "at-7ff0": sms_image(0x8000, 0x7FF0, 0x8000), "at-3ff0": sms_image(0x4000, 0x3FF0, 0x4000),
        "at-1ff0": sms_image(0x2000, 0x1FF0, 0x2000), "declared-256k": sms_image(0x8000, 0x7FF0, 0x40000),
    }
    # Three bytes answer the single reads at 0xFFD8, 0x7FDA and 0x7FBD.
    yield "fuzz_sfc_header", {
        f"mode{m:02x}-chip{c:02x}": bytes([0x03, 0x33, 0x00]) + sfc_page(m, c, r, ram, t)
        for m, c, r, ram, t in ((0x20, 0x00, 0x09, 0, b"QUORVEL SEED"), (0x21, 0x02, 0x0B, 3, b"QUORVEL SEED"),
                                (0x35, 0x00, 0x0D, 0, b"QUORVEL SEED"), (0x23, 0x35, 0x0A, 3, b"QUORVEL SEED"),
                                (0x20, 0x13, 0x0A, 0, b"QUORVEL SEED"), (0x32, 0x45, 0x0C, 0, b"QUORVEL SEED"),
                                (0x20, 0xF3, 0x0B, 0, b"QUORVEL S2 D"), (0x21, 0xF5, 0x0B, 0, b"QUORVEL SEED"),
                                (0x30, 0xF5, 0x07, 0, b"QUORVEL SEED"), (0x3A, 0xF9, 0x0C, 0, b"QUORVEL SEED"))
    }
    yield "fuzz_msx_guess", {
        "plain": msx_code(0x4000, ()),
        "konami": msx_code(0x4000, (0x6000, 0x8000, 0xA000)),
        "konami-scc": msx_code(0x4000, (0x5000, 0x7000, 0x9000, 0xB000)),
        "ascii8": msx_code(0x4000, (0x6000, 0x6800, 0x7000, 0x7800)),
        "ascii16": msx_code(0x8000, (0x6000, 0x7000)),
        "via-hl": msx_code(0x4000, (), (0x6000, 0x7000)),
    }
    yield "fuzz_device_reads", {
        "md": device_input("md", md_image(0x2000)),
        "sms": device_input("sms", sms_image(0x8000, 0x7FF0, 0x8000)),
        "msx": device_input("msx", msx_code(0x4000, (0x6000, 0x7000))),
        "sfc-lorom": device_input("sfc", sfc_image(0x20, 0x05)),
        "gb": device_input("gb", gb_image(0x8000, 0x00, 0, 0)),
        "gb-mbc1": device_input("gb", gb_image(0x8000, 0x01, 0, 0), mode=1, limit=0x1000),
        "gba": device_input("gba", gba_image(0x4000)),
        "gba-failing": device_input("gba", gba_image(0x1000), mode=0x12),
    }
    yield "fuzz_save_plan", save_seeds()


def save_input(family, image, mapper=0xFF, ram_k=0):
    index = FAMILIES[family][0]
    return bytearray([index, mapper]) + struct.pack(">H", ram_k * 16) + image


def md_ra(size, lanes, kind, start, end):
    img = md_image(size)
    put(img, 0x1A4, struct.pack(">I", size - 1))
    put(img, 0x1B0, b"RA" + bytes([lanes, kind]) + struct.pack(">II", start, end))
    return img


def codemasters(size):
    img = filler(size, 7)
    put(img, 0x7FE6, struct.pack("<HH", 0x1234, 0x10000 - 0x1234))
    return img


def save_seeds():
    return {
        "gb-mbc1": save_input("gb", gb_image(0x8000, 0x03, 0, 3)),
        "gb-mbc2": save_input("gb", gb_image(0x8000, 0x06, 0, 0)),
        "gb-mbc3-clock": save_input("gb", gb_image(0x8000, 0x10, 0, 3)),
        "gb-mbc5-rumble": save_input("gb", gb_image(0x8000, 0x1E, 0, 4)),
        "gb-huc1": save_input("gb", gb_image(0x8000, 0xFF, 0, 2)),
        "sfc-lorom": save_input("sfc", sfc_page(0x20, 0x02, 0x09, 3), 1),
        "sfc-sa1": save_input("sfc", sfc_page(0x23, 0x35, 0x0A, 3), 1),
        "md-odd": save_input("md", md_ra(0x2000, 0xF8, 0x20, 0x200001, 0x203FFF)),
        "md-eeprom": save_input("md", md_ra(0x2000, 0xE8, 0x40, 0x200001, 0x200001)),
        "sms": save_input("sms", sms_image(0x8000, 0x7FF0, 0x8000), 0xFF, 8),
        "sms-codemasters": save_input("sms", codemasters(0x8000), 1),
        "msx-ascii8": save_input("msx", msx_code(0x8000, (0x6000, 0x7000)), 7),
        "msx-gm2": save_input("msx", msx_code(0x8000, (0x6000, 0x8000)), 6),
    }


def main():
    for target, files in seeds():
        folder = CORPUS / target
        if folder.exists():
            shutil.rmtree(folder)
        folder.mkdir(parents=True)
        for name, data in files.items():
            (folder / name).write_bytes(bytes(data))
        print(f"{target}: {len(files)} seeds, {sum(len(d) for d in files.values())} bytes")


if __name__ == "__main__":
    main()
