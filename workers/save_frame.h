// The frame of the save workers: a family describes where its battery RAM
// shows and how the board is put back; the frame reads twice and compares,
// keeps a backup, writes in batches, reads back and restores the board on
// every path.
#pragma once

#include "device/command.h"
#include "workers/worker.h"

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

// One stretch of the RAM as one window shows it.
struct SaveBank {
    std::vector<CommandSector> select;   // sent one a write before the bank is reached
    uint32_t windowOffset = 0;           // where its first byte shows in the data window
    uint32_t address = 0;                // cartridge address of its first byte, for writes
    uint32_t length = 0;                 // bytes of the file it holds
    // Boards that carry data on one byte lane: byte i of the bank shows at
    // windowOffset + i * step.
    uint32_t step = 1;
};

// A bank whose bytes show in the data window at their own cartridge address.
inline SaveBank bank_at(uint32_t address, uint32_t length, std::vector<CommandSector> select = {})
{
    SaveBank bank;
    bank.select = std::move(select);
    bank.windowOffset = bank.address = address;
    bank.length = length;
    return bank;
}

// The MBC3 clock: latched, then each register selected and read at one place.
struct SaveClock {
    std::vector<CommandSector> latch;
    std::vector<CommandSector> selects;  // seconds, minutes, hours, day low, day high
    uint32_t windowOffset = 0;
    uint32_t address = 0;
};

struct SavePlan {
    QString board;                        // logged before the first access
    uint32_t size = 0;                    // bytes of the file, without a clock footer
    std::vector<CommandSector> enable;    // one a write, before the first access
    std::vector<SaveBank> banks;
    // One a write, once the RAM was mapped: on success, failure and cancel.
    std::vector<CommandSector> restore;
    // One write cycle; null: the reader cannot write this board.
    std::function<CommandSector(uint32_t address, uint8_t value)> write;
    QString readOnlyReason;               // logged when a write is refused
    uint8_t mask = 0xFF;                  // the bits a cell stores
    // Unmapped, the bank's window shows something else (open bus or ROM):
    // a read equal to that view means the RAM never appeared.
    bool gated = true;
    // Where a board that lacks the RAM would show something else instead
    // (a ROM mirror), in the first bank's layout; -1: nowhere known.
    int64_t absentView = -1;
    bool hasClock = false;
    SaveClock clock;
    QString layout;                       // logged: how the file holds the bytes
};

// The footer common emulators append to a clock cartridge's save.
constexpr uint32_t kClockFooterSize = 48;
// Sectors per write of CMD.CMD when a bank's bytes are written.
constexpr uint32_t kSectorsPerWrite = 256;

class SaveWorker : public CartWorker {
    Q_OBJECT
public:
    enum class Mode { Read, Write };

    QString fileName;      // read: OUTPUT; write: INPUT
    QString backupPath;    // write: where the cartridge's save is kept; empty: beside INPUT
    int ramSize = 0;       // RAM SIZE row or --ram-size; 0: not given
    int mmcType = -1;      // MMC TYPE row or --mapper; -1: not given
    bool force = false;    // read: replace an existing OUTPUT
    // Asked on the worker's thread, after the cartridge was identified and
    // before its RAM is touched, with the cartridge's name and the file;
    // false ends the run. Null: no question.
    std::function<bool(const QString &cartridge, const QString &file)> confirmWrite;
    const std::atomic<int> *stopFlag = nullptr;

    Mode mode() const { return mode_; }
    virtual int consoleCode() const = 0;
    // The backup the last write run kept; empty when it kept none.
    QString backupWritten() const { return backupWritten_; }

protected:
    explicit SaveWorker(Mode mode, QObject *parent = nullptr) : CartWorker(parent), mode_(mode) {}
    void run() override;

    // Sends the start commands, reads what the family needs and fills `plan`;
    // false when the cartridge is refused (the family logged why) or a
    // command or read failed (recorded by the helpers).
    virtual bool describeSave(SavePlan *plan) = 0;
    // The cartridge's name for the backup and the question; set by describeSave.
    QString cartridgeName;
    // The default suffix of the family's save files.
    virtual QString fileSuffix() const { return QStringLiteral("sav"); }

    bool send(const CommandSector &sector);
    bool readWindow(uint32_t offset, uint8_t *dst, uint32_t len);
    // Logs `text` (already translated) as a failure and returns false.
    bool refuse(const QString &text);

private:
    enum class Failure { None, Canceled, Read, Command };
    Failure failure_ = Failure::None;
    uint32_t failedOffset_ = 0;
    Mode mode_;
    QString backupWritten_;
    bool keepGoing();
    bool sendEach(const std::vector<CommandSector> &sectors);
    bool readBank(const SaveBank &bank, uint8_t *dst, uint32_t fileOffset);
    bool readAll(const SavePlan &plan, uint8_t *dst, int pass, int passes);
    bool readClock(const SavePlan &plan, uint8_t *footer);
    bool writeBank(const SavePlan &plan, const SaveBank &bank, const uint8_t *src, uint32_t perWrite);
    bool writeClock(const SavePlan &plan, const uint8_t *footer);
    bool body(const SavePlan &plan, bool *mapped);
    bool readSave(const SavePlan &plan);
    bool writeSave(const SavePlan &plan, const QByteArray &input);
    QString defaultBackupPath() const;
    void logFailure();
    void end(bool ok);
};

// The index of the first byte where `a` and `b` differ in the bits of
// `mask`, or -1 when none does.
int64_t first_difference(const uint8_t *a, const uint8_t *b, uint32_t len, uint8_t mask);
// The 48-byte footer of clock registers (seconds, minutes, hours, day low,
// day high) and a Unix time, as common emulators store it.
void make_clock_footer(const uint8_t regs[5], int64_t unixTime, uint8_t *footer);
// The five registers a footer carries (the live set).
void clock_from_footer(const uint8_t *footer, uint8_t regs[5]);
// Writes `data` to `target` through a file beside it that replaces it only
// once complete on disk; an existing target is replaced only with `replace`.
bool write_file_atomically(const QString &target, const QByteArray &data, bool replace, QString *why);
