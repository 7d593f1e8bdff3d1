// Mega Drive header decoding and checksum on arbitrary ROM bytes.
#include "workers/md/md_protocol.h"
#include "workers/family.h"
#include "workers/verify/serials.h"
#include "workers/verify/verify.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const md::Header h = md::decode_header(data, size);
    const std::string code = md::serial_code(h.serial);
    if (h.valid && h.declaredSize() && (h.declaredSize() < 0x200 || h.romEnd + 1 != h.declaredSize()))
        __builtin_trap();
    verify::serial_keys(::code(ConsoleCode::md), QString::fromLatin1(code.data(), int(code.size())));
    const QByteArray image = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    verify::check_header(::code(ConsoleCode::md), image);
    return 0;
}
