// The families the program knows, in button order.
#pragma once

#include "workers/family.h"

#include <QString>
#include <vector>

// Every family's descriptor, in the order the console buttons show them.
const std::vector<const Family *> &families();

// The family with that console code, or null.
const Family *find_family(int code);
// The family the headless program names `name` ("md", "gb" …), or null.
const Family *find_family_named(const QString &name);

// A new Info or Dump worker of the family with that console code, without
// parent; null for a code that names no family.
InfoWorker *make_info_worker(int code);
DumpWorker *make_dump_worker(int code);
// A new worker that reads or writes the save memory of the family's
// cartridge, without parent; null for a code that names no family.
SaveWorker *make_save_worker(int code, bool write);
