#pragma once

#include <curl/curl.h>

#include <string>

namespace zt::net {

// One libcurl easy handle with its error buffer; the library is initialised once for the process
// before the first handle exists.
class CurlHandle {
public:
    CurlHandle();
    ~CurlHandle();
    CurlHandle(const CurlHandle&) = delete;
    CurlHandle& operator=(const CurlHandle&) = delete;

    CURL* get() const { return m_curl; }

    // The detailed text of a failed transfer: libcurl's own sentence where it wrote one (it
    // names the host, the port or the server's answer), else the generic text of the code.
    std::string errorText(CURLcode code) const;

private:
    CURL* m_curl = nullptr;
    char m_error[CURL_ERROR_SIZE] = {};
};

}  // namespace zt::net
