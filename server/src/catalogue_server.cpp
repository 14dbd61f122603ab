#include "catalogue_server.h"

#include "sru_answers.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

namespace {

const char kHtml[] = "text/html; charset=utf-8";
const char kText[] = "text/plain; charset=utf-8";

// How long a route named "stall" keeps the client waiting, and the most
// that /test/stall accepts.
constexpr int kStallSeconds = 30;
constexpr int kStallCapSeconds = 120;
constexpr int kNoLineCapMiB = 64;
constexpr long kLinesCap = 1000000;
constexpr long kSlowCapMs = 10000;
constexpr long kBusyTimesCap = 1000;
constexpr long kTrickleCapSeconds = 120;

// Integer query parameter; `fallback` when it is missing, false when malformed.
bool intParam(const httplib::Request &req, const char *name, long fallback, long *value) {
    if (!req.has_param(name)) {
        *value = fallback;
        return true;
    }
    const std::string text = req.get_param_value(name);
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    *value = std::strtol(text.c_str(), nullptr, 10);
    return true;
}

void badRequest(httplib::Response &res, const std::string &why) {
    res.status = 400;
    res.set_content("<!DOCTYPE html>\n<html><body><p>" + PageRenderer::escape(why) + "</p></body></html>\n", kHtml);
}

void notFound(httplib::Response &res, const std::string &what) {
    res.status = 404;
    res.set_content(PageRenderer::notFoundPage(what), kHtml);
}

// The query text after "id=", as the client sent it: ids may carry their
// own "&name=value" parts, which a parameter parser would split off.
std::string rawDetailId(const std::string &target) {
    const std::size_t q = target.find('?');
    if (q == std::string::npos) return std::string();
    const std::string query = target.substr(q + 1);
    if (query.compare(0, 3, "id=") == 0) return query.substr(3);
    const std::size_t at = query.find("&id=");
    return at == std::string::npos ? std::string() : query.substr(at + 4);
}

// "slow<ms>-<isbn>" is <isbn> answered after <ms> milliseconds (at most
// 10 s), so that a test can make one book of a batch finish last.
std::string slowIsbn(const std::string &isbn, long *ms) {
    *ms = 0;
    const std::size_t dash = isbn.find('-');
    if (isbn.compare(0, 4, "slow") != 0 || dash == std::string::npos || dash == 4 || dash > 9) return isbn;
    const std::string digits = isbn.substr(4, dash - 4);
    if (digits.find_first_not_of("0123456789") != std::string::npos) return isbn;
    *ms = std::min(std::strtol(digits.c_str(), nullptr, 10), kSlowCapMs);
    return isbn.substr(dash + 1);
}

} // namespace

CatalogueServer::CatalogueServer(Catalogue catalogue, std::string dataDir)
    : catalogue_(std::move(catalogue)), dataDir_(std::move(dataDir)) {
    // Stalled responses each hold a worker, and so does each kept-alive
    // connection: leave room for a test suite's worth and for a batch
    // lookup at 64 jobs, which keeps up to 128 connections open.
    http_.new_task_queue = [] { return new httplib::ThreadPool(256); };
    // Plain SO_REUSEADDR only: with port sharing, a second server on a busy
    // fixed port would start "successfully" and split the requests.
    http_.set_socket_options([this](socket_t sock) {
        listenSocket_ = sock;
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const void *>(&yes), sizeof yes);
        // Accepted sockets inherit it: headers and body go out as separate
        // writes, and Nagle would hold the body for the client's delayed ACK.
        setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const void *>(&yes), sizeof yes);
    });
    // Short idle and read limits so that shutdown never waits on a silent client.
    http_.set_keep_alive_timeout(1);
    // As many requests per connection as a common web server allows; the
    // library's default of 5 makes a batch lookup reconnect all the time.
    http_.set_keep_alive_max_count(100);
    http_.set_read_timeout(2, 0);
    addRoutes();
    addScenarios();
    SruAnswers::addRoutes(http_, stopping_);
}

int CatalogueServer::bind(const std::string &host, int port) {
    int bound = port == 0 ? http_.bind_to_any_port(host) : http_.bind_to_port(host, port) ? port : -1;
    // The library listens with a queue of 5: a batch lookup opening 30
    // connections at once would lose some and wait a second for the retry.
    if (bound > 0) ::listen(listenSocket_, SOMAXCONN);
    return bound;
}

