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
};

class msxThreadDump : public DumpWorker {
    Q_OBJECT
public:
    int consoleCode() const override { return code(ConsoleCode::msx); }
    using DumpWorker::DumpWorker;

protected:
    bool readImage(uint8_t *buffer) override;

private:
    bool readFixedPages(uint8_t *buffer, uint32_t size);
    bool readBanks(uint8_t *buffer, uint32_t size, int mapper, uint8_t mode);
};
