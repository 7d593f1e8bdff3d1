#include "cli/presets.h"

namespace cli {

Presets::Presets(int consoleCode, QObject *parent) : QObject(parent)
{
    for (int r = 0; r < 4; ++r) {
        const OptionEntry *list = option_list(consoleCode, r + 1);
        rows_[r].list = list ? list : notUsedList;
        rows_[r].value = rows_[r].list[0].index == -1 ? 0 : rows_[r].list[0].value;
    }
}

void Presets::select(int row, int value)
{
    Row &r = rows_[row - 1];
    if (find_option_value(r.list, value)) {
        r.value = value;
        r.detected = true;
    }
}

void Presets::selectMMCType(int value) { select(1, value); }
void Presets::selectRomSize(int value) { select(2, value); }
void Presets::selectRamType(int value) { select(3, value); }
void Presets::selectRamSize(int value) { select(4, value); }

int Presets::value(int row) const
{
    return row >= 1 && row <= 4 ? rows_[row - 1].value : 0;
}

bool Presets::detected(int row) const
{
    return row >= 1 && row <= 4 && rows_[row - 1].detected;
}

} // namespace cli