bool CatalogueServer::run(const std::string &coverBase) {
    renderer_ = std::make_unique<PageRenderer>(catalogue_, coverBase);
    if (stopping_) return true;
    return http_.listen_after_bind() || stopping_;
}

void CatalogueServer::stop() {
    stopping_ = true;
    http_.stop();
}

void CatalogueServer::setLatency(int minMs, int maxMs) {
    latencyMinMs_ = minMs;
    latencyMaxMs_ = std::max(minMs, maxMs);
}

void CatalogueServer::delay() {
    if (latencyMaxMs_ <= 0) return;
    thread_local std::minstd_rand random(std::random_device{}());
    std::uniform_int_distribution<int> pick(latencyMinMs_, latencyMaxMs_);
    pauseMs(pick(random));
}

bool CatalogueServer::pause(int seconds) const { return pauseMs(seconds * 1000L); }

bool CatalogueServer::pauseMs(long milliseconds) const {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    // Sleeping until a point in time, not for a rounded duration: the last
    // millisecond would otherwise round to zero and spin.
    for (auto now = std::chrono::steady_clock::now(); now < until; now = std::chrono::steady_clock::now()) {
        if (stopping_) return false;
        std::this_thread::sleep_until(std::min(until, now + std::chrono::milliseconds(50)));
    }
    return !stopping_;
}

void CatalogueServer::stall(httplib::Response &res, const std::string &contentType, std::string head, std::string tail,
                            int seconds) {
    auto body = std::make_shared<std::string>(head + tail);
    const std::size_t headLength = head.size();
    res.set_content_provider(
        body->size(), contentType,
        [this, body, headLength, seconds](std::size_t offset, std::size_t, httplib::DataSink &sink) {
            if (offset < headLength) return sink.write(body->data() + offset, headLength - offset);
            // Reached once: writing the tail moves the offset to the end.
            if (!pause(seconds)) return false;
            return sink.write(body->data() + offset, body->size() - offset);
        });
}

