#include "device/command.h"

#include "device/checksum.h"
#include "device/device_link.h"

CommandSector make_command(uint8_t target, uint8_t operation)
{
    CommandSector s;
    s[1] = target;
    s[2] = operation;
    return s;
}

void put_le32(CommandSector &s, size_t pos, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        s[pos + i] = uint8_t(value >> (8 * i));
}

void seal_sector(uint8_t *sector)
{
    sector[0] = kSectorMarker;
    // The register after the marker byte 0x5A is 0xFBBF; start there.
    uint16_t reg = 0xFBBF;
    for (uint32_t i = 1; i < kSectorSize - 2; ++i)
        reg = crc16_step(reg, sector[i]);
    sector[510] = uint8_t(reg >> 8);
    sector[511] = uint8_t(reg & 0xFF);
}

bool sector_is_sealed(const uint8_t *sector)
{
    if (sector[0] != kSectorMarker)
        return false;
    const uint16_t check = crc16_xmodem(sector, kSectorSize - 2);
    return sector[510] == uint8_t(check >> 8) && sector[511] == uint8_t(check & 0xFF);
}

uint32_t send_command_sectors(uint8_t *sectors, uint32_t len)
{
    for (uint32_t start = 0; start < len && len - start >= kSectorSize; start += kSectorSize)
        seal_sector(sectors + start);
    char path[256];
    format_device_path(path, sizeof path, "CMD.CMD");
    return save_file(path, sectors, len);
}

bool send_command(CommandSector sector)
{
    return send_command_sectors(sector.data(), kSectorSize) == kSectorSize;
}

uint32_t md_select()
{
    CommandSector s = make_command(0x13, 0x01);
    return send_command_sectors(s.data(), kSectorSize);
}
