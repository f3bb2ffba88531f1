// The search thread: waits for a request, searches with a stop token of the request's own, and
// answers unless the request was cancelled meanwhile.
#include "game/solve_runner.h"

#include <utility>

namespace quiltra {

SolveRunner::SolveRunner(Answer answer) : answer_(std::move(answer)) {}

SolveRunner::~SolveRunner()
{
    cancel();
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
}

std::uint64_t SolveRunner::start(SliderPosition position, SolveExtent extent)
{
    std::lock_guard lock(mutex_);
    current_.request_stop();
    queued_ = Request{++latest_, std::move(position), extent};
    if (!thread_.joinable())
        thread_ = std::jthread([this](std::stop_token stop) { run(stop); });
    wake_.notify_one();
    return latest_;
}

void SolveRunner::cancel()
{
    std::lock_guard lock(mutex_);
    queued_.reset();
    current_.request_stop();
}

bool SolveRunner::busy() const
{
    std::lock_guard lock(mutex_);
    return queued_.has_value() || running_;
}

void SolveRunner::run(std::stop_token threadStop)
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, threadStop, [this] { return queued_.has_value(); });
        if (threadStop.stop_requested())
            return;
        Request request = std::move(*queued_);
        queued_.reset();
        current_ = std::stop_source();
        std::stop_source search = current_;
        running_ = true;
        lock.unlock();

        SliderSolution solution;
        {
            // The thread's own stop (the runner going) stops the search too.
            std::stop_callback going(threadStop, [search]() mutable { search.request_stop(); });
            solution = solveSlider(request.position, tables_, search.get_token(), request.extent);
        }
        const bool answered = !search.stop_requested() && solution.outcome != SolveOutcome::Cancelled;
        if (answered && answer_)
            answer_(request.number, std::move(solution));

        lock.lock();
        running_ = false;
    }
}

} // namespace quiltra
