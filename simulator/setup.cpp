#include "simulator/setup.h"

#include "device/platform.h"
#include "simulator/simulated_reader.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace sim {

std::unique_ptr<Cartridge> make_cartridge(const std::string &family, std::vector<uint8_t> image,
                                          int mapper, std::string *error)
{
    (void)mapper;
    if (image.empty()) {
        if (error)
            *error = "the cartridge image is empty";
        return nullptr;
    }
    if (family == "md")
        return std::make_unique<MdCartridge>(std::move(image));
    if (error)
        *error = "unknown family \"" + family + "\" (md, sms, msx, sfc, gb or gba)";
    return nullptr;
}

SimulatedReader *install_from_environment(std::string *error)
{
    const char *value = std::getenv("QUORVEL_SIMULATE");
    if (!value || !*value)
        return nullptr;
    const std::string spec(value);
    const size_t colon = spec.find(':');
    if (colon == std::string::npos) {
        if (error)
            *error = "QUORVEL_SIMULATE must read family:IMAGE[:mapper]";
        return nullptr;
    }
    const std::string family = spec.substr(0, colon);
    std::string path = spec.substr(colon + 1);
    int mapper = -1;
    const size_t last = path.rfind(':');
    if (last != std::string::npos) {
        const std::string tail = path.substr(last + 1);
        char *end = nullptr;
        const long v = std::strtol(tail.c_str(), &end, 0);
        if (!tail.empty() && end && *end == '\0') {
            mapper = int(v);
            path = path.substr(0, last);
        }
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error)
            *error = "cannot read the cartridge image " + path;
        return nullptr;
    }
    std::vector<uint8_t> image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::unique_ptr<Cartridge> cart = make_cartridge(family, std::move(image), mapper, error);
    if (!cart)
        return nullptr;
    // Lives as long as the process: the platform layer refers to it.
    static SimulatedReader reader;
    reader.insert(std::move(cart));
    platform::install(&reader);
    return &reader;
}

} // namespace sim
