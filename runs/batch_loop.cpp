#include "runs/batch_loop.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "runs/number_list.h"

namespace {

constexpr std::string_view kNoTime = "--";
constexpr std::string_view kNoRecordMessage = "暂无跟踪记录";

bool IsBlank(std::string_view line) {
    return RemoveAllSpaces(line).empty();
}

// One request, for the line with its full-width letters and digits made ASCII.
BatchAnswer QueryLine(const Text& line, const BatchHooks& hooks) {
    const Text number = QueriedNumber(line);
    const TrackingReply reply = QueryTrackingReply(number, hooks.type_code());
    BatchAnswer answer = MakeBatchAnswer(number, reply.message, reply.events);
    answer.state = reply.state;
    answer.failure = LastQueryFailure();
    return answer;
}

bool RunOneAfterTheOther(const TextList& lines, const BatchHooks& hooks) {
    for (const Text& line : lines) {
        if (hooks.should_stop()) {
            return false;
        }
        if (IsBlank(line)) {
            continue;
        }
        if (!hooks.take_answer(QueryLine(line, hooks))) {
            return false;
        }
    }
    return true;
}

// What the threads of a run with several jobs share, under its mutex.
struct SharedRun {
    std::mutex mutex;
    std::condition_variable answered;
    std::vector<const Text*> numbers;  // the lines to query, in order
    std::vector<std::optional<BatchAnswer>> answers;
    std::size_t next = 0;  // the index of the next line to take
    bool stopping = false;
    int running = 0;  // threads still taking lines
};

// The body of one job's thread: takes the next line until none is left or the run stops.
void TakeLines(SharedRun& run, const BatchHooks& hooks) {
    for (;;) {
        const bool stop = hooks.should_stop();
        std::size_t index = 0;
        {
            const std::lock_guard lock(run.mutex);
            run.stopping = run.stopping || stop;
            if (run.stopping || run.next == run.numbers.size()) {
                break;
            }
            index = run.next++;
        }
        BatchAnswer answer = QueryLine(*run.numbers[index], hooks);
        {
            const std::lock_guard lock(run.mutex);
            run.answers[index] = std::move(answer);
        }
        run.answered.notify_all();
    }
    {
        const std::lock_guard lock(run.mutex);
        --run.running;
    }
    run.answered.notify_all();
}

// Hands the answers on in line order as they arrive; false when the run ended early.
bool HandAnswersOn(SharedRun& run, const BatchHooks& hooks) {
    for (std::size_t index = 0; index < run.numbers.size(); ++index) {
        BatchAnswer answer;
        {
            std::unique_lock lock(run.mutex);
            run.answered.wait(lock, [&] { return run.answers[index] || run.running == 0; });
            if (!run.answers[index]) {
                return false;  // the threads stopped before this line
            }
            answer = std::move(*run.answers[index]);
            run.answers[index].reset();
        }
        if (!hooks.take_answer(answer)) {
            const std::lock_guard lock(run.mutex);
            run.stopping = true;
            return false;
        }
    }
    return true;
}

bool RunSeveralAtOnce(const TextList& lines, const BatchHooks& hooks, int jobs) {
    SharedRun run;
    for (const Text& line : lines) {
        if (!IsBlank(line)) {
            run.numbers.push_back(&line);
        }
    }
    run.answers.resize(run.numbers.size());
    const auto thread_count =
        static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(jobs), run.numbers.size()));
    std::vector<std::thread> threads;
    for (int started = 0; started < thread_count; ++started) {
        {
            const std::lock_guard lock(run.mutex);
            ++run.running;
        }
        try {
            threads.emplace_back([&run, &hooks] { TakeLines(run, hooks); });
        } catch (const std::system_error&) {
            // The system refuses more threads: the run goes on with those it has.
            const std::lock_guard lock(run.mutex);
            --run.running;
            break;
        }
    }
    if (threads.empty() && !run.numbers.empty()) {
        return RunOneAfterTheOther(lines, hooks);
    }
    const bool completed = HandAnswersOn(run, hooks);
    for (std::thread& thread : threads) {
        thread.join();
    }
    return completed;
}

}  // namespace

BatchAnswer MakeBatchAnswer(std::string_view line, std::string_view message,
                            const TrackingEventList& events) {
    BatchAnswer answer{Text(line), Text(message), std::nullopt};
    if (TextsEqual(message, kOkMessage) && !events.empty()) {
        answer.latest = events.back();
    }
    return answer;
}

RowCells BatchRowCells(const BatchAnswer& answer) {
    if (!TextsEqual(answer.message, kOkMessage)) {
        return {answer.line, Text(kNoTime), answer.message};
    }
    if (!answer.latest) {
        return {answer.line, Text(kNoTime), Text(kNoRecordMessage)};
    }
    return {answer.latest->number, answer.latest->time, answer.latest->context};
}

bool RunBatchLoop(const TextList& lines, const BatchHooks& hooks, int jobs) {
    if (jobs <= 1) {
        return RunOneAfterTheOther(lines, hooks);
    }
    return RunSeveralAtOnce(lines, hooks, std::min(jobs, kMostBatchJobs));
}
