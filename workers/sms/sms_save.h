// Master System save memory: cartridge RAM behind the Sega mapper's control
// register at 0xFFFC, or behind bit 7 of the Codemasters 0x4000 register.
#pragma once

#include "workers/registry.h"
#include "workers/save_frame.h"

class smsSave : public SaveWorker {
public:
    int consoleCode() const override { return code(ConsoleCode::sms); }

protected:
    using SaveWorker::SaveWorker;
    bool describeSave(SavePlan *plan) override;
};

class smsThreadReadSave : public smsSave {
    Q_OBJECT
public:
    explicit smsThreadReadSave(QObject *parent = nullptr) : smsSave(Mode::Read, parent) {}
};

class smsThreadWriteSave : public smsSave {
    Q_OBJECT
public:
    explicit smsThreadWriteSave(QObject *parent = nullptr) : smsSave(Mode::Write, parent) {}
};
