#include "simulator/simulated_reader.h"

#include "device/command.h"
#include "device/device_link.h"
#include "simulator/gba_cartridge.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace sim {

uint32_t SectorRecord::le32(size_t pos) const
{
    return uint32_t(bytes[pos]) | uint32_t(bytes[pos + 1]) << 8 | uint32_t(bytes[pos + 2]) << 16 |
           uint32_t(bytes[pos + 3]) << 24;
}

namespace {

// The reader's MSX variant sends its start with target 0x14.
int bus_of_target(int target)
{
    return target == 0x14 ? int(bus_msx) : target;
}

bool same_name(const char *a, const char *b)
{
    for (; *a && *b; ++a, ++b)
        if (std::toupper(static_cast<unsigned char>(*a)) != std::toupper(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

} // namespace

class SimulatedReader::SimFile : public platform::File {
public:
    SimFile(SimulatedReader &reader, Kind kind) : reader_(reader), kind_(kind) {}

    bool seek(uint32_t offset) override
    {
        pos_ = offset;
        return true;
    }

    bool read(void *dst, uint32_t len, uint32_t *got) override
    {
        if (kind_ == Kind::Command) {
            *got = 0;
            return false;
        }
        const bool ok = reader_.read_file(kind_, pos_, static_cast<uint8_t *>(dst), len, got);
        pos_ += *got;
        return ok;
    }

    bool write(const void *src, uint32_t len, uint32_t *written) override
    {
        if (kind_ != Kind::Command) {
            *written = 0;
            return false;
        }
        return reader_.write_command(static_cast<const uint8_t *>(src), len, written);
    }

private:
    SimulatedReader &reader_;
    Kind kind_;
    uint32_t pos_ = 0;
};

SimulatedReader::SimulatedReader(char letter, std::string label, std::string identity)
    : letter_(letter), label_(std::move(label)), empty_gba_(std::make_unique<GbaCartridge>(std::vector<uint8_t>{}))
{
    set_identity(identity);
}

SimulatedReader::~SimulatedReader() = default;

void SimulatedReader::set_identity(const std::string &identity)
{
    std::lock_guard<std::mutex> lock(mutex_);
    identity_.fill(0);
    std::memcpy(identity_.data(), identity.data(), std::min(identity.size(), identity_.size()));
}

void SimulatedReader::insert(std::unique_ptr<Cartridge> cartridge)
{
    std::lock_guard<std::mutex> lock(mutex_);
    cartridge_ = std::move(cartridge);
    if (cartridge_)
        cartridge_->power_up();
}

std::vector<uint8_t> SimulatedReader::save_ram() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return cartridge_ ? cartridge_->save_ram() : std::vector<uint8_t>{};
}

bool SimulatedReader::load_save_ram(const std::vector<uint8_t> &bytes)
{
    std::lock_guard<std::mutex> lock(mutex_);
    return cartridge_ && cartridge_->load_save_ram(bytes);
}

void SimulatedReader::set_start_resets_board(bool reset)
{
    std::lock_guard<std::mutex> lock(mutex_);
    start_resets_ = reset;
}

void SimulatedReader::set_flaky(uint64_t seed, uint32_t one_in)
{
    std::lock_guard<std::mutex> lock(mutex_);
    flaky_state_ = seed;
    flaky_one_in_ = one_in;
    flipped_ = 0;
}

int SimulatedReader::flipped_reads() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return flipped_;
}

uint64_t SimulatedReader::next_random()
{
    // splitmix64: small, and the same sequence for the same seed everywhere.
    uint64_t z = (flaky_state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

Cartridge *SimulatedReader::in_slot() const
{
    if (bus_ == bus_none)
        return nullptr;
    if (!cartridge_)
        return bus_ == bus_gba ? empty_gba_.get() : nullptr;
    return cartridge_->on_bus(bus_) ? cartridge_.get() : nullptr;
}

int SimulatedReader::bus() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return bus_;
}

void SimulatedReader::unplug()
{
    std::lock_guard<std::mutex> lock(mutex_);
    present_ = false;
}

void SimulatedReader::plug(char letter)
{
    std::lock_guard<std::mutex> lock(mutex_);
    present_ = true;
    if (letter)
        letter_ = letter;
    // A re-plugged reader powers up with no bus selected, and so does the
    // cartridge in it.
    bus_ = bus_none;
    console_ = 0;
    if (cartridge_)
        cartridge_->power_up();
}

void SimulatedReader::fail_read(int n)
{
    std::lock_guard<std::mutex> lock(mutex_);
    fail_countdown_ = n;
}

void SimulatedReader::set_read_limit(uint32_t max)
{
    std::lock_guard<std::mutex> lock(mutex_);
    read_limit_ = max;
}

void SimulatedReader::refuse_writes(bool refuse)
{
    std::lock_guard<std::mutex> lock(mutex_);
    refuse_writes_ = refuse;
}

void SimulatedReader::set_read_hook(std::function<void(const Event &)> hook)
{
    std::lock_guard<std::mutex> lock(mutex_);
    read_hook_ = std::move(hook);
}

std::vector<Event> SimulatedReader::events() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return events_;
}

std::vector<SectorRecord> SimulatedReader::commands() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<SectorRecord> out;
    for (const Event &e : events_)
        if (e.kind == Event::Command)
            out.push_back(e.sector);
    return out;
}

std::vector<Event> SimulatedReader::window_reads() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Event> out;
    for (const Event &e : events_)
        if (e.kind == Event::Read && e.file == "DUMP.ROM")
            out.push_back(e);
    return out;
}

int SimulatedReader::rejected_sectors() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return rejected_;
}

