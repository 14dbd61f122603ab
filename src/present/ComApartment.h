#pragma once
#include <windows.h>

// COM for the calling thread while the object lives; CoUninitialize only
// when the initialisation succeeded (S_FALSE counts, it must be balanced).
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised;
};
