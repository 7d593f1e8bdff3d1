#pragma once

#include "workers/gba/gba_protocol.h"
#include "workers/registry.h"
#include "workers/worker.h"

class gbaThreadInfo : public InfoWorker {
    Q_OBJECT
public:
    explicit gbaThreadInfo(QObject *parent = nullptr);

    // The table searched; tests hand in their own.
    const gba::TitleRow *table;
    size_t tableSize;

protected:
    void identify() override;

private:
    // A game code with no row: the header's own fields and the measured size.
    void reportHeader(const uint8_t *header);
    // The size the bus shows; false when a command or read failed.
    bool measure(uint32_t *size, gba::SizeEvidence *how);
    void noteEvidence(uint32_t size, gba::SizeEvidence how);
};

class gbaThreadDump : public DumpWorker {
    Q_OBJECT
public:
    int consoleCode() const override { return code(ConsoleCode::gba); }
    using DumpWorker::DumpWorker;

protected:
    bool startRead() override;
    bool nextBlock(uint32_t index, const uint8_t *image, DumpBlock *block) override;
    // An empty slot's bus floats rather than reading 0xFF.
    bool emptySlot(const uint8_t *image, uint32_t len) const override;
    uint32_t trueLength(const uint8_t *image, uint32_t len) const override { return gba::repeat_length(image, len); }
};
