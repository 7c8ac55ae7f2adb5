#include "netleague/curl_handle.h"

#include <mutex>

#include "league/error.h"

namespace zt::net {

namespace {

void initialiseOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
            throw Error("The network library could not be initialised");
        }
    });
}

}  // namespace

CurlHandle::CurlHandle() {
    initialiseOnce();
    m_curl = curl_easy_init();
    if (m_curl == nullptr) {
        throw Error("The network library could not start a transfer");
    }
    curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_error);
    // Transfers run on a worker thread: no signals may be used for name-lookup timeouts.
    curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT, 30L);
}

CurlHandle::~CurlHandle() {
    curl_easy_cleanup(m_curl);
}

std::string CurlHandle::errorText(CURLcode code) const {
    std::string text = m_error[0] != '\0' ? std::string(m_error) : std::string(curl_easy_strerror(code));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

}  // namespace zt::net
