// The device link's reads through the simulated reader: any offset and
// length, short and failing reads, an unplugged drive, command sectors of
// any content. A read never writes past what it was asked for and never
// reports more than that.
#include "device/command.h"
#include "device/device_link.h"
#include "simulator/cartridge.h"
#include "simulator/setup.h"
#include "simulator/simulated_reader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Input {
    const uint8_t *p;
    size_t n;
    uint32_t take(int bytes)
    {
        uint32_t v = 0;
        for (int i = 0; i < bytes && n; ++i, ++p, --n)
            v = v << 8 | *p;
        return v;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in{data, size};
    const uint32_t mode = in.take(1);
    const char *const families[] = {"md", "sms", "msx", "sfc", "gb", "gba"};
    const char *family = families[in.take(1) % 6];
    const uint32_t limit = in.take(2);
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    if (mode & 1)
        reader.set_read_limit(limit);
    if (mode & 2)
        reader.fail_read(int(mode >> 4));
    const size_t imageSize = in.take(2);
    std::vector<uint8_t> image(in.p, in.p + (in.n < imageSize ? in.n : imageSize));
    in.p += image.size();
    in.n -= image.size();
    if (!(mode & 4)) {
        std::string why;
        if (std::unique_ptr<sim::Cartridge> cart = sim::make_cartridge(family, image, -1, &why))
            reader.insert(std::move(cart));
    }

    current_drive_letter = 0;
    if (!find_reader_drive(current_drive_letter))
        return 0;
    if (mode & 8)
        reader.unplug();

    for (int round = 0; round < 4 && in.n; ++round) {
        const uint32_t offset = in.take(3);
        const uint32_t len = in.take(2) % 0x4000;
        // Guard bytes on both sides of the destination.
        std::vector<uint8_t> dst(len + 64, 0xA5);
        const uint32_t got = read_data_window(offset, dst.data() + 32, len);
        if (got > len)
            std::abort();
        for (int i = 0; i < 32; ++i)
            if (dst[size_t(i)] != 0xA5 || dst[len + 32 + size_t(i)] != 0xA5)
                std::abort();
        uint8_t id[32];
        read_identity_file(in.take(3), id, uint32_t(sizeof id));

        // A sector built from the input, checked or not, goes through the
        // command channel to the cartridge.
        CommandSector sector = make_command(uint8_t(in.take(1)), uint8_t(in.take(1)));
        for (size_t i = 3; i < sector.bytes.size() && in.n; ++i)
            sector[i] = uint8_t(in.take(1));
        send_command(sector);
    }
    return 0;
}
