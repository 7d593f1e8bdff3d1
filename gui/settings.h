// The cartridge settings panel: four option rows whose lists follow the
// selected family, and the values a Dump takes from them.
#pragma once

#include "workers/option_lists.h"
#include "workers/presets.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;

class Settings : public QGroupBox, public CartridgePresets {
    Q_OBJECT
public:
    explicit Settings(QWidget *parent = nullptr);

    // Loads the rows of the family `code`; the family already loaded, or a
    // code that names no family, leaves everything as it is.
    void setConsole(int code);

    void selectMMCType(int value) override;
    void selectRomSize(int value) override;
    void selectRamType(int value) override;
    void selectRamSize(int value) override;
    // A dialog listing the candidates; the answer selects the ROM SIZE.
    void askRomSize(const std::vector<int> &candidates) override;
    QObject *presetContext() override { return this; }

    QLabel *mmcTypeLabel;
    QLabel *romSizeLabel;
    QLabel *ramTypeLabel;
    QLabel *ramSizeLabel;
    QComboBox *mmcTypeBox;
    QComboBox *romSizeBox;
    QComboBox *ramTypeBox;
    QComboBox *ramSizeBox;
    QCheckBox *checkSizeBox;
    QCheckBox *checkSizeBox2;

    int currentConsole = 0;
    int mmcType = 0;
    int romSize = 0;
    int ramType = 0;
    int ramSize = 0;

public slots:
    void setMMCType(int index);
    void setRomSize(int index);
    void setRamType(int index);
    void setRamSize(int index);

private:
    const OptionEntry *mmcTypeList = notUsedList;
    const OptionEntry *romSizeList = notUsedList;
    const OptionEntry *ramTypeList = notUsedList;
    const OptionEntry *ramSizeList = notUsedList;
};
