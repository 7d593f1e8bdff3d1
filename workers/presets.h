// What an Info run detected is offered to whoever shows the cartridge
// options: the settings panel of the window, or the headless front end.
#pragma once

#include <vector>

class QObject;

class CartridgePresets {
public:
    virtual ~CartridgePresets() = default;
    // Select the option of the row whose value equals `value`; a value that
    // no option carries leaves the row as it is.
    virtual void selectMMCType(int value) = 0;
    virtual void selectRomSize(int value) = 0;
    virtual void selectRamType(int value) = 0;
    virtual void selectRamSize(int value) = 0;
    // The cartridge leaves the ROM size open between these values (ROM SIZE
    // option values): whoever can ask the person does.
    virtual void askRomSize(const std::vector<int> &) {}
    // The object whose thread carries out the requests, in the order made.
    virtual QObject *presetContext() = 0;
};
