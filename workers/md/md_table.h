#pragma once

#include "workers/md/md_protocol.h"

namespace md {

extern const MdTitleRecord mdTitleTable[];
extern const size_t mdTitleTableSize;

} // namespace md
