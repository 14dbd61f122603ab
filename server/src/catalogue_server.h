// The HTTP side: routes for the community site, the library catalogue, the
// cover images, request counters, the canned failure scenarios and the
// canned SRU answers.
#pragma once

#include "catalogue.h"
#include "page_renderer.h"
#include "request_stats.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include <httplib.h>

class CatalogueServer {
public:
    CatalogueServer(Catalogue catalogue, std::string dataDir);

    // Binds and listens; port 0 picks a free one. Returns the port, or -1.
    int bind(const std::string &host, int port);
    // Serves until stop(); false when the server could not run.
    bool run(const std::string &coverBase);
    // Safe from any thread, also before run() has started listening.
    void stop();
    // Every answer waits minMs, or a random time from minMs to maxMs when
    // maxMs is larger, standing in for a real network.
    void setLatency(int minMs, int maxMs);

private:
    void addRoutes();
    void community(const std::string &isbn, httplib::Response &res);
    void search(const std::string &isbn, httplib::Response &res);
    void detail(const std::string &raw, httplib::Response &res);
    void cover(const std::string &name, httplib::Response &res);
    // Serves a source route for path, whatever prefix the request had.
    void dispatch(const std::string &path, const httplib::Request &req, httplib::Response &res);
    // /busy/<code>/<times>/<route>: <code> for the first <times> requests of each route.
    void busy(const httplib::Request &req, httplib::Response &res);
    void addScenarios();
    // A random wait from the latency range.
    void delay();
    // Sends head at once, then nothing for `seconds`, then tail.
    void stall(httplib::Response &res, const std::string &contentType, std::string head, std::string tail, int seconds);
    // Sleeps in small steps; false as soon as the server is stopping.
    bool pause(int seconds) const;
    bool pauseMs(long milliseconds) const;

    Catalogue catalogue_;
    std::string dataDir_;
    std::unique_ptr<PageRenderer> renderer_;
    RequestStats stats_;
    int latencyMinMs_ = 0;
    int latencyMaxMs_ = 0;
    std::mutex busyMutex_;
    std::map<std::string, long> busyCounts_;
    std::atomic<bool> stopping_{false};
    socket_t listenSocket_ = INVALID_SOCKET;
    httplib::Server http_;
};
