// The six console families in button order: code, icon and label.
#pragma once

#include <cstdint>

struct ConsoleEntry {
    int32_t index;
    int32_t code;
    char icon[17];
    char label[19];
};

constexpr int kConsoleCount = 6;
extern const ConsoleEntry consoleTable[kConsoleCount];

// The row of `code`, or null when no family has that code.
const ConsoleEntry *find_console(int code);
