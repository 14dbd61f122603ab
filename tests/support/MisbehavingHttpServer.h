#pragma once
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <winsock2.h>

// A loopback HTTP server that answers badly on purpose, chosen by the first
// segment of the path (the rest is the client's own):
//   /trickle/...  a 200 whose body comes one byte every half second, for 30 s
//   /hops/N/...   a 302 to /hops/N-1/..., and at 0 a 200 page "arrived"
//   /garbage/...  bytes that are no HTTP answer, then the connection closed
//   /close/...    the connection closed without an answer
class MisbehavingHttpServer {
public:
    MisbehavingHttpServer();
    ~MisbehavingHttpServer();
    MisbehavingHttpServer(const MisbehavingHttpServer&) = delete;
    MisbehavingHttpServer& operator=(const MisbehavingHttpServer&) = delete;

    // "http://127.0.0.1:PORT"
    std::string Base() const;
    // Requests seen whose path holds text.
    int RequestCount(const std::string& text) const;

private:
    void Accept();
    void Serve(SOCKET client);
    void Trickle(SOCKET client);

    SOCKET listener = INVALID_SOCKET;
    int port = 0;
    HANDLE stop = nullptr;
    std::thread acceptor;
    std::vector<std::thread> connections;
    mutable std::mutex mutex;
    std::vector<std::string> paths;
};
