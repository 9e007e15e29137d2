#include "DeepLayoutStack.h"

#include <QtGlobal>
#include <algorithm>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

namespace talpora {

void allowDeepTreeLayouts()
{
#ifdef Q_OS_LINUX
    // The main thread's stack grows on demand up to the current soft limit,
    // so raising the limit now is enough; threads started later keep the
    // size the C library chose at start-up.
    static const bool raised = [] {
        constexpr rlim_t wanted = rlim_t{256} << 20;
        rlimit limit{};
        if (getrlimit(RLIMIT_STACK, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
            limit.rlim_cur >= wanted)
            return false;
        limit.rlim_cur =
            limit.rlim_max == RLIM_INFINITY ? wanted : std::min(wanted, limit.rlim_max);
        return setrlimit(RLIMIT_STACK, &limit) == 0;
    }();
    Q_UNUSED(raised);
#endif
}

} // namespace talpora
