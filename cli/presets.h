// The options an Info run detected, kept as the settings panel keeps them:
// one list per row, the first option until a request selects another.
#pragma once

#include "workers/option_lists.h"
#include "workers/presets.h"

#include <QObject>

namespace cli {

class Presets : public QObject, public CartridgePresets {
    Q_OBJECT
public:
    explicit Presets(int consoleCode, QObject *parent = nullptr);

    void selectMMCType(int value) override;
    void selectRomSize(int value) override;
    void selectRamType(int value) override;
    void selectRamSize(int value) override;
    QObject *presetContext() override { return this; }

    // Rows 1 to 4: MMC TYPE, ROM SIZE, RAM TYPE, RAM SIZE.
    int value(int row) const;
    // True once a request has selected an option of the row.
    bool detected(int row) const;

    int mmcType() const { return value(1); }
    int romSize() const { return value(2); }

private:
    struct Row {
        const OptionEntry *list = nullptr;
        int value = 0;
        bool detected = false;
    };
    void select(int row, int value);
    Row rows_[4];
};

} // namespace cli
