// The six families and their worker classes, for the front ends.
#pragma once

#include <QString>

class InfoWorker;
class DumpWorker;

// Scoped, since the family namespaces carry the same names.
enum class ConsoleCode : int {
    md = 19,
    sms = 18,
    msx = 21,
    sfc = 15,
    gbc = 2,
    gba = 3,
};

constexpr int code(ConsoleCode c) { return static_cast<int>(c); }

// A new Info or Dump worker of the family with that console code, without
// parent; null for a code that names no family.
InfoWorker *make_info_worker(int code);
DumpWorker *make_dump_worker(int code);
