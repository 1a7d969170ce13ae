#include "LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace qortest {

TLoopbackHttpServer::TLoopbackHttpServer(std::string response, bool silent)
    : FResponse(std::move(response)), FSilent(silent)
{
    FListener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t size = sizeof addr;
    if (FListener < 0 || bind(FListener, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        listen(FListener, 8) != 0 ||
        getsockname(FListener, reinterpret_cast<sockaddr*>(&addr), &size) != 0)
        throw std::runtime_error("loopback server: cannot listen");
    FPort = ntohs(addr.sin_port);
    FThread = std::thread([this] { Serve(); });
}

TLoopbackHttpServer::~TLoopbackHttpServer()
{
    FStopping = true;
    FThread.join();
    close(FListener);
}

std::string TLoopbackHttpServer::Address() const
{
    return "http://127.0.0.1:" + std::to_string(FPort);
}

std::vector<std::string> TLoopbackHttpServer::RequestLines() const
{
    std::lock_guard guard(FLock);
    return FRequestLines;
}

std::string TLoopbackHttpServer::Response(const std::string& status, const std::string& body,
                                          const std::string& extraHeaders)
{
    return "HTTP/1.1 " + status +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body;
}

void TLoopbackHttpServer::Serve()
{
    std::vector<int> held; // a silent server keeps its connections open until it stops
    while (!FStopping) {
        pollfd listener{FListener, POLLIN, 0};
        if (poll(&listener, 1, 50) <= 0) continue;
        int client = accept(FListener, nullptr, nullptr);
        if (client < 0) continue;
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos) {
            pollfd in{client, POLLIN, 0};
            if (poll(&in, 1, 2000) <= 0) break;
            ssize_t got = recv(client, buffer, sizeof buffer, 0);
            if (got <= 0) break;
            request.append(buffer, static_cast<size_t>(got));
        }
        {
            std::lock_guard guard(FLock);
            FRequestLines.push_back(request.substr(0, request.find("\r\n")));
        }
        if (FSilent) {
            held.push_back(client);
            continue;
        }
        send(client, FResponse.data(), FResponse.size(), MSG_NOSIGNAL);
        close(client);
    }
    for (int client : held)
        close(client);
}

} // namespace qortest
