#include "netleague/http_transfer.h"

#include <memory>
#include <string>

#include "league/error.h"
#include "league/file_stream.h"
#include "netleague/curl_handle.h"

namespace zt {

namespace {

// Where the body goes: a file or a bounded text. Returns false when the bytes cannot be taken.
class BodySink {
public:
    virtual ~BodySink() = default;
    virtual bool take(const char* data, std::size_t size) = 0;
};

struct TransferState {
    net::CurlHandle* handle = nullptr;
    TransferObserver* observer = nullptr;
    BodySink* sink = nullptr;
    TransferResult result;
    bool started = false;
    bool cancelled = false;
};

// Each header block ends with an empty line; the final block of a successful answer starts the
// transfer (redirect answers before it only lead elsewhere).
std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto& state = *static_cast<TransferState*>(user);
    const std::size_t bytes = size * count;
    const bool blank = bytes <= 2 && (bytes == 0 || data[0] == '\r' || data[0] == '\n');
    if (blank && !state.started) {
        long status = 0;
        curl_easy_getinfo(state.handle->get(), CURLINFO_RESPONSE_CODE, &status);
        if (status >= 200 && status < 300) {
            curl_off_t length = -1;
            curl_easy_getinfo(state.handle->get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
            state.started = true;
            state.result.expected = length;
            state.observer->started(length);
        }
    }
    return bytes;
}

std::size_t onBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& state = *static_cast<TransferState*>(user);
    const std::size_t bytes = size * count;
    if (!state.sink->take(data, bytes)) {
        return 0;  // libcurl ends the transfer with a write error
    }
    state.result.received += static_cast<std::int64_t>(bytes);
    state.observer->received(state.result.received);
    return bytes;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto& state = *static_cast<TransferState*>(user);
    if (state.observer->cancelRequested()) {
        state.cancelled = true;
        return 1;
    }
    return 0;
}

TransferResult runGet(const std::string& url, TransferObserver& observer, BodySink& sink) {
    net::CurlHandle handle;
    CURL* curl = handle.get();
    TransferState state{&handle, &observer, &sink, {}, false, false};
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    // A server that stops sending for two minutes has gone: the transfer ends with an error.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 120L);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &onHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &state);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &onBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &state);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &state);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "ztedit/1.05");

    const CURLcode code = curl_easy_perform(curl);
    if (state.cancelled || code == CURLE_ABORTED_BY_CALLBACK) {
        throw TransferError(kTransferCancelledMessage, true);
    }
    if (code != CURLE_OK) {
        throw TransferError(handle.errorText(code), false);
    }
    if (state.result.expected >= 0 && state.result.received != state.result.expected) {
        throw TransferError("The transfer ended after " + std::to_string(state.result.received) + " of " +
                                std::to_string(state.result.expected) + " bytes",
                            false);
    }
    if (!state.started) {
        // An empty answer without headers worth the name still counts as an empty body.
        observer.started(state.result.expected);
    }
    return state.result;
}

// The body goes to a temporary beside the file and replaces it only when complete, so a broken
// or cancelled transfer leaves the file as it was.
class FileSink final : public BodySink {
public:
    explicit FileSink(const std::filesystem::path& file) : m_file(file) {}

    bool take(const char* data, std::size_t size) override {
        try {
            m_file.write(data, size);
            return true;
        } catch (const Error& error) {
            m_failure = error.what();
            return false;
        }
    }

    // Puts the file in place; a failure of the writes or of the flush names the file.
    void close() {
        throwIfFailed();
        m_file.commit();
    }

    void throwIfFailed() const {
        if (!m_failure.empty()) {
            throw Error(m_failure);
        }
    }

private:
    StreamedFile m_file;
    std::string m_failure;
};

class TextSink final : public BodySink {
public:
    explicit TextSink(std::size_t maxBytes) : m_maxBytes(maxBytes) {}
    bool take(const char* data, std::size_t size) override {
        if (m_text.size() + size > m_maxBytes) {
            m_tooLong = true;
            return false;
        }
        m_text.append(data, size);
        return true;
    }
    std::string m_text;
    std::size_t m_maxBytes;
    bool m_tooLong = false;
};

}  // namespace

TransferResult httpGetToFile(const std::string& url, const std::filesystem::path& file, TransferObserver& observer) {
    FileSink sink(file);
    TransferResult result;
    try {
        result = runGet(url, observer, sink);
    } catch (const TransferError&) {
        sink.throwIfFailed();  // a full disk says so rather than "failed writing received data"
        throw;
    }
    sink.close();
    return result;
}

std::string httpGetText(const std::string& url, TransferObserver& observer, std::size_t maxBytes) {
    TextSink sink(maxBytes);
    try {
        runGet(url, observer, sink);
    } catch (const TransferError&) {
        if (sink.m_tooLong) {
            throw TransferError("The answer of " + url + " is longer than " + std::to_string(maxBytes) + " bytes",
                                false);
        }
        throw;
    }
    return std::move(sink.m_text);
}

}  // namespace zt
