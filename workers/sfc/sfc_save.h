// Super Famicom save memory: battery RAM of LoROM, HiROM and ExHiROM boards
// without a coprocessor in front of it.
#pragma once

#include "workers/registry.h"
#include "workers/save_frame.h"

class sfcSave : public SaveWorker {
public:
    int consoleCode() const override { return code(ConsoleCode::sfc); }

protected:
    using SaveWorker::SaveWorker;
    bool describeSave(SavePlan *plan) override;
    QString fileSuffix() const override { return QStringLiteral("srm"); }
};

class sfcThreadReadSave : public sfcSave {
    Q_OBJECT
public:
    explicit sfcThreadReadSave(QObject *parent = nullptr) : sfcSave(Mode::Read, parent) {}
};

class sfcThreadWriteSave : public sfcSave {
    Q_OBJECT
public:
    explicit sfcThreadWriteSave(QObject *parent = nullptr) : sfcSave(Mode::Write, parent) {}
};
