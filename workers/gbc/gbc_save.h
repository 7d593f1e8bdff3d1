// Game Boy / Color save memory: the battery RAM of MBC1, MBC2, MBC3 (and
// its clock), MBC5 and HuC1 boards at 0xA000-0xBFFF.
#pragma once

#include "workers/registry.h"
#include "workers/save_frame.h"

class gbcSave : public SaveWorker {
public:
    int consoleCode() const override { return code(ConsoleCode::gbc); }

protected:
    using SaveWorker::SaveWorker;
    bool describeSave(SavePlan *plan) override;
};

class gbcThreadReadSave : public gbcSave {
    Q_OBJECT
public:
    explicit gbcThreadReadSave(QObject *parent = nullptr) : gbcSave(Mode::Read, parent) {}
};

class gbcThreadWriteSave : public gbcSave {
    Q_OBJECT
public:
    explicit gbcThreadWriteSave(QObject *parent = nullptr) : gbcSave(Mode::Write, parent) {}
};
