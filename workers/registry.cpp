#include "workers/registry.h"

#include "workers/md/md_threads.h"

InfoWorker *make_info_worker(int console)
{
    switch (console) {
    case code(ConsoleCode::md):
        return new mdThreadInfo;
    default:
        return nullptr;
    }
}

DumpWorker *make_dump_worker(int console)
{
    switch (console) {
    case code(ConsoleCode::md):
        return new mdThreadDump;
    default:
        return nullptr;
    }
}
