// What a log line reports, so that a front end can mark it without reading
// its words (which a translation changes).
#pragma once

enum class LogTone : int {
    Progress = 0,   // a step or a fact found on the way
    Good,           // a good outcome: saved, verified, checksum right
    Warning,        // the run goes on or ends, but something is doubtful
    Failure,        // the run cannot do what was asked
};
