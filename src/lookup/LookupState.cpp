#include "lookup/LookupState.h"

void LookupState::SetShownIntro(const std::string& intro)
{
    std::lock_guard<std::mutex> hold(introLock);
    shownIntro = intro;
}

std::string LookupState::ShownIntro()
{
    std::lock_guard<std::mutex> hold(introLock);
    return shownIntro;
}
