#include "app/platform/HttpGet.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace qor {

namespace {

struct TBody {
    std::string Text;
    size_t MaxBytes;
};

size_t AppendBody(char* data, size_t size, size_t count, void* userData)
{
    auto* body = static_cast<TBody*>(userData);
    size_t bytes = size * count;
    if (body->Text.size() + bytes > body->MaxBytes) return 0; // aborts the transfer
    body->Text.append(data, bytes);
    return bytes;
}

void InitCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

} // namespace

std::string HttpGetText(const std::string& url, const THttpGetLimits& limits)
{
    InitCurlOnce();
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) return {};
    TBody body{{}, limits.MaxBytes};
    CURL* h = curl.get();
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L); // time-outs must not raise signals in a thread
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(limits.ConnectTimeout.count()));
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.TotalTimeout.count()));
    // The headers the version file has always been asked with; an empty cookie file turns
    // the cookie engine on.
    curl_easy_setopt(h, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
    curl_easy_setopt(h, CURLOPT_COOKIEFILE, "");
    curl_slist* headers = curl_slist_append(nullptr, "Accept: text/html, */*");
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headerList(headers,
                                                                           curl_slist_free_all);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, AppendBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &body);

    if (curl_easy_perform(h) != CURLE_OK) return {};
    long status = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
    return status >= 200 && status < 300 ? body.Text : std::string();
}

} // namespace qor
