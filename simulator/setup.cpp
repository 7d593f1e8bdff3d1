#include "simulator/setup.h"

#include "device/platform.h"
#include "simulator/demo.h"
#include "simulator/gba_cartridge.h"
#include "simulator/gbc_cartridge.h"
#include "simulator/msx_cartridge.h"
#include "simulator/sfc_cartridge.h"
#include "simulator/simulated_reader.h"
#include "simulator/sms_cartridge.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace sim {

namespace {

// A plain MSX ROM of up to 16 KiB whose header starts it from the upper
// page lives at 0x8000; everything else at 0x4000.
uint16_t msx_plain_base(const std::vector<uint8_t> &image)
{
    if (image.size() > 0x4000 || image.size() < 4 || image[0] != 'A' || image[1] != 'B')
        return 0x4000;
    const unsigned init = image[2] | image[3] << 8;
    return init >= 0x8000 && init < 0xC000 ? 0x8000 : 0x4000;
}

} // namespace

std::unique_ptr<Cartridge> make_cartridge(const std::string &family, std::vector<uint8_t> image,
                                          int mapper, std::string *error)
{
    if (image.empty()) {
        if (error)
            *error = "the cartridge image is empty";
        return nullptr;
    }
    if (family == "md")
        return std::make_unique<MdCartridge>(std::move(image));
    if (family == "sms")
        return std::make_unique<SmsCartridge>(std::move(image));
    if (family == "gb")
        return std::make_unique<GbCartridge>(std::move(image), mapper);
    if (family == "gba")
        return std::make_unique<GbaCartridge>(std::move(image));
    if (family == "sfc") {
        const SfcCartridge::Mapping mapping = SfcCartridge::mapping_for(mapper, image);
        return std::make_unique<SfcCartridge>(std::move(image), mapping);
    }
    if (family == "msx") {
        const uint16_t base = msx_plain_base(image);
        return std::make_unique<MsxCartridge>(std::move(image), mapper < 0 ? 0 : mapper, base);
    }
    if (error)
        *error = "unknown family \"" + family + "\" (md, sms, msx, sfc, gb or gba)";
    return nullptr;
}

SimulatedReader *install_from_environment(std::string *error)
{
    const char *value = std::getenv("QUORVEL_SIMULATE");
    if (!value || !*value)
        return nullptr;
    const std::string setting(value);
    const size_t colon = setting.find(':');
    if (colon == std::string::npos) {
        if (error)
            *error = "QUORVEL_SIMULATE must read family:IMAGE[:mapper]";
        return nullptr;
    }
    const std::string family = setting.substr(0, colon);
    std::string path = setting.substr(colon + 1);
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
    std::vector<uint8_t> image;
    if (path == "demo") {
        int hint = -1;
        image = demo_image(family, &hint);
        if (mapper < 0)
            mapper = hint;
    } else {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            if (error)
                *error = "cannot read the cartridge image " + path;
            return nullptr;
        }
        image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::unique_ptr<Cartridge> cart = make_cartridge(family, std::move(image), mapper, error);
    if (!cart)
        return nullptr;
    // Lives as long as the process: the platform layer refers to it.
    static SimulatedReader reader;
    reader.insert(std::move(cart));
    // QUORVEL_SIMULATE_KIBPS paces the data window as a real reader on USB
    // would (around 1000 KiB/s), for demonstrations that should be watched.
    if (const char *rate = std::getenv("QUORVEL_SIMULATE_KIBPS")) {
        const long kibps = std::strtol(rate, nullptr, 10);
        if (kibps > 0)
            reader.set_read_hook([kibps](const Event &e) {
                std::this_thread::sleep_for(std::chrono::microseconds(
                    int64_t(e.length) * 1000000 / (int64_t(kibps) * 1024)));
            });
    }
    platform::install(&reader);
    return &reader;
}

} // namespace sim
