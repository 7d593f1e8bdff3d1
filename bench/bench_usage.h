// What a benchmark measures of its own process: CPU time and peak size.
#pragma once

#include <sys/resource.h>

// User and system CPU seconds of `who` (RUSAGE_SELF or RUSAGE_CHILDREN).
inline double cpu_seconds(int who = RUSAGE_SELF)
{
    rusage u{};
    getrusage(who, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The peak resident size so far, in KiB.
inline long peak_rss_kib()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}
