// The GBA title table, searched by the four-character game code embedded in
// the serial list. Texts are UTF-16.
#pragma once

#include <cstddef>

namespace gba {

struct TitleRow {
    const char16_t *title;       // with region in parentheses
    const char16_t *year;        // four characters, '?' for unknown digits
    const char16_t *publisher;
    const char16_t *serials;     // ", " separated
    const char16_t *romSize;     // bytes, decimal text
    const char16_t *saveType;    // save-type tag or empty
};

extern const TitleRow kTitleTable[];
extern const size_t kTitleTableSize;

} // namespace gba
