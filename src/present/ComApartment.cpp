#include "present/ComApartment.h"

#include <objbase.h>

ComApartment::ComApartment() : initialised(SUCCEEDED(::CoInitialize(nullptr)))
{
}

ComApartment::~ComApartment()
{
    if (initialised)
        ::CoUninitialize();
}
