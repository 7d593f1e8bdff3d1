#pragma once

#include "workers/md/md_protocol.h"
#include "workers/registry.h"
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
    // RAM TYPE and RAM SIZE from the header's "RA" field, where it has one.
    void presetSaveRows(const QByteArray &page);

private:
    void identifyFromHeader(const QByteArray &page);
    void presetDeclaredSize(uint32_t size);
    bool checkMirror(const QByteArray &page, uint32_t size);
};

class mdThreadDump : public DumpWorker {
    Q_OBJECT
public:
    int consoleCode() const override { return code(ConsoleCode::md); }
    using DumpWorker::DumpWorker;

protected:
    bool startRead() override;
    bool nextBlock(uint32_t index, const uint8_t *image, DumpBlock *block) override;
    void blockDone(const DumpBlock &block, const uint8_t *image) override;
    void noteSuspectImage(const uint8_t *image, uint32_t len, bool checksumFails) override;

private:
    std::vector<md::Block> blocks_;
};
