#include "platform/Priority.h"

#include <sys/resource.h>

#include <cerrno>

namespace vortel {

namespace {
constexpr int kWantedNice = -10;

// The lowest nice value this process may set without privileges: 20 - soft RLIMIT_NICE.
int unprivilegedFloor() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NICE, &limit) != 0) return 20;
    const rlim_t cur = limit.rlim_cur == RLIM_INFINITY ? 40 : limit.rlim_cur;
    return 20 - static_cast<int>(cur > 40 ? 40 : cur);
}
}  // namespace

PriorityBoost::PriorityBoost() {
    errno = 0;
    oldNice_ = getpriority(PRIO_PROCESS, 0);
    if (errno != 0) return;
    int target = kWantedNice > unprivilegedFloor() ? kWantedNice : unprivilegedFloor();
    if (target >= oldNice_) return;  // already as high as allowed
    raised_ = setpriority(PRIO_PROCESS, 0, target) == 0;
}

PriorityBoost::~PriorityBoost() {
    if (raised_) setpriority(PRIO_PROCESS, 0, oldNice_);
}

}  // namespace vortel
