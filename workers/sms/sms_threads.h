#pragma once

#include "workers/sms/sms_protocol.h"
#include "workers/registry.h"
#include "workers/worker.h"

class smsThreadInfo : public InfoWorker {
    Q_OBJECT
public:
    explicit smsThreadInfo(QObject *parent = nullptr);

    // The table searched; tests hand in their own.
    const sms::TitleRecord *table;
    size_t tableSize;

protected:
    void identify() override;

private:
    void identifyFromCartridge();
    bool sendAll(const std::vector<CommandSector> &sectors);
    // Tells a Codemasters board by its header and its slot 2 register;
    // false when a command or read failed or the board is refused.
    bool identifyBoard();
    int board_ = sms::board_sega;
    // The size at which the ROM repeats bank 0; 0 when none up to 1 MiB.
    // False when a command or read failed.
    bool measure(const QByteArray &low, uint32_t *size);
};

class smsThreadDump : public DumpWorker {
    Q_OBJECT
public:
    int consoleCode() const override { return code(ConsoleCode::sms); }
    using DumpWorker::DumpWorker;

protected:
    bool startRead() override;
    bool nextBlock(uint32_t index, const uint8_t *image, DumpBlock *block) override;
    void blockDone(const DumpBlock &block, const uint8_t *image) override;
    // Small images are read as three whole slots.
    uint32_t bufferSize() const override;
    void noteSuspectImage(const uint8_t *image, uint32_t len, bool checksumFails) override;

private:
    // Once the first 32 KiB are in: says so when the header declares more.
    void noteDeclaredSize(const uint8_t *buffer);
    uint32_t declared_ = 0;   // the header's size, as the run read it; 0: none
};
