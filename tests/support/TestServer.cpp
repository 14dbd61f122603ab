#include "TestServer.h"

#include <cstdlib>

#include "lookup/PageFetcher.h"
#include "lookup/PageUrls.h"

std::string TestServerBase()
{
    const char* port = std::getenv("QUILL_TEST_PORT");
    return std::string("http://127.0.0.1:") + (port ? port : "0");
}

SourceConfig TestSourceConfig()
{
    SourceConfig config;
    config.communityBase = TestServerBase();
    config.libraryBase = TestServerBase();
    config.coverBase = TestServerBase() + "/lpic/";
    return config;
}

int ServerRequestCount(const std::string& prefix)
{
    return std::atoi(FetchPage(TestServerBase() + "/__stats?path=" + EncodeUrlComponent(prefix)).c_str());
}

std::string ZebraBase(const std::string& database)
{
    const char* port = std::getenv("QUILL_ZEBRA_PORT");
    return std::string("http://127.0.0.1:") + (port ? port : "0") + "/" + database;
}

std::string ZebraZ3950(const std::string& database, bool legacy)
{
    const char* port = std::getenv(legacy ? "QUILL_ZEBRA_LEGACY_PORT" : "QUILL_ZEBRA_PORT");
    return std::string("127.0.0.1:") + (port ? port : "0") + "/" + database;
}

std::string DeadServerBase()
{
    return "http://127.0.0.1:9";
}
