#include "app/preview/PreviewInstance.h"

namespace vistrel {

bool PreviewInstance::activateRunningInstance() {
    return !claimed_ && instance_.activateRunningInstance();
}

void PreviewInstance::becomeRunningInstance(std::function<void()> onActivate) {
    offered_ = std::move(onActivate);
    if (claimed_)
        return;
    claimed_ = true;
    instance_.becomeRunningInstance([this] {
        if (raise_)
            raise_();
    });
}

} // namespace vistrel
