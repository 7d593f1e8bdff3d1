#pragma once

#include "workers/md/md_protocol.h"
#include "workers/worker.h"

class mdThreadInfo : public InfoWorker {
    Q_OBJECT
public:
    explicit mdThreadInfo(QObject *parent = nullptr);

    // The table searched; tests hand in their own.
    const md::MdTitleRecord *table;
    size_t tableSize;

protected:
    void identify() override;
};

class mdThreadDump : public DumpWorker {
    Q_OBJECT
public:
    using DumpWorker::DumpWorker;

protected:
    bool readImage(uint8_t *buffer) override;
};
