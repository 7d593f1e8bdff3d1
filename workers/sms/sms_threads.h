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
};

class smsThreadDump : public DumpWorker {
    Q_OBJECT
public:
    int consoleCode() const override { return code(ConsoleCode::sms); }
    using DumpWorker::DumpWorker;

protected:
    bool readImage(uint8_t *buffer) override;
    // Small images are read as three whole slots.
    uint32_t bufferSize() const override;
};
