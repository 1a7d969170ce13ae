// A small HTTP server on the loopback address for the update check's tests: it answers every
// request with one canned response (or, as a dead server, never answers) and records the
// request lines it got. No test reaches any other address.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qortest {

class TLoopbackHttpServer {
public:
    // response: the raw bytes sent back; silent: accept connections but never answer.
    explicit TLoopbackHttpServer(std::string response, bool silent = false);
    ~TLoopbackHttpServer();

    // "http://127.0.0.1:PORT"
    std::string Address() const;
    std::vector<std::string> RequestLines() const;

    // A complete response with the status line and body given.
    static std::string Response(const std::string& status, const std::string& body,
                                const std::string& extraHeaders = {});

private:
    void Serve();

    std::string FResponse;
    bool FSilent;
    int FListener = -1;
    int FPort = 0;
    std::atomic<bool> FStopping{false};
    mutable std::mutex FLock;
    std::vector<std::string> FRequestLines;
    std::thread FThread;
};

} // namespace qortest
