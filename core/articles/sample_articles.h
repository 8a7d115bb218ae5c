#pragma once

#include "core/articles/article.h"

#include <cstdint>

namespace morvane::articles {

// Realistic article lists for benchmarks, tests and demonstrations: names
// with umlauts, multi-line article numbers, EAN-13 barcodes, prices,
// quantities and categories. The same seed gives the same list.
ArticleList generateSampleArticles(int count, std::uint64_t seed);

}  // namespace morvane::articles
