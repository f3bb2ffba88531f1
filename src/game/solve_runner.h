// The Slider solver on a thread of its own, so that a search never holds up the window: one search
// at a time, a new request cancelling the one before, and each answer handed back with the number
// of the request it answers, for the game to drop answers it no longer wants.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

#include "game/slider_solver.h"

namespace quiltra {

class SolveRunner {
public:
    // Called on the search thread when a search ends uncancelled, with its request number and its
    // solution; the owner hands it on to its own thread.
    using Answer = std::function<void(std::uint64_t request, SliderSolution solution)>;

    explicit SolveRunner(Answer answer);
    // Cancels any search and waits for the thread, which a cancelled search leaves within a few
    // thousand positions (or table entries) searched.
    ~SolveRunner();
    SolveRunner(const SolveRunner&) = delete;
    SolveRunner& operator=(const SolveRunner&) = delete;

    // Starts a search of `position` and returns its request number (never 0). A search still
    // queued or running is cancelled first. The thread is started with the first search.
    std::uint64_t start(SliderPosition position, SolveExtent extent);
    // Cancels the search queued or running, if any: no answer comes for it. Never waits.
    void cancel();
    // A search is queued or running.
    bool busy() const;

    // The pattern tables are forgotten; their memory goes once no search uses them.
    void releaseTables() { tables_.release(); }
    std::size_t tableBytes() const { return tables_.bytes(); }

private:
    struct Request {
        std::uint64_t number = 0;
        SliderPosition position;
        SolveExtent extent = SolveExtent::Whole;
    };
    void run(std::stop_token threadStop);

    Answer answer_;
    SliderTables tables_;
    mutable std::mutex mutex_;
    std::condition_variable_any wake_;
    std::optional<Request> queued_;
    std::stop_source current_;   // stops the running search
    std::uint64_t latest_ = 0;
    bool running_ = false;
    std::jthread thread_;        // last, so that it stops before the rest goes
};

} // namespace quiltra
