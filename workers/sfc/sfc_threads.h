// The Super Famicom / SNES workers: identification by title table or header,
// and the dump through the bank reader of the chosen MMC TYPE.
#pragma once

#include "workers/sfc/sfc_protocol.h"
#include "workers/registry.h"
#include "workers/worker.h"

#include <cstddef>
#include <cstdint>

class sfcThreadInfo : public InfoWorker {
    Q_OBJECT
public:
    explicit sfcThreadInfo(QObject *parent = nullptr);

    // The title table searched by identify(): the built-in one unless replaced.
    void setTitleTable(const sfc::TitleRecord *table, size_t count);

protected:
    void identify() override;

private:
    bool sfcRead(uint32_t address, uint8_t *dst, uint32_t len);
    bool reportTitle(const sfc::TitleRecord &row);
    void reportHeader(const uint8_t *page);

    const sfc::TitleRecord *table_;
    size_t tableCount_;
};

class sfcThreadDump : public DumpWorker {
    Q_OBJECT
public:
    int consoleCode() const override { return code(ConsoleCode::sfc); }
    explicit sfcThreadDump(QObject *parent = nullptr) : DumpWorker(parent) {}

protected:
    bool startRead() override;
    bool nextBlock(uint32_t index, const uint8_t *image, DumpBlock *block) override;
    uint32_t trueLength(const uint8_t *image, uint32_t len) const override { return sfc::true_size(image, len); }

private:
    sfc::Reader reader_ = sfc::Reader::None;
};
