#include "MisbehavingHttpServer.h"

#include <ws2tcpip.h>

namespace {

const DWORD kTrickleStepMs = 500;
const int kTrickleSteps = 60;

void SendAll(SOCKET s, const std::string& bytes)
{
    ::send(s, bytes.data(), static_cast<int>(bytes.size()), 0);
}

// The request's path, or empty when the request never came whole.
std::string ReadRequestPath(SOCKET s)
{
    std::string request;
    char chunk[1024];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384) {
        int got = ::recv(s, chunk, sizeof(chunk), 0);
        if (got <= 0)
            return std::string();
        request.append(chunk, got);
    }
    std::size_t start = request.find(' ');
    std::size_t end = request.find(' ', start + 1);
    return start == std::string::npos || end == std::string::npos ? std::string()
                                                                  : request.substr(start + 1, end - start - 1);
}

// Deterministic noise with line breaks in it, never starting like "HTTP/".
std::string Garbage()
{
    std::string bytes = "\x9c\x01";
    unsigned seed = 26;
    for (int i = 0; i < 3000; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes += i % 97 == 96 ? '\n' : static_cast<char>(seed >> 16);
    }
    return bytes;
}

std::string Answer(const std::string& statusLine, const std::string& headers, const std::string& body)
{
    return "HTTP/1.1 " + statusLine + "\r\n" + headers + "Content-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

// /hops/N/rest: 302 to /hops/N-1/rest, and at 0 the page.
std::string Hop(const std::string& path)
{
    std::size_t numberAt = std::string("/hops/").size();
    std::size_t slash = path.find('/', numberAt);
    long hops = std::strtol(path.substr(numberAt, slash - numberAt).c_str(), nullptr, 10);
    if (hops <= 0)
        return Answer("200 OK", "Content-Type: text/html\r\n", "arrived\n");
    std::string rest = slash == std::string::npos ? std::string("/") : path.substr(slash);
    return Answer("302 Found", "Location: /hops/" + std::to_string(hops - 1) + rest + "\r\n", std::string());
}

}

MisbehavingHttpServer::MisbehavingHttpServer()
{
    WSADATA data;
    ::WSAStartup(MAKEWORD(2, 2), &data);
    stop = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    listener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof(address);
    ::bind(listener, reinterpret_cast<sockaddr*>(&address), length);
    ::listen(listener, SOMAXCONN);
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    acceptor = std::thread([this] { Accept(); });
}

MisbehavingHttpServer::~MisbehavingHttpServer()
{
    ::SetEvent(stop);
    ::closesocket(listener);
    acceptor.join();
    for (std::thread& connection : connections)
        connection.join();
    ::CloseHandle(stop);
    ::WSACleanup();
}

std::string MisbehavingHttpServer::Base() const
{
    return "http://127.0.0.1:" + std::to_string(port);
}

int MisbehavingHttpServer::RequestCount(const std::string& text) const
{
    std::lock_guard<std::mutex> hold(mutex);
    int count = 0;
    for (const std::string& path : paths)
        count += path.find(text) != std::string::npos ? 1 : 0;
    return count;
}

void MisbehavingHttpServer::Accept()
{
    for (;;) {
        SOCKET client = ::accept(listener, nullptr, nullptr);
        if (client == INVALID_SOCKET)
            return;
        connections.emplace_back([this, client] {
            Serve(client);
            ::closesocket(client);
        });
    }
}

void MisbehavingHttpServer::Serve(SOCKET client)
{
    std::string path = ReadRequestPath(client);
    {
        std::lock_guard<std::mutex> hold(mutex);
        paths.push_back(path);
    }
    if (path.rfind("/trickle/", 0) == 0)
        Trickle(client);
    else if (path.rfind("/hops/", 0) == 0)
        SendAll(client, Hop(path));
    else if (path.rfind("/garbage/", 0) == 0)
        SendAll(client, Garbage());
    // /close/ and anything else: closed without a word.
}

void MisbehavingHttpServer::Trickle(SOCKET client)
{
    SendAll(client, "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n");
    for (int step = 0; step < kTrickleSteps && ::WaitForSingleObject(stop, kTrickleStepMs) == WAIT_TIMEOUT; ++step)
        if (::send(client, ".", 1, 0) != 1)
            return;
}
