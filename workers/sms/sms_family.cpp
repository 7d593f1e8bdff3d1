#include "workers/sms/sms_protocol.h"
#include "workers/sms/sms_save.h"
#include "workers/sms/sms_threads.h"

#include <QRegularExpression>
#include <QtGlobal>

namespace {

// "27054-50": the product code as a plain number; the suffix is the region
// variant, as on the Mega Drive.
QString serial_key(const QString &token)
{
    static const QRegularExpression number(QStringLiteral("^(\\d{1,5})(-\\d\\d)?$"));
    const QRegularExpressionMatch m = number.match(token);
    return m.hasMatch() ? QString::number(m.captured(1).toInt()) : QString();
}

} // namespace

extern const Family sms_family;
const Family sms_family = {
    ConsoleCode::sms,
    "sms",
    "SMS",
    ":/images/sms.png",
    QT_TRANSLATE_NOOP("TabGui", "SMS Rom (*.sms)"),
    {smsMapperList, smsRomSizeList, notUsedList, notUsedList},
    nullptr,  // mapper caption
    true,  // mapping from option: a bare image does not say its board (Codemasters)
    nullptr, 0,  // mapper limits
    sms::check_header,
    serial_key,  // serial key
    [] () -> InfoWorker * { return new smsThreadInfo; },
    [] () -> DumpWorker * { return new smsThreadDump; },
    QT_TRANSLATE_NOOP("TabGui", "SMS SRAM (*.sav)"),
    [] () -> SaveWorker * { return new smsThreadReadSave; },
    [] () -> SaveWorker * { return new smsThreadWriteSave; },
};
