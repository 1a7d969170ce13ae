// One HTTP GET of a small text file, as the update check needs it: no redirects followed, a
// bounded wait, a bounded size. Any failure gives an empty body, because the caller treats a
// missing answer like an answer without news.
#pragma once

#include <chrono>
#include <string>

namespace qor {

struct THttpGetLimits {
    std::chrono::milliseconds ConnectTimeout{3000};
    std::chrono::milliseconds TotalTimeout{5000};
    size_t MaxBytes = 64 * 1024;
};

// The body of a 2xx answer to GET url; empty when the host cannot be reached, the time runs
// out, the body is larger than allowed, or the status is anything else (a redirect, an
// error). Only http and https addresses are fetched. Safe to call from any thread.
std::string HttpGetText(const std::string& url, const THttpGetLimits& limits = {});

} // namespace qor
