// Only rows whose keys come from a source are listed; the catalogue rows are
// added as they are checked.
#include "workers/sfc/sfc_table.h"

namespace sfc {

const TitleRecord kTitleTable[] = {
    {u"Star Ocean (Jpn)", u"1996", u"Enix", u"", 6291456, 8192, 1, 0x74D8DFABu},
    {u"Tales of Phantasia (Jpn)", u"1995", u"Namco", u"", 6291456, 8192, 3, 0x11E08794u},
    {u"Star Fox (Jpn)", u"1993", u"Nintendo", u"", 1048576, 32768, 1, 0x79160E6Du},
};

const size_t kTitleCount = sizeof(kTitleTable) / sizeof(kTitleTable[0]);

} // namespace sfc
