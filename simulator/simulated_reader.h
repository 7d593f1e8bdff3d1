// A substitute reader: one removable drive holding V-DRIVER.DMP, CMD.CMD and
// DUMP.ROM, backed by a cartridge image in memory. It keeps the reader's
// promises (commands act before the write returns, reads are never cached,
// start commands select a bus that stays selected, register writes reach the
// mapper, selects choose the window) and can be told to fail.
#pragma once

#include "device/platform.h"
#include "simulator/cartridge.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace sim {

// One accepted command sector.
struct SectorRecord {
    std::array<uint8_t, 512> bytes{};
    uint8_t target() const { return bytes[1]; }
    uint8_t operation() const { return bytes[2]; }
    uint8_t arg(size_t i) const { return bytes[i]; }
    // Bytes [pos, pos + 4) little-endian.
    uint32_t le32(size_t pos) const;
};

// One thing asked of the drive, in order.
struct Event {
    enum Kind { Command, Read } kind;
    SectorRecord sector;      // Command
    std::string file;         // Read: file name ("DUMP.ROM", "V-DRIVER.DMP")
    uint32_t offset = 0;      // Read: position asked
    uint32_t length = 0;      // Read: count asked
};

class SimulatedReader : public platform::Platform {
public:
    static constexpr uint32_t kWindowSize = 0x1000000;     // DUMP.ROM size
    static constexpr uint32_t kIdentitySize = 0x10000;     // V-DRIVER.DMP size

    explicit SimulatedReader(char letter = 'F', std::string label = "QUORVEL",
                             std::string identity = "QXB_RDR07_FW310");
    ~SimulatedReader() override;

    void set_identity(const std::string &identity);   // at most 16 bytes used

    // The cartridge in the slot, powered up (null: an empty slot; every read
    // gives 0xFF, except on the GBA bus, which floats as it does past a ROM).
    void insert(std::unique_ptr<Cartridge> cartridge);
    // The cartridge's battery RAM (empty when it keeps none or the slot is
    // empty), and a save put in place; false, changing nothing, when the
    // cartridge keeps no RAM of that size.
    std::vector<uint8_t> save_ram() const;
    bool load_save_ram(const std::vector<uint8_t> &bytes);

    // A board resets only when power reaches it (insert, plug). With this
    // set, every start command also resets the cartridge's registers, as
    // this simulator did before.
    void set_start_resets_board(bool reset);
    // The bus chosen by the last start command (bus_none before any).
    int bus() const;

    // Faults.
    void unplug();                      // the drive vanishes
    void plug(char letter = 0);         // it comes back, under `letter` if given
    void fail_read(int n);              // the nth DUMP.ROM read from now fails (0 = off)
    void set_read_limit(uint32_t max);  // DUMP.ROM reads deliver at most `max` bytes (0 = off)
    void refuse_writes(bool refuse);    // CMD.CMD cannot be created
    // A reader with poor contacts: about one data-window read in `one_in`
    // comes back with one bit flipped, the same reads for the same seed
    // (one_in 0 = off).
    void set_flaky(uint64_t seed, uint32_t one_in = 50);
    int flipped_reads() const;          // reads spoilt since set_flaky
    // Called on every DUMP.ROM read before it is served, with the reader
    // locked: tests use it to act at an exact point of a run (a cancel click).
    void set_read_hook(std::function<void(const Event &)> hook);

    // What was asked of the drive.
    std::vector<Event> events() const;
    std::vector<SectorRecord> commands() const;        // accepted sectors only
    std::vector<Event> window_reads() const;           // reads of DUMP.ROM
    int rejected_sectors() const;                      // sectors that failed the check
    void clear_log();

    // platform::Platform
    uint32_t present_drives() override;
    unsigned drive_type(char letter) override;
    bool volume_label(char letter, char *label, size_t size) override;
    std::unique_ptr<platform::File> open_read(const char *path) override;
    std::unique_ptr<platform::File> create_write(const char *path) override;

private:
    class SimFile;
    friend class SimFile;
    enum class Kind { Identity, Window, Command };

    bool owns(const char *path, Kind *kind) const;   // caller holds mutex_
    bool read_file(Kind kind, uint32_t offset, uint8_t *dst, uint32_t len, uint32_t *got);
    bool write_command(const uint8_t *data, uint32_t len, uint32_t *written);
    void execute(const uint8_t *sector);             // caller holds mutex_
    Cartridge *in_slot() const;                      // caller holds mutex_
    uint64_t next_random();                          // caller holds mutex_

    mutable std::mutex mutex_;
    char letter_;
    std::string label_;
    std::array<uint8_t, 16> identity_{};
    std::unique_ptr<Cartridge> cartridge_;
    std::unique_ptr<Cartridge> empty_gba_;   // the bus an empty GBA slot shows
    bool start_resets_ = false;
    uint64_t flaky_state_ = 0;
    uint32_t flaky_one_in_ = 0;
    int flipped_ = 0;
    bool present_ = true;
    int bus_ = bus_none;
    int console_ = 0;             // console selected by the last 0xF0 sector
    int fail_countdown_ = 0;
    uint32_t read_limit_ = 0;
    bool refuse_writes_ = false;
    std::function<void(const Event &)> read_hook_;
    int rejected_ = 0;
    std::vector<Event> events_;
};

// Installs a reader as the process's platform for the lifetime of the object.
class ScopedPlatform {
public:
    explicit ScopedPlatform(platform::Platform &p);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform &) = delete;
    ScopedPlatform &operator=(const ScopedPlatform &) = delete;
};

} // namespace sim
