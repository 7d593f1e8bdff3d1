#include "simulator/demo.h"

#include "device/cartridge_logos.h"

#include <algorithm>
#include <cstring>

namespace sim {

namespace {

constexpr char kTitle[] = "QUORVEL DEMO";

// A body that never repeats within an image, so a bank read from the wrong
// place shows up as a different byte.
std::vector<uint8_t> patterned(size_t size, uint32_t seed)
{
    std::vector<uint8_t> image(size);
    uint32_t x = seed;
    for (uint8_t &b : image) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = uint8_t(x >> 24);
    }
    return image;
}

void put(std::vector<uint8_t> &image, size_t pos, const void *data, size_t len)
{
    std::memcpy(image.data() + pos, data, len);
}

// Text field of `width` bytes, padded with `pad`.
void put_text(std::vector<uint8_t> &image, size_t pos, const char *text, size_t width, char pad)
{
    std::memset(image.data() + pos, pad, width);
    std::memcpy(image.data() + pos, text, std::min(std::strlen(text), width));
}

void put_be16(std::vector<uint8_t> &image, size_t pos, uint16_t v)
{
    image[pos] = uint8_t(v >> 8);
    image[pos + 1] = uint8_t(v);
}

void put_le16(std::vector<uint8_t> &image, size_t pos, uint16_t v)
{
    image[pos] = uint8_t(v);
    image[pos + 1] = uint8_t(v >> 8);
}

void put_be32(std::vector<uint8_t> &image, size_t pos, uint32_t v)
{
    put_be16(image, pos, uint16_t(v >> 16));
    put_be16(image, pos + 2, uint16_t(v));
}

uint32_t byte_sum(const std::vector<uint8_t> &image, size_t from, size_t to)
{
    uint32_t sum = 0;
    for (size_t i = from; i < to; ++i)
        sum += image[i];
    return sum;
}

// 128 KiB behind an MBC1, with 8 KiB of battery RAM.
std::vector<uint8_t> game_boy()
{
    std::vector<uint8_t> rom = patterned(128 * 1024, 0x47420001u);
    const uint8_t entry[] = {0x00, 0xC3, 0x50, 0x01};   // nop; jp 0x0150
    put(rom, 0x100, entry, sizeof entry);
    put(rom, 0x104, kGameBoyLogo, sizeof kGameBoyLogo);
    put_text(rom, 0x134, kTitle, 15, '\0');
    rom[0x143] = 0x00;   // plays on every model
    rom[0x144] = rom[0x145] = '0';
    rom[0x146] = 0x00;
    rom[0x147] = 0x03;   // MBC1 with RAM and battery
    rom[0x148] = 0x02;   // 128 KiB
    rom[0x149] = 0x02;   // 8 KiB RAM
    rom[0x14A] = 0x01;
    rom[0x14B] = 0x00;
    rom[0x14C] = 0x00;
    const uint8_t loop[] = {0xF3, 0x18, 0xFE};           // di; jr -2
    put(rom, 0x150, loop, sizeof loop);

    uint8_t header = 0;
    for (size_t i = 0x134; i <= 0x14C; ++i)
        header = uint8_t(header - rom[i] - 1);
    rom[0x14D] = header;
    rom[0x14E] = rom[0x14F] = 0;
    put_be16(rom, 0x14E, uint16_t(byte_sum(rom, 0, rom.size())));
    return rom;
}

// 1 MiB; the game code "ZQVE" is ours and names no released game.
std::vector<uint8_t> game_boy_advance()
{
    std::vector<uint8_t> rom = patterned(1024 * 1024, 0x41474201u);
    const uint8_t branch[] = {0x2E, 0x00, 0x00, 0xEA};   // b 0x080000C0
    put(rom, 0x00, branch, sizeof branch);
    put(rom, 0x04, kGameBoyAdvanceLogo, sizeof kGameBoyAdvanceLogo);
    put_text(rom, 0xA0, kTitle, 12, '\0');
    put(rom, 0xAC, "ZQVE", 4);
    put(rom, 0xB0, "00", 2);
    rom[0xB2] = 0x96;
    std::memset(rom.data() + 0xB3, 0, 0xBD - 0xB3);
    uint8_t complement = 0;
    for (size_t i = 0xA0; i <= 0xBC; ++i)
        complement = uint8_t(complement - rom[i]);
    rom[0xBD] = uint8_t(complement - 0x19);
    rom[0xBE] = rom[0xBF] = 0;
    return rom;
}

// 4 Mbit LoROM with 8 KiB of battery RAM.
std::vector<uint8_t> super_famicom()
{
    std::vector<uint8_t> rom = patterned(512 * 1024, 0x53464301u);
    const size_t h = 0x7FC0;
    put_text(rom, h, kTitle, 21, ' ');
    rom[h + 0x15] = 0x20;   // LoROM, slow ROM
    rom[h + 0x16] = 0x02;   // ROM, RAM and battery
    rom[h + 0x17] = 0x09;   // 2^9 KiB
    rom[h + 0x18] = 0x03;   // 2^3 KiB RAM
    rom[h + 0x19] = 0x01;
    rom[h + 0x1A] = 0x00;
    rom[h + 0x1B] = 0x00;
    put_le16(rom, 0x7FFC, 0x8000);   // reset vector
    // Checksum and complement bytes always add up to 2 * 0xFF, so the sum
    // can be taken with any pair in place.
    put_le16(rom, h + 0x1C, 0xFFFF);
    put_le16(rom, h + 0x1E, 0x0000);
    const uint16_t sum = uint16_t(byte_sum(rom, 0, rom.size()));
    put_le16(rom, h + 0x1C, uint16_t(~sum));
    put_le16(rom, h + 0x1E, sum);
    return rom;
}

// 512 KiB, with 8 KiB of battery SRAM on the odd bytes.
std::vector<uint8_t> mega_drive()
{
    const uint32_t size = 512 * 1024;
    std::vector<uint8_t> rom = patterned(size, 0x4D440001u);
    put_be32(rom, 0x000, 0x00FFFE00);   // initial stack
    put_be32(rom, 0x004, 0x00000200);   // entry
    put_text(rom, 0x100, "SEGA MEGA DRIVE", 16, ' ');
    put_text(rom, 0x110, "(C)QRVL 2024.JAN", 16, ' ');
    put_text(rom, 0x120, kTitle, 48, ' ');
    put_text(rom, 0x150, kTitle, 48, ' ');
    put_text(rom, 0x180, "GM 00000000-00", 14, ' ');
    put_text(rom, 0x190, "J", 16, ' ');
    put_be32(rom, 0x1A0, 0);
    put_be32(rom, 0x1A4, size - 1);
    put_be32(rom, 0x1A8, 0x00FF0000);
    put_be32(rom, 0x1AC, 0x00FFFFFF);
    put_text(rom, 0x1B0, "", 64, ' ');   // no modem or notes
    put(rom, 0x1B0, "RA", 2);
    rom[0x1B2] = 0xF8;   // battery, odd bytes
    rom[0x1B3] = 0x20;   // SRAM
    put_be32(rom, 0x1B4, 0x200001);
    put_be32(rom, 0x1B8, 0x203FFF);
    put_text(rom, 0x1F0, "JUE", 16, ' ');
    const uint8_t loop[] = {0x60, 0xFE};   // bra.s *
    put(rom, 0x200, loop, sizeof loop);
    uint16_t sum = 0;
    for (size_t i = 0x200; i + 1 < rom.size(); i += 2)
        sum = uint16_t(sum + ((rom[i] << 8) | rom[i + 1]));
    put_be16(rom, 0x18E, sum);
    return rom;
}

// 128 KiB with the Sega mapper (the board adds 8 KiB of RAM).
std::vector<uint8_t> master_system()
{
    std::vector<uint8_t> rom = patterned(128 * 1024, 0x534D5301u);
    const uint8_t start[] = {0xF3, 0x18, 0xFE};   // di; jr -2
    put(rom, 0x0000, start, sizeof start);
    put(rom, 0x7FF0, "TMR SEGA", 8);
    rom[0x7FF8] = rom[0x7FF9] = 0xFF;
    rom[0x7FFC] = 0x99;   // product code 9999: ours
    rom[0x7FFD] = 0x99;
    rom[0x7FFE] = 0x00;   // version 0
    rom[0x7FFF] = 0x4F;   // export Master System, 128 KiB
    // The checksum leaves out the header's own 16 bytes.
    const uint16_t sum = uint16_t(byte_sum(rom, 0, 0x7FF0) + byte_sum(rom, 0x8000, rom.size()));
    put_le16(rom, 0x7FFA, sum);
    return rom;
}

// 128 KiB behind an ASCII 16 KiB mapper with 2 KiB of SRAM.
std::vector<uint8_t> msx()
{
    std::vector<uint8_t> rom = patterned(128 * 1024, 0x4D535801u);
    std::memset(rom.data(), 0, 16);
    rom[0] = 'A';
    rom[1] = 'B';
    put_le16(rom, 2, 0x4010);   // INIT
    // Maps banks 1 and 2 into the two pages through the ASCII 16 KiB
    // registers, then stops.
    const uint8_t init[] = {
        0xF3,                     // di
        0x3E, 0x01,               // ld a,1
        0x32, 0x00, 0x60,         // ld (0x6000),a
        0x3C,                     // inc a
        0x32, 0x00, 0x70,         // ld (0x7000),a
        0x18, 0xFE,               // jr -2
    };
    put(rom, 0x10, init, sizeof init);
    return rom;
}

} // namespace

std::vector<uint8_t> demo_image(const std::string &family, int *mapper)
{
    int hint = -1;
    std::vector<uint8_t> image;
    if (family == "gb") {
        image = game_boy();
    } else if (family == "gba") {
        image = game_boy_advance();
    } else if (family == "sfc") {
        image = super_famicom();
        hint = 1;   // LoROM
    } else if (family == "md") {
        image = mega_drive();
    } else if (family == "sms") {
        image = master_system();
    } else if (family == "msx") {
        image = msx();
        hint = 8;   // Ascii/16kb with 2kb SRAM
    }
    if (mapper)
        *mapper = image.empty() ? -1 : hint;
    return image;
}

} // namespace sim

namespace sim {

std::vector<uint8_t> demo_save(const std::string &family)
{
    size_t size = 0;
    if (family == "gb" || family == "sfc" || family == "md" || family == "sms")
        size = 8 * 1024;
    else if (family == "msx")
        size = 2 * 1024;
    return patterned(size, 0x53415645u);
}

} // namespace sim
