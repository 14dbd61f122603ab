#include "lookup/LookupState.h"

void LookupState::SetShownIntro(const std::string& intro)
{
    CSingleLock hold(introLock);
    shownIntro = intro;
}

std::string LookupState::ShownIntro()
{
    CSingleLock hold(introLock);
    return shownIntro;
}
