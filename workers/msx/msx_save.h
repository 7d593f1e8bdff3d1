// MSX save memory: the SRAM of the ASCII 8 KB and ASCII 16 KB boards and of
// Game Master 2, mapped through their bank registers.
#pragma once

#include "workers/registry.h"
#include "workers/save_frame.h"

class msxSave : public SaveWorker {
public:
    int consoleCode() const override { return code(ConsoleCode::msx); }

protected:
    using SaveWorker::SaveWorker;
    bool describeSave(SavePlan *plan) override;
};

class msxThreadReadSave : public msxSave {
    Q_OBJECT
public:
    explicit msxThreadReadSave(QObject *parent = nullptr) : msxSave(Mode::Read, parent) {}
};

class msxThreadWriteSave : public msxSave {
    Q_OBJECT
public:
    explicit msxThreadWriteSave(QObject *parent = nullptr) : msxSave(Mode::Write, parent) {}
};
