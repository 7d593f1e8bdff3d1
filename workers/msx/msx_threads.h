#pragma once

#include "workers/msx/msx_protocol.h"
#include "workers/registry.h"
#include "workers/worker.h"

class msxThreadInfo : public InfoWorker {
    Q_OBJECT
public:
    explicit msxThreadInfo(QObject *parent = nullptr);

    // The table searched; tests hand in their own.
    const msx::TitleRecord *table;
    size_t tableSize;

protected:
    void identify() override;

private:
    // A page the table does not know: size and mapper from the cartridge.
    void judgeUnknown(uint8_t mode);
    // One 16 KiB bank at `offset` through the mapper's registers.
    bool readBank(int mapper, uint8_t mode, uint32_t offset, uint8_t *dst);
    // Writes each board's registers and watches the window: `*mapper` is
    // the one board whose registers explain what changed, 0 when nothing
    // did, -1 when no single board fits. Ends with power-on banks. False
    // when a command or read failed.
    bool confirmMapper(uint8_t mode, const std::vector<uint8_t> &window, int guess, int *mapper);
    // Every register write of the probes; refuses writes into 0x8000-0xBFFF
    // once any register has had a value of 0x10 or more.
    bool probeWrite(uint8_t mode, uint16_t address, uint8_t value);
    // Power-on banks of `mapper` to each register the probes wrote.
    bool restoreTouched(uint8_t mode, int mapper);
    std::vector<uint16_t> touched_;
    bool largeValue_ = false;
};

class msxThreadDump : public DumpWorker {
    Q_OBJECT
public:
    int consoleCode() const override { return code(ConsoleCode::msx); }
    using DumpWorker::DumpWorker;

protected:
    bool startRead() override;
    bool nextBlock(uint32_t index, const uint8_t *image, DumpBlock *block) override;
    void noteSuspectImage(const uint8_t *image, uint32_t len, bool checksumFails) override;

private:
    enum class Plan { FixedPages, Window, Banks };
    Plan plan_ = Plan::Banks;
    uint8_t mode_ = 0;
    bool restored_ = false;
};
