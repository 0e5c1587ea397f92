#include "shares.h"

#include <QFuture>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

std::vector<size_t> InShares(
    size_t count, size_t minimumShare, const std::function<void(size_t, size_t)> &work)
{
    const size_t threads = std::clamp<size_t>(count / std::max<size_t>(minimumShare, 1), 1,
        size_t(std::max(1, QThread::idealThreadCount())));
    const size_t share = (count + threads - 1) / threads;
    std::vector<size_t> starts;
    for (size_t from = 0; from < count || starts.empty(); from += std::max<size_t>(share, 1))
        starts.push_back(from);
    // The other shares use what the caller owns: they are waited for even
    // when this thread's share throws.
    struct Others
    {
        std::vector<QFuture<void>> futures;
        ~Others()
        {
            for (QFuture<void> &future : futures) {
                try {
                    future.waitForFinished();
                } catch (...) { }
            }
        }
    } others;
    for (size_t i = 1; i < starts.size(); ++i)
        others.futures.push_back(
            QtConcurrent::run(work, starts[i], std::min(count, starts[i] + share)));
    work(0, std::min(count, share));
    for (QFuture<void> &future : others.futures)
        future.waitForFinished();
    return starts;
}
