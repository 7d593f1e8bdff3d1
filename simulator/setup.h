// Building simulated cartridges from images, and starting a program against
// the simulated reader.
#pragma once

#include "simulator/cartridge.h"

#include <memory>
#include <string>
#include <vector>

namespace sim {

class SimulatedReader;

// Family names as the front ends spell them: "md", "sms", "msx", "sfc", "gb", "gba".
// `mapper` is a hint for families whose image does not say how it is mapped
// (the MSX mapper value, the SFC map mode), or a board the image cannot name
// (GB 9: MBC1 multicart; SMS 1: Codemasters; GBA 1: a ROM that repeats past
// its end); -1 lets the image decide.
std::unique_ptr<Cartridge> make_cartridge(const std::string &family, std::vector<uint8_t> image,
                                          int mapper, std::string *error);

// The family's demonstration cartridge, its battery RAM holding demo_save().
std::unique_ptr<Cartridge> make_demo_cartridge(const std::string &family, std::string *error);

// QUORVEL_SIMULATE="family:IMAGE[:mapper][:save]" starts the program against
// a simulated reader holding that image ("demo": the family's demonstration
// cartridge, "empty": an empty slot) and, when given, that save in its
// battery RAM (an empty mapper field keeps the image's own:
// "gb:game.gb::game.sav"). A Master System board carries as much RAM as the
// save holds. Returns the installed reader (owned by the process), null when
// the variable is unset; sets `error` when it is set but unusable.
SimulatedReader *install_from_environment(std::string *error);

} // namespace sim
