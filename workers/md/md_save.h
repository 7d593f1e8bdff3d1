// Mega Drive save memory: SRAM at 0x200000 of cartridges whose ROM ends at or
// below 2 MiB. The reader has no Mega Drive write, so it is read only.
#pragma once

#include "workers/registry.h"
#include "workers/save_frame.h"

class mdSave : public SaveWorker {
public:
    int consoleCode() const override { return code(ConsoleCode::md); }

protected:
    using SaveWorker::SaveWorker;
    bool describeSave(SavePlan *plan) override;
    QString fileSuffix() const override { return QStringLiteral("srm"); }
};

class mdThreadReadSave : public mdSave {
    Q_OBJECT
public:
    explicit mdThreadReadSave(QObject *parent = nullptr) : mdSave(Mode::Read, parent) {}
};

class mdThreadWriteSave : public mdSave {
    Q_OBJECT
public:
    explicit mdThreadWriteSave(QObject *parent = nullptr) : mdSave(Mode::Write, parent) {}
};
