#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace zt::test {

// A test peer on 127.0.0.1 (loopback_servers.py): an HTTP server over a folder, or an SMTP server
// that writes each message it receives into a folder. It is started on a free port and ended,
// with its process reaped, when this object goes; it also ends by itself if the test dies.
class LoopbackServer {
public:
    enum class Kind { Http, Smtp };

    // Throws std::runtime_error when the server does not announce its port within 30 seconds.
    LoopbackServer(Kind kind, const std::filesystem::path& folder);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int port() const { return m_port; }
    // "127.0.0.1:PORT", and for HTTP "http://127.0.0.1:PORT" + path.
    std::string hostPort() const;
    std::string url(const std::string& path) const;

    // Ends the server now (a refused connection afterwards is what a test may want).
    void stop();

private:
    pid_t m_pid = -1;
    int m_stdin = -1;
    int m_port = 0;
};

// Waits up to `seconds` for `path` to exist (a message the SMTP server writes once complete).
bool waitForPath(const std::filesystem::path& path, double seconds = 30);

}  // namespace zt::test
