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

bool read_file(const std::string &path, std::vector<uint8_t> *bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool is_number(const std::string &text, int *value)
{
    if (text.empty())
        return false;
    char *end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 0);
    if (!end || *end != '\0')
        return false;
    *value = int(v);
    return true;
}

SmsCartridge::Board sms_board(int mapper)
{
    return mapper == 1 ? SmsCartridge::Board::Codemasters : SmsCartridge::Board::Sega;
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
        return std::make_unique<SmsCartridge>(std::move(image), sms_board(mapper));
    if (family == "gb")
        return std::make_unique<GbCartridge>(std::move(image), mapper);
    if (family == "gba")
        return std::make_unique<GbaCartridge>(std::move(image), mapper == 1);
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

std::unique_ptr<Cartridge> make_demo_cartridge(const std::string &family, std::string *error)
{
    int hint = -1;
    std::vector<uint8_t> image = demo_image(family, &hint);
    std::unique_ptr<Cartridge> cart;
    if (family == "sms" && !image.empty())
        cart = std::make_unique<SmsCartridge>(std::move(image), SmsCartridge::Board::Sega, 8 * 1024);
    else
        cart = make_cartridge(family, std::move(image), hint, error);
    const std::vector<uint8_t> save = demo_save(family);
    if (cart && !save.empty())
        cart->load_save_ram(save);
    return cart;
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
            *error = "QUORVEL_SIMULATE must read family:IMAGE[:mapper][:save]";
        return nullptr;
    }
    const std::string family = setting.substr(0, colon);
    // The first field after the image that is a number or empty is the
    // mapper; what follows it is the save. Paths may hold colons themselves.
    std::string path = setting.substr(colon + 1);
    std::string savePath;
    int mapper = -1;
    for (size_t from = 0, at; (at = path.find(':', from)) != std::string::npos; from = at + 1) {
        const size_t next = path.find(':', at + 1);
        const std::string field = path.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1);
        int v = -1;
        if (field.empty() ? next != std::string::npos : is_number(field, &v)) {
            mapper = field.empty() ? -1 : v;
            if (next != std::string::npos)
                savePath = path.substr(next + 1);
            path = path.substr(0, at);
            break;
        }
    }
    std::vector<uint8_t> save;
    if (!savePath.empty() && !read_file(savePath, &save)) {
        if (error)
            *error = "cannot read the save image " + savePath;
        return nullptr;
    }
    std::unique_ptr<Cartridge> cart;
    if (path == "empty") {
        if (!savePath.empty()) {
            if (error)
                *error = "an empty slot keeps no save";
            return nullptr;
        }
    } else if (path == "demo" && mapper < 0 && !(family == "sms" && !save.empty())) {
        cart = make_demo_cartridge(family, error);
        if (!cart)
            return nullptr;
    } else {
        std::vector<uint8_t> image;
        if (path == "demo") {
            image = demo_image(family);
        } else if (!read_file(path, &image)) {
            if (error)
                *error = "cannot read the cartridge image " + path;
            return nullptr;
        }
        // No header gives a Master System board's RAM: it carries the save's.
        if (family == "sms" && !save.empty() && !image.empty())
            cart = std::make_unique<SmsCartridge>(std::move(image), sms_board(mapper), uint32_t(save.size()));
        else
            cart = make_cartridge(family, std::move(image), mapper, error);
        if (!cart)
            return nullptr;
    }
    if (cart && !save.empty() && !cart->load_save_ram(save)) {
        if (error)
            *error = "the save image " + savePath + " holds " + std::to_string(save.size()) + " bytes; the board keeps " +
                     std::to_string(cart->save_ram().size());
        return nullptr;
    }
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
