#pragma once

#include "workers/gbc/gbc_protocol.h"
#include "workers/registry.h"
#include "workers/worker.h"

class gbcThreadInfo : public InfoWorker {
    Q_OBJECT
public:
    using InfoWorker::InfoWorker;

protected:
    void identify() override;

private:
    // Reads the MBC1 board's banks through the multicart's wiring and
    // MBC1's; false when a command or read failed.
    bool probeMbc1(const uint8_t *bank0, gbc::Mbc1Board *board);
};

class gbcThreadDump : public DumpWorker {
    Q_OBJECT
public:
    int consoleCode() const override { return code(ConsoleCode::gbc); }
    using DumpWorker::DumpWorker;

protected:
    bool startRead() override;
    bool nextBlock(uint32_t index, const uint8_t *image, DumpBlock *block) override;
    void noteSuspectImage(const uint8_t *image, uint32_t len, bool checksumFails) override;

private:
    void noteDeclared(const uint8_t *bank0, uint32_t len);
};
