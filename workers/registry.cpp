#include "workers/registry.h"

// One line per family: its descriptor lives in its own folder.
extern const Family md_family, sms_family, msx_family, sfc_family, gbc_family, gba_family;

const std::vector<const Family *> &families()
{
    static const std::vector<const Family *> all{&md_family, &sms_family, &msx_family,
                                                 &sfc_family, &gbc_family, &gba_family};
    return all;
}

const Family *find_family(int code)
{
    for (const Family *f : families())
        if (f->code() == code)
            return f;
    return nullptr;
}

const Family *find_family_named(const QString &name)
{
    const QString n = name.trimmed().toLower();
    for (const Family *f : families())
        if (n == QLatin1String(f->name))
            return f;
    return nullptr;
}

InfoWorker *make_info_worker(int code)
{
    const Family *f = find_family(code);
    return f ? f->makeInfo() : nullptr;
}

DumpWorker *make_dump_worker(int code)
{
    const Family *f = find_family(code);
    return f ? f->makeDump() : nullptr;
}

SaveWorker *make_save_worker(int code, bool write)
{
    const Family *f = find_family(code);
    return f ? (write ? f->makeWriteSave() : f->makeReadSave()) : nullptr;
}