void SimulatedReader::clear_log()
{
    std::lock_guard<std::mutex> lock(mutex_);
    events_.clear();
    rejected_ = 0;
}

uint32_t SimulatedReader::present_drives()
{
    std::lock_guard<std::mutex> lock(mutex_);
    // A system drive is always there; the reader only while plugged in.
    uint32_t mask = 1u << ('C' - 'A');
    if (present_)
        mask |= 1u << (letter_ - 'A');
    return mask;
}

unsigned SimulatedReader::drive_type(char letter)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (letter == 'C')
        return platform::drive_fixed;
    return present_ && letter == letter_ ? platform::drive_removable : platform::drive_no_root;
}

bool SimulatedReader::volume_label(char letter, char *label, size_t size)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!present_ || letter != letter_ || size == 0)
        return false;
    std::memset(label, 0, size);
    std::strncpy(label, label_.c_str(), size - 1);
    return true;
}

bool SimulatedReader::owns(const char *path, Kind *kind) const
{
    char letter;
    const char *name;
    if (!present_ || !platform::split_drive_path(path, &letter, &name) || letter != letter_)
        return false;
    if (same_name(name, "V-DRIVER.DMP"))
        *kind = Kind::Identity;
    else if (same_name(name, "DUMP.ROM"))
        *kind = Kind::Window;
    else if (same_name(name, "CMD.CMD"))
        *kind = Kind::Command;
    else
        return false;
    return true;
}

std::unique_ptr<platform::File> SimulatedReader::open_read(const char *path)
{
    std::lock_guard<std::mutex> lock(mutex_);
    Kind kind;
    if (!owns(path, &kind) || kind == Kind::Command)
        return nullptr;
    return std::make_unique<SimFile>(*this, kind);
}

std::unique_ptr<platform::File> SimulatedReader::create_write(const char *path)
{
    std::lock_guard<std::mutex> lock(mutex_);
    Kind kind;
    if (!owns(path, &kind) || kind != Kind::Command || refuse_writes_)
        return nullptr;
    return std::make_unique<SimFile>(*this, kind);
}

bool SimulatedReader::read_file(Kind kind, uint32_t offset, uint8_t *dst, uint32_t len, uint32_t *got)
{
    std::lock_guard<std::mutex> lock(mutex_);
    *got = 0;
    Event e;
    e.kind = Event::Read;
    e.file = kind == Kind::Identity ? "V-DRIVER.DMP" : "DUMP.ROM";
    e.offset = offset;
    e.length = len;
    events_.push_back(e);
    if (kind == Kind::Window && read_hook_)
        read_hook_(e);
    if (!present_)
        return false;
    const uint32_t size = kind == Kind::Identity ? kIdentitySize : kWindowSize;
    uint32_t n = offset < size ? std::min(len, size - offset) : 0;
    if (kind == Kind::Window) {
        if (fail_countdown_ > 0 && --fail_countdown_ == 0)
            return false;
        if (read_limit_)
            n = std::min(n, read_limit_);
    }
    if (n == 0)
        return true;
    if (kind == Kind::Identity) {
        std::memset(dst, 0, n);
        for (uint32_t i = 0; i < identity_.size(); ++i)
            if (0x8000 + i >= offset && 0x8000 + i < offset + n)
                dst[0x8000 + i - offset] = identity_[i];
    } else if (Cartridge *cart = in_slot()) {
        cart->read(offset, dst, n);
    } else {
        // No cartridge answers on the selected bus: the lines float high.
        std::memset(dst, 0xFF, n);
    }
    if (kind == Kind::Window && flaky_one_in_ && next_random() % flaky_one_in_ == 0) {
        const uint64_t r = next_random();
        dst[(r >> 3) % n] ^= uint8_t(1u << (r & 7));
        ++flipped_;
    }
    *got = n;
    return true;
}

bool SimulatedReader::write_command(const uint8_t *data, uint32_t len, uint32_t *written)
{
    std::lock_guard<std::mutex> lock(mutex_);
    *written = 0;
    if (!present_ || refuse_writes_)
        return false;
    // The reader acts on each whole sector as it arrives; a sector that fails
    // its check is dropped.
    for (uint32_t start = 0; start + kSectorSize <= len; start += kSectorSize) {
        if (!sector_is_sealed(data + start)) {
            ++rejected_;
            continue;
        }
        Event e;
        e.kind = Event::Command;
        std::memcpy(e.sector.bytes.data(), data + start, kSectorSize);
        events_.push_back(e);
        execute(data + start);
    }
    *written = len;
    return true;
}

void SimulatedReader::execute(const uint8_t *sector)
{
    const int target = sector[1];
    const int op = sector[2];
    if (target == kReaderTarget) {
        console_ = op;
        return;
    }
    const int bus = bus_of_target(target);
    if (op == 0x01) {
        // Game Boy and Game Boy Advance share a slot: their bus is only
        // powered after the matching console selection.
        if ((bus == bus_gbc || bus == bus_gba) && console_ != bus) {
            bus_ = bus_none;
            return;
        }
        bus_ = bus;
        if (Cartridge *cart = in_slot()) {
            if (start_resets_)
                cart->power_up();
            cart->start(bus);
        }
        return;
    }
    Cartridge *cart = in_slot();
    if (cart && (cart != cartridge_.get() || cartridge_->on_bus(bus)))
        cart->command(sector);
}

ScopedPlatform::ScopedPlatform(platform::Platform &p)
{
    platform::install(&p);
    current_drive_letter = 0;
}

ScopedPlatform::~ScopedPlatform()
{
    platform::install(nullptr);
    current_drive_letter = 0;
}

} // namespace sim
