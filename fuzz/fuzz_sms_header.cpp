// Master System header search, product code and checksum on arbitrary ROM
// bytes, and the serial keys of arbitrary catalogue text.
#include "workers/sms/sms_protocol.h"
#include "workers/family.h"
#include "workers/verify/serials.h"
#include "workers/verify/verify.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const sms::Header h = sms::find_header(data, size);
    if (h.found && (h.offset + 16 > size || h.productCode > 99999))
        __builtin_trap();
    if (size >= sms::kCodemastersHeader + sms::kCodemastersHeaderSize)
        sms::codemasters_header(data + sms::kCodemastersHeader);
    const QByteArray image = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    verify::check_header(code(ConsoleCode::sms), image);
    const QString text = QString::fromUtf8(image);
    for (int family : {2, 15, 18, 19})
        verify::serial_keys(family, text);
    return 0;
}
