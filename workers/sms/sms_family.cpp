#include "workers/sms/sms_threads.h"
#include "workers/sms/sms_save.h"
#include "workers/sms/sms_protocol.h"

#include <QtGlobal>

extern const Family sms_family;
const Family sms_family = {
    ConsoleCode::sms,
    "sms",
    "SMS",
    ":/images/sms.png",
    QT_TRANSLATE_NOOP("TabGui", "SMS Rom (*.sms)"),
    {notUsedList, smsRomSizeList, notUsedList, notUsedList},
    nullptr, 0,
    sms::check_header,
    [] () -> InfoWorker * { return new smsThreadInfo; },
    [] () -> DumpWorker * { return new smsThreadDump; },
    QT_TRANSLATE_NOOP("TabGui", "SMS SRAM (*.sav)"),
    [] () -> SaveWorker * { return new smsThreadReadSave; },
    [] () -> SaveWorker * { return new smsThreadWriteSave; },
};
