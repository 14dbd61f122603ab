#include "HostileTcpServer.h"

#include <ws2tcpip.h>

#include <chrono>

namespace {

void SendAll(SOCKET socket, const std::string& bytes)
{
    for (std::size_t sent = 0; sent < bytes.size();) {
        int n = ::send(socket, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n <= 0)
            return;
        sent += static_cast<std::size_t>(n);
    }
}

// Reads until the peer closes or the server stops.
void Drain(SOCKET socket)
{
    char buffer[4096];
    while (::recv(socket, buffer, sizeof buffer, 0) > 0) {
    }
}

SOCKET Connect(int port)
{
    SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::closesocket(s);
        return INVALID_SOCKET;
    }
    return s;
}

}

HostileTcpServer::HostileTcpServer(const Options& o) : options(o)
{
    WSADATA data;
    ::WSAStartup(MAKEWORD(2, 2), &data);
    listener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener, 16);
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
    port = ntohs(address.sin_port);
    acceptor = std::thread([this] { Accept(); });
}

HostileTcpServer::~HostileTcpServer()
{
    stopping = true;
    ::closesocket(listener);
    acceptor.join();
    {
        std::lock_guard<std::mutex> hold(lock);
        for (SOCKET s : open)
            ::shutdown(s, SD_BOTH);
    }
    for (std::thread& thread : threads)
        thread.join();
    std::lock_guard<std::mutex> hold(lock);
    for (SOCKET s : open)
        ::closesocket(s);
    ::WSACleanup();
}

void HostileTcpServer::DropConnections()
{
    std::lock_guard<std::mutex> hold(lock);
    for (SOCKET s : open)
        ::shutdown(s, SD_BOTH);
}

void HostileTcpServer::Accept()
{
    for (;;) {
        SOCKET client = ::accept(listener, nullptr, nullptr);
        if (client == INVALID_SOCKET || stopping) {
            if (client != INVALID_SOCKET)
                ::closesocket(client);
            return;
        }
        ++accepted;
        if (options.behaviour == Behaviour::CloseAtOnce) {
            ::closesocket(client);
            continue;
        }
        std::lock_guard<std::mutex> hold(lock);
        open.push_back(client);
        threads.emplace_back([this, client] { Serve(client); });
    }
}

void HostileTcpServer::Serve(SOCKET client)
{
    switch (options.behaviour) {
    case Behaviour::Garbage:
        // A web server's answer: to a Z39.50 client, bytes that decode as nothing it knows.
        SendAll(client, "HTTP/1.1 400 Bad Request\r\nContent-Type: text/html\r\nContent-Length: 60\r\n\r\n" +
                            std::string(60, '\xFF') + std::string(200, 'x'));
        break;
    case Behaviour::HugeLength: {
        // An init response (application 21, constructed) whose definite
        // length says 2 GB follow, and bytes after it until the client goes.
        SendAll(client, std::string("\x75\x84\x7F\xFF\xFF\xFF", 6));
        const std::string block(1 << 20, '\x01');
        for (int sent = 0; sent < 2048 && !stopping; ++sent)
            if (::send(client, block.data(), static_cast<int>(block.size()), 0) <= 0)
                break;
        break;
    }
    case Behaviour::Relay:
        Relay(client);
        return;
    default:
        break;
    }
    Drain(client);
}

void HostileTcpServer::Relay(SOCKET client)
{
    SOCKET upstream = Connect(options.upstreamPort);
    if (upstream == INVALID_SOCKET)
        return;
    {
        std::lock_guard<std::mutex> hold(lock);
        open.push_back(upstream);
    }
    char buffer[65536];
    for (;;) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(client, &ready);
        FD_SET(upstream, &ready);
        if (::select(0, &ready, nullptr, nullptr, nullptr) <= 0)
            return;
        const bool fromClient = FD_ISSET(client, &ready);
        SOCKET from = fromClient ? client : upstream, to = fromClient ? upstream : client;
        int n = ::recv(from, buffer, sizeof buffer, 0);
        if (n <= 0) {
            ::shutdown(to, SD_SEND);
            return;
        }
        std::string bytes(buffer, static_cast<std::size_t>(n));
        if (!fromClient && !options.from.empty()) {
            for (std::size_t at = bytes.find(options.from); at != std::string::npos; at = bytes.find(options.from, at))
                bytes.replace(at, options.from.size(), options.to);
        }
        if (options.delayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(options.delayMs));
        SendAll(to, bytes);
    }
}
