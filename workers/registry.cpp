#include "workers/registry.h"

#include "workers/gba/gba_threads.h"
#include "workers/gbc/gbc_threads.h"
#include "workers/md/md_threads.h"
#include "workers/msx/msx_threads.h"
#include "workers/sfc/sfc_threads.h"
#include "workers/sms/sms_threads.h"

InfoWorker *make_info_worker(int console)
{
    switch (console) {
    case code(ConsoleCode::md):
        return new mdThreadInfo;
    case code(ConsoleCode::sms):
        return new smsThreadInfo;
    case code(ConsoleCode::msx):
        return new msxThreadInfo;
    case code(ConsoleCode::sfc):
        return new sfcThreadInfo;
    case code(ConsoleCode::gbc):
        return new gbcThreadInfo;
    case code(ConsoleCode::gba):
        return new gbaThreadInfo;
    default:
        return nullptr;
    }
}

DumpWorker *make_dump_worker(int console)
{
    switch (console) {
    case code(ConsoleCode::md):
        return new mdThreadDump;
    case code(ConsoleCode::sms):
        return new smsThreadDump;
    case code(ConsoleCode::msx):
        return new msxThreadDump;
    case code(ConsoleCode::sfc):
        return new sfcThreadDump;
    case code(ConsoleCode::gbc):
        return new gbcThreadDump;
    case code(ConsoleCode::gba):
        return new gbaThreadDump;
    default:
        return nullptr;
    }
}
