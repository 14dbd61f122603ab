#include "lookup/Z3950ConnectionPool.h"

Z3950ConnectionPool::Z3950ConnectionPool(const CatalogueConfig& c) : catalogue(c)
{
}

std::unique_ptr<Z3950Connection> Z3950ConnectionPool::Take()
{
    {
        std::lock_guard<std::mutex> hold(lock);
        if (!free.empty()) {
            std::unique_ptr<Z3950Connection> connection = std::move(free.back());
            free.pop_back();
            return connection;
        }
    }
    return std::make_unique<Z3950Connection>(catalogue);
}

void Z3950ConnectionPool::Give(std::unique_ptr<Z3950Connection> connection)
{
    std::lock_guard<std::mutex> hold(lock);
    free.push_back(std::move(connection));
}
