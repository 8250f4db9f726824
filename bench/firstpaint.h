#pragma once

// Shared by the two start-up programs: marks of the phases of start-up, and
// an event filter that ends the event loop at a window's first paint.
//
// Each mark prints "mark <name> <CLOCK_MONOTONIC nanoseconds>" on standard
// output for startup_runner, and under callgrind dumps the instructions
// counted since the previous mark, so that each phase gets its own count.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <cstdio>
#include <ctime>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_DUMP_STATS_AT(name) ((void)(name))
#endif

namespace firstpaint {

inline void mark(const char *name)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    CALLGRIND_DUMP_STATS_AT(name);
    std::printf("mark %s %lld\n", name, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
}

// Installed on the window: at its first Paint event marks "firstpaint" and
// asks the event loop to return once that paint (the whole window's, children
// included) is done.
class QuitAtFirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            mark("firstpaint");
            QCoreApplication::exit(0);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

} // namespace firstpaint
