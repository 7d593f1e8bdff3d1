// The save workers' description of a cartridge on any image: the header
// bytes they decode (GB type and RAM codes, SFC map mode and type, the Mega
// Drive "RA" field, the Codemasters header) and the probes that measure a
// Master System RAM or find an MSX SRAM bank. The run stops before the RAM
// is written: the save file it is given does not exist.
#include "simulator/setup.h"
#include "simulator/simulated_reader.h"
#include "workers/registry.h"
#include "workers/save_frame.h"

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_save_plan";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    if (size < 4)
        return 0;
    const char *const families[] = {"md", "sms", "msx", "sfc", "gb", "gba"};
    const std::string family = families[data[0] % 6];
    const int mapper = data[1] == 0xFF ? -1 : data[1] % 20;
    const int ramSize = (data[2] << 8 | data[3]) * 64;
    std::vector<uint8_t> image(data + 4, data + size);
    std::string why;
    std::unique_ptr<sim::Cartridge> cart = sim::make_cartridge(family, std::move(image), mapper, &why);
    if (!cart)
        return 0;
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    const std::vector<uint8_t> ram = cart->save_ram();
    reader.insert(std::move(cart));
    std::unique_ptr<SaveWorker> worker(make_save_worker(find_family_named(QString::fromStdString(family))->code(), true));
    worker->fileName = QStringLiteral("/nonexistent/quorvel-fuzz/in.sav");
    worker->mmcType = mapper;
    worker->ramSize = ramSize;
    worker->start();
    worker->wait();
    // Describing the cartridge never changes its RAM.
    if (reader.save_ram() != ram)
        std::abort();
    return 0;
}
