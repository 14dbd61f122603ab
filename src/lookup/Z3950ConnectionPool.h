#pragma once
#include <memory>
#include <mutex>
#include <vector>

#include "lookup/Z3950Connection.h"

// The connections a batch keeps to one catalogue, so that each is signed
// on once and serves ISBN after ISBN: a search takes one that is free, or
// a new one, and gives it back when it is sound. There are never more than
// searches at once.
class Z3950ConnectionPool {
public:
    explicit Z3950ConnectionPool(const CatalogueConfig& catalogue);
    Z3950ConnectionPool(const Z3950ConnectionPool&) = delete;
    Z3950ConnectionPool& operator=(const Z3950ConnectionPool&) = delete;

    std::unique_ptr<Z3950Connection> Take();
    void Give(std::unique_ptr<Z3950Connection> connection);

private:
    const CatalogueConfig catalogue;
    std::mutex lock;
    std::vector<std::unique_ptr<Z3950Connection>> free;
};
