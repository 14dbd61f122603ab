// quillfind-server: local stand-in for the web services the lookup scrapes.
//
//   quillfind-server --port N --data DIR [--host 127.0.0.1] [--cover-base URL]
//                    [--latency MS] [--latency-max MS]
//
// Prints "port N" once it listens (N is the real port, also for --port 0),
// then serves until SIGTERM or SIGINT and exits with status 0.

#include "catalogue.h"
#include "catalogue_server.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <pthread.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

struct Options {
    std::string host = "127.0.0.1";
    int port = -1;
    std::string data;
    std::string coverBase;
    int latencyMs = 0;
    int latencyMaxMs = -1;
};

[[noreturn]] void usage(const std::string &problem) {
    std::cerr << "quillfind-server: " << problem << "\n"
              << "usage: quillfind-server --port N --data DIR [--host 127.0.0.1] [--cover-base URL]\n"
              << "       [--latency MS] [--latency-max MS]\n";
    std::exit(2);
}

constexpr int kLatencyCapMs = 60000;

int latencyValue(const std::string &value) {
    if (value.empty() || value.size() > 5 || value.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(value) > kLatencyCapMs)
        usage("bad latency " + value + " (0 to 60000 ms)");
    return std::stoi(value);
}

Options parseOptions(int argc, char **argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) usage("missing value after " + arg);
        const std::string value = argv[++i];
        if (arg == "--port") {
            if (value.empty() || value.size() > 5 || value.find_first_not_of("0123456789") != std::string::npos ||
                std::stoi(value) > 65535)
                usage("bad port " + value);
            o.port = std::stoi(value);
        } else if (arg == "--data") {
            o.data = value;
        } else if (arg == "--host") {
            o.host = value;
        } else if (arg == "--cover-base") {
            o.coverBase = value;
        } else if (arg == "--latency") {
            o.latencyMs = latencyValue(value);
        } else if (arg == "--latency-max") {
            o.latencyMaxMs = latencyValue(value);
        } else {
            usage("unknown option " + arg);
        }
    }
    if (o.port < 0) usage("--port is required");
    if (o.data.empty()) usage("--data is required");
    if (o.latencyMaxMs >= 0 && o.latencyMaxMs < o.latencyMs) usage("--latency-max is below --latency");
    return o;
}

std::atomic<bool> g_finished{false};

} // namespace

int main(int argc, char **argv) {
    // Signals go to one waiting thread instead of interrupting the workers,
    // which inherit this mask. Blocked first thing, so that an early
    // stop request is not lost.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    const Options options = parseOptions(argc, argv);

    std::unique_ptr<CatalogueServer> server;
    try {
        server = std::make_unique<CatalogueServer>(Catalogue::load(options.data + "/catalogue.txt"), options.data);
    } catch (const std::exception &e) {
        std::cerr << "quillfind-server: " << e.what() << "\n";
        return 1;
    }

    server->setLatency(options.latencyMs, options.latencyMaxMs < 0 ? options.latencyMs : options.latencyMaxMs);
    const int port = server->bind(options.host, options.port);
    if (port <= 0) {
        std::cerr << "quillfind-server: cannot listen on " << options.host << ":" << options.port << "\n";
        return 1;
    }
    const std::string coverBase =
        options.coverBase.empty() ? "http://127.0.0.1:" + std::to_string(port) + "/lpic/" : options.coverBase;

    std::thread signalWaiter([&server, &stopSignals] {
        int sig = 0;
        sigwait(&stopSignals, &sig);
        if (g_finished) return;
        // stop() is repeated because a signal may arrive just before the
        // listening loop starts, when a single stop would be lost.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(900);
        while (!g_finished && std::chrono::steady_clock::now() < deadline) {
            server->stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (!g_finished) {
            // A client blocked in a socket write cannot be interrupted;
            // exiting on time matters more than a tidy teardown.
            std::fflush(stdout);
            std::_Exit(0);
        }
    });

    std::cout << "port " << port << std::endl;
    const bool ok = server->run(coverBase);

    g_finished = true;
    pthread_kill(signalWaiter.native_handle(), SIGTERM); // wakes sigwait if no signal came
    signalWaiter.join();
    if (!ok) {
        std::cerr << "quillfind-server: server failed\n";
        return 1;
    }
    return 0;
}
