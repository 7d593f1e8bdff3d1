// Demonstration cartridges: small images of our own, made in code, with the
// headers each family's console expects, for runs on the simulated reader.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

// The demonstration image of a family ("md", "sms", "msx", "sfc", "gb",
// "gba"); empty for any other name. `mapper`, when not null, receives the
// hint the simulated cartridge needs (the MSX mapper value, the SFC map
// mode) or -1 where the image says it itself.
std::vector<uint8_t> demo_image(const std::string &family, int *mapper = nullptr);

// The battery RAM the demonstration board of a family carries, as a save
// (empty where the board keeps none: GBA).
std::vector<uint8_t> demo_save(const std::string &family);

} // namespace sim
