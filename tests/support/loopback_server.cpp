#include "loopback_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

extern char** environ;

namespace zt::test {

namespace {

constexpr char kScript[] = ZT_TEST_SUPPORT_DIR "/loopback_servers.py";

// Reads the first line of `fd` within the deadline; empty when none came.
std::string readLine(int fd, std::chrono::steady_clock::time_point deadline) {
    std::string line;
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd waiting{fd, POLLIN, 0};
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (poll(&waiting, 1, static_cast<int>(std::max<long long>(left.count(), 1))) <= 0) {
            continue;
        }
        char c = 0;
        if (read(fd, &c, 1) != 1) {
            break;
        }
        if (c == '\n') {
            return line;
        }
        line += c;
    }
    return {};
}

}  // namespace

LoopbackServer::LoopbackServer(Kind kind, const std::filesystem::path& folder) {
    int input[2];
    int output[2];
    if (pipe2(input, O_CLOEXEC) != 0 || pipe2(output, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot create pipes for the test server");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    std::vector<std::string> words = {
        "/usr/bin/python3", kScript, kind == Kind::Http ? "http" : "smtp", folder.string(), "--lifetime", "300"};
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const int spawned = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(output[1]);
    m_stdin = input[1];
    if (spawned != 0) {
        close(output[0]);
        close(m_stdin);
        m_pid = -1;
        throw std::runtime_error("cannot start the test server");
    }
    const std::string line = readLine(output[0], std::chrono::steady_clock::now() + std::chrono::seconds(30));
    close(output[0]);
    try {
        m_port = std::stoi(line);
    } catch (const std::exception&) {
        stop();
        throw std::runtime_error("the test server did not announce its port");
    }
}

LoopbackServer::~LoopbackServer() {
    stop();
}

std::string LoopbackServer::hostPort() const {
    return "127.0.0.1:" + std::to_string(m_port);
}

std::string LoopbackServer::url(const std::string& path) const {
    return "http://" + hostPort() + path;
}

void LoopbackServer::stop() {
    if (m_stdin >= 0) {
        close(m_stdin);
        m_stdin = -1;
    }
    if (m_pid <= 0) {
        return;
    }
    kill(m_pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
            m_pid = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

bool waitForPath(const std::filesystem::path& path, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (std::filesystem::exists(path)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::filesystem::exists(path);
}

}  // namespace zt::test
