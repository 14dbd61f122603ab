#include "framework/AfxBeginThread.h"

#include <memory>

#include "framework/Trace.h"

namespace {

struct ThreadBody {
    const char* where;
    std::function<void()> run;
};

DWORD WINAPI RunThreadBody(LPVOID param)
{
    std::unique_ptr<ThreadBody> body(static_cast<ThreadBody*>(param));
    try {
        body->run();
    } catch (...) {
        AfxTraceCaught(body->where);
    }
    return 0;
}

}

KernelHandle AfxBeginThread(const char* where, std::function<void()> body)
{
    auto owned = std::make_unique<ThreadBody>(ThreadBody{where, std::move(body)});
    KernelHandle thread(::CreateThread(nullptr, 0, RunThreadBody, owned.get(), 0, nullptr));
    // The thread owns its body from here on.
    if (thread)
        owned.release();
    return thread;
}
