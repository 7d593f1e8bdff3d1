#include "workers/sms/sms_threads.h"
#include "workers/sms/sms_protocol.h"

#include <QtGlobal>

extern const Family sms_family;
const Family sms_family = {
    ConsoleCode::sms,
    "sms",
    "SMS",
    ":/images/sms.png",
    QT_TRANSLATE_NOOP("TabGui", "SMS Rom (*.sms)"),
    {smsMapperList, smsRomSizeList, notUsedList, notUsedList},
    nullptr, 0,
    sms::check_header,
    [] () -> InfoWorker * { return new smsThreadInfo; },
    [] () -> DumpWorker * { return new smsThreadDump; },
};
