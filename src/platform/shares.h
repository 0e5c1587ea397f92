#pragma once

#include <cstddef>
#include <functional>
#include <vector>

// Runs work(from, to) over [0, count) in contiguous shares of at least
// minimumShare items, one for each thread of the pool and one on the calling
// thread, and returns when all are done, with the shares' starts in order.
std::vector<size_t> InShares(
    size_t count, size_t minimumShare, const std::function<void(size_t from, size_t to)> &work);
