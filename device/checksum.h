// CRC-32 (ISO-HDLC) identifies cartridges and saved images; CRC-16/XMODEM
// seals command sectors.
#pragma once

#include <cstddef>
#include <cstdint>

uint32_t crc32_buffer(const void *data, size_t len);
// Continues a CRC-32 over more data; start with crc32_update(0, ...).
uint32_t crc32_update(uint32_t crc, const void *data, size_t len);
// CRC-16/XMODEM: polynomial 0x1021, initial 0, no final XOR.
uint16_t crc16_xmodem(const void *data, size_t len);
// One table step of the CRC-16, for callers that continue a register.
uint16_t crc16_step(uint16_t reg, uint8_t byte);
