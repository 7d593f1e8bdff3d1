// How a dump run ended, said the same way by both front ends.
#pragma once

#include "workers/log_tone.h"

enum class DumpOutcome : int {
    Verified = 0,   // saved, and the catalogue knows the image
    Consistent,     // saved; not in the catalogue, but every check agrees
    Suspect,        // saved, but a check speaks against it
    Failed,         // nothing saved
    Canceled,       // nothing saved, as the user asked
};

inline bool outcome_saved(DumpOutcome o)
{
    return o == DumpOutcome::Verified || o == DumpOutcome::Consistent || o == DumpOutcome::Suspect;
}

// The tone a front end shows the outcome in: a suspect image is never good.
inline LogTone outcome_tone(DumpOutcome o)
{
    switch (o) {
    case DumpOutcome::Verified:
    case DumpOutcome::Consistent:
        return LogTone::Good;
    case DumpOutcome::Suspect:
    case DumpOutcome::Canceled:
        return LogTone::Warning;
    case DumpOutcome::Failed:
        break;
    }
    return LogTone::Failure;
}
