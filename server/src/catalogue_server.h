// The HTTP side: routes for the community site, the library catalogue, the
// cover images, request counters and the canned failure scenarios.
#pragma once

#include "catalogue.h"
#include "page_renderer.h"
#include "request_stats.h"

#include <atomic>
#include <memory>
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

private:
    void addRoutes();
    void community(const httplib::Request &req, httplib::Response &res);
    void search(const httplib::Request &req, httplib::Response &res);
    void detail(const httplib::Request &req, httplib::Response &res);
    void cover(const httplib::Request &req, httplib::Response &res);
    void addScenarios();
    // Sends head at once, then nothing for `seconds`, then tail.
    void stall(httplib::Response &res, const std::string &contentType, std::string head, std::string tail,
               int seconds);
    // Sleeps in small steps; false as soon as the server is stopping.
    bool pause(int seconds) const;

    Catalogue catalogue_;
    std::string dataDir_;
    std::unique_ptr<PageRenderer> renderer_;
    RequestStats stats_;
    std::atomic<bool> stopping_{false};
    httplib::Server http_;
};
