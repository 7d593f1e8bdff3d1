#include "workers/console_table.h"

const ConsoleEntry consoleTable[kConsoleCount] = {
    {0, 19, ":/images/md.png", "MD/GEN"},
    {1, 18, ":/images/sms.png", "SMS"},
    {2, 21, ":/images/msx.png", "MSX/MSX2"},
    {3, 15, ":/images/sfc.png", "SFC/SNES"},
    {4, 2, ":/images/gb.png", "GB/GBC"},
    {5, 3, ":/images/gba.png", "GBA"},
};

const ConsoleEntry *find_console(int code)
{
    for (const ConsoleEntry &row : consoleTable)
        if (row.code == code)
            return &row;
    return nullptr;
}
