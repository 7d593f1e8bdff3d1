// Game Boy Advance save memory: out of the reader's reach, so both operations are refused.
#pragma once

#include "workers/registry.h"
#include "workers/save_frame.h"

class gbaSave : public SaveWorker {
public:
    int consoleCode() const override { return code(ConsoleCode::gba); }

protected:
    using SaveWorker::SaveWorker;
    bool describeSave(SavePlan *plan) override;
};

class gbaThreadReadSave : public gbaSave {
    Q_OBJECT
public:
    explicit gbaThreadReadSave(QObject *parent = nullptr) : gbaSave(Mode::Read, parent) {}
};

class gbaThreadWriteSave : public gbaSave {
    Q_OBJECT
public:
    explicit gbaThreadWriteSave(QObject *parent = nullptr) : gbaSave(Mode::Write, parent) {}
};
