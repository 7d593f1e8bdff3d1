// Holds a read of the simulated reader until the test lets it go, so that
// a click can land while a run is mid-way.
#pragma once

#include "simulator/simulated_reader.h"

#include <QSemaphore>
#include <atomic>
#include <cstdint>

struct Gate {
    QSemaphore reached, go;
    std::atomic<bool> passed{false};
    // Holds the first read at `offset`, or the first read of all when -1.
    void install(sim::SimulatedReader &reader, int64_t offset = -1)
    {
        reader.set_read_hook([this, offset](const sim::Event &e) {
            if ((offset < 0 || e.offset == uint64_t(offset)) && !passed.exchange(true)) {
                reached.release();
                go.acquire();
            }
        });
    }
};
