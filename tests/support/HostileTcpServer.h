#pragma once
#include <winsock2.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A TCP server on a free loopback port that answers as a broken or hostile
// Z39.50 server would, or relays to a real one, slowed or with its answer
// altered. Every connection is served on its own thread until the server
// goes.
class HostileTcpServer {
public:
    enum class Behaviour {
        Garbage,      // bytes that are no BER, then silence
        Silence,      // reads, never answers
        CloseAtOnce,  // closes each connection as soon as it comes
        HugeLength,   // an answer that announces 2 GB, then nothing more
        Relay,        // to upstream: answers from it have `from` replaced by `to`, after delayMs each way
    };
    struct Options {
        Behaviour behaviour = Behaviour::Silence;
        int upstreamPort = 0;
        std::string from, to;  // the same length, so the BER stays sound
        int delayMs = 0;
    };

    explicit HostileTcpServer(const Options& options);
    ~HostileTcpServer();
    HostileTcpServer(const HostileTcpServer&) = delete;
    HostileTcpServer& operator=(const HostileTcpServer&) = delete;

    int Port() const { return port; }
    // Connections accepted so far.
    int Connections() const { return accepted; }
    // Closes every connection, as a server that drops idle clients does.
    void DropConnections();

private:
    void Accept();
    void Serve(SOCKET client);
    void Relay(SOCKET client);

    const Options options;
    SOCKET listener = INVALID_SOCKET;
    int port = 0;
    std::atomic<int> accepted{0};
    std::atomic<bool> stopping{false};
    std::mutex lock;
    std::vector<SOCKET> open;
    std::vector<std::thread> threads;
    std::thread acceptor;
};