void CatalogueServer::addRoutes() {
    http_.set_pre_routing_handler([this](const httplib::Request &req, httplib::Response &) {
        // The counters' own routes would disturb what they measure.
        if (req.target.compare(0, 3, "/__") != 0) {
            stats_.record(req.target);
            delay();
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    // Only fills in bodies for errors that have none yet, such as unknown paths.
    http_.set_error_handler(
        httplib::Server::HandlerWithResponse([](const httplib::Request &req, httplib::Response &res) {
            if (!res.body.empty() || res.content_provider_) return httplib::Server::HandlerResponse::Unhandled;
            res.set_content(PageRenderer::notFoundPage(req.path), kHtml);
            return httplib::Server::HandlerResponse::Handled;
        }));

    http_.Get(R"(/isbn/([^/]+)/)",
              [this](const httplib::Request &req, httplib::Response &res) { community(req.matches[1], res); });
    http_.Get("/BookSearch.aspx", [this](const httplib::Request &req, httplib::Response &res) {
        search(req.get_param_value("ISBN"), res);
    });
    http_.Get("/bookdetail.aspx",
              [this](const httplib::Request &req, httplib::Response &res) { detail(rawDetailId(req.target), res); });
    http_.Get(R"(/lpic/([^/]+))",
              [this](const httplib::Request &req, httplib::Response &res) { cover(req.matches[1], res); });
    http_.Get(R"(/busy/(\d{3})/(\d{1,4})(/.*))",
              [this](const httplib::Request &req, httplib::Response &res) { busy(req, res); });

    http_.Get("/__stats", [this](const httplib::Request &req, httplib::Response &res) {
        res.set_content(std::to_string(stats_.countWithPrefix(req.get_param_value("path"))), kText);
    });
    http_.Get("/__reset", [this](const httplib::Request &, httplib::Response &res) {
        stats_.reset();
        {
            std::lock_guard<std::mutex> hold(busyMutex_);
            busyCounts_.clear();
        }
        res.set_content("ok", kText);
    });
}

void CatalogueServer::community(const std::string &isbn, httplib::Response &res) {
    if (isbn == "stall") return stall(res, kHtml, PageRenderer::stallHead(), PageRenderer::stallTail(), kStallSeconds);
    long ms = 0;
    const std::string real = slowIsbn(isbn, &ms);
    if (!pauseMs(ms)) return;
    const Book *book = catalogue_.communityBook(real);
    if (!book) return notFound(res, "/isbn/" + isbn + "/");
    res.set_content(renderer_->communityPage(*book), kHtml);
}

void CatalogueServer::search(const std::string &isbn, httplib::Response &res) {
    if (isbn == "stall") return stall(res, kHtml, PageRenderer::stallHead(), PageRenderer::stallTail(), kStallSeconds);
    long ms = 0;
    const std::string real = slowIsbn(isbn, &ms);
    if (!pauseMs(ms)) return;
    res.set_content(renderer_->searchPage(real, catalogue_.libraryBook(real)), kHtml);
}

void CatalogueServer::detail(const std::string &raw, httplib::Response &res) {
    if (raw == "stall") return stall(res, kHtml, PageRenderer::stallHead(), PageRenderer::stallTail(), kStallSeconds);
    auto found = catalogue_.detail(raw);
    if (!found.first) found = catalogue_.detail(httplib::detail::decode_url(raw, false));
    if (!found.first) return notFound(res, "bookdetail.aspx?id=" + raw);
    res.set_content(renderer_->detailPage(*found.first, *found.second), kHtml);
}

void CatalogueServer::cover(const std::string &name, httplib::Response &res) {
    if (name == "stall" || name == "stall.jpg")
        return stall(res, "image/jpeg", std::string(), "\xFF\xD8\xFF\xD9", kStallSeconds);
    if (name.empty() || name[0] == '.') return notFound(res, "/lpic/" + name);
    std::ifstream in(dataDir_ + "/lpic/" + name, std::ios::binary);
    std::ostringstream bytes;
    if (!in || !(bytes << in.rdbuf())) return notFound(res, "/lpic/" + name);
    res.set_content(bytes.str(), "image/jpeg");
}

void CatalogueServer::dispatch(const std::string &path, const httplib::Request &req, httplib::Response &res) {
    const bool community = path.compare(0, 6, "/isbn/") == 0 && path.size() > 7 && path.back() == '/' &&
                           path.find('/', 6) == path.size() - 1;
    const bool cover = path.compare(0, 6, "/lpic/") == 0 && path.size() > 6 && path.find('/', 6) == std::string::npos;
    if (community) return this->community(path.substr(6, path.size() - 7), res);
    if (path == "/BookSearch.aspx") return search(req.get_param_value("ISBN"), res);
    if (path == "/bookdetail.aspx") return detail(rawDetailId(req.target), res);
    if (cover) return this->cover(path.substr(6), res);
    notFound(res, path);
}

void CatalogueServer::busy(const httplib::Request &req, httplib::Response &res) {
    const int code = std::stoi(req.matches[1]);
    const long times = std::min(std::stol(req.matches[2]), kBusyTimesCap);
    if (code < 400 || code > 599) return badRequest(res, "code: 400 to 599");
    const std::string route = req.matches[3];
    // Counted per whole target, so each page of a lookup is refused on its own.
    const std::string &key = req.target;
    long seen = 0;
    {
        std::lock_guard<std::mutex> hold(busyMutex_);
        seen = busyCounts_[key]++;
    }
    if (seen >= times) return dispatch(route, req, res);
    res.status = code;
    if (code == 429) res.set_header("Retry-After", "1");
    res.set_content("<!DOCTYPE html>\n<html><body><p>Busy, try again.</p></body></html>\n", kHtml);
}

void CatalogueServer::addScenarios() {
    http_.Get("/test/lines", [](const httplib::Request &req, httplib::Response &res) {
        long n = 0;
        if (!intParam(req, "n", 0, &n) || n > kLinesCap) return badRequest(res, "n: 0 to 1000000");
        std::string body;
        for (long i = 1; i <= n; ++i)
            body += "line " + std::to_string(i) + "\n";
        res.set_content(body, kText);
    });

    http_.Get("/test/status", [](const httplib::Request &req, httplib::Response &res) {
        long code = 0;
        if (!intParam(req, "code", 500, &code) || code < 200 || code > 599) return badRequest(res, "code: 200 to 599");
        res.status = static_cast<int>(code);
        res.set_content("<!DOCTYPE html>\n<html>\n<body>\n<h1>Status " + std::to_string(code) +
                            "</h1>\n<p>This body must not reach the client.</p>\n</body>\n</html>\n",
                        kHtml);
    });

    http_.Get("/test/drop", [](const httplib::Request &req, httplib::Response &res) {
        long n = 0;
        if (!intParam(req, "lines", 10, &n) || n > kLinesCap) return badRequest(res, "lines: 0 to 1000000");
        auto body = std::make_shared<std::string>();
        for (long i = 1; i <= n; ++i)
            *body += "line " + std::to_string(i) + "\n";
        // Promise far more than is sent, then give up on the connection.
        res.set_content_provider(body->size() + (1u << 20), kText,
                                 [body](std::size_t offset, std::size_t, httplib::DataSink &sink) {
                                     if (offset < body->size())
                                         return sink.write(body->data() + offset, body->size() - offset);
                                     return false;
                                 });
    });

    http_.Get("/test/stall", [this](const httplib::Request &req, httplib::Response &res) {
        long seconds = 0;
        if (!intParam(req, "seconds", kStallSeconds, &seconds)) return badRequest(res, "seconds: a number");
        seconds = std::min<long>(seconds, kStallCapSeconds);
        stall(res, kText, "stall begin\n", "stall end\n", static_cast<int>(seconds));
    });

    http_.Get("/test/trickle", [this](const httplib::Request &req, httplib::Response &res) {
        long seconds = 0;
        if (!intParam(req, "seconds", 25, &seconds) || seconds > kTrickleCapSeconds)
            return badRequest(res, "seconds: 0 to 120");
        // One line that keeps growing: a byte every half second, no line break.
        const std::string head = "trickle begin ", tail = "\ntrickle end\n";
        const std::size_t dots = static_cast<std::size_t>(seconds) * 2;
        res.set_content_provider(head.size() + dots + tail.size(), kText,
                                 [this, head, tail, dots](std::size_t offset, std::size_t, httplib::DataSink &sink) {
                                     if (offset < head.size())
                                         return sink.write(head.data() + offset, head.size() - offset);
                                     if (offset < head.size() + dots) return pauseMs(500) && sink.write(".", 1);
                                     const std::size_t at = offset - head.size() - dots;
                                     return sink.write(tail.data() + at, tail.size() - at);
                                 });
    });

    http_.Get("/test/chinese", [](const httplib::Request &, httplib::Response &res) {
        res.set_content("ASCII line\n红楼梦\n图书信息查询\n曹雪芹 著 / 高鹗 续\nmixed 中文 and ASCII 123\n", kText);
    });

    http_.Get("/test/nongbk", [](const httplib::Request &, httplib::Response &res) {
        res.set_content("first line\nsmile \xF0\x9F\x98\x80 and thai \xE0\xB8\x81 end\n红楼梦\nlast line\n", kText);
    });

    http_.Get("/test/noline", [this](const httplib::Request &req, httplib::Response &res) {
        long mib = 0;
        if (!intParam(req, "mb", 1, &mib) || mib > kNoLineCapMiB) return badRequest(res, "mb: 0 to 64");
        // Streamed from one small buffer: the body can be far larger than
        // anything worth holding in memory.
        auto chunk = std::make_shared<std::string>(64 * 1024, 'a');
        res.set_content_provider(static_cast<std::size_t>(mib) << 20, kText,
                                 [this, chunk](std::size_t, std::size_t length, httplib::DataSink &sink) {
                                     if (stopping_) return false;
                                     return sink.write(chunk->data(), std::min(length, chunk->size()));
                                 });
    });

    http_.Get("/test/cover", [this](const httplib::Request &req, httplib::Response &res) {
        long code = 0, ms = 0;
        if (!intParam(req, "code", 200, &code) || code < 200 || code > 599) return badRequest(res, "code: 200 to 599");
        if (!intParam(req, "ms", 0, &ms) || ms > 10000) return badRequest(res, "ms: 0 to 10000");
        if (!pauseMs(ms)) return;
        cover("solid.jpg", res);
        res.status = static_cast<int>(code);
    });

    http_.Get("/test/notpicture", [](const httplib::Request &, httplib::Response &res) {
        res.set_content("<!DOCTYPE html>\n<html>\n<body>\n<p>This is not a picture.</p>\n</body>\n</html>\n",
                        "image/jpeg");
    });
}
