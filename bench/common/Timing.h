#pragma once

#include <QElapsedTimer>
#include <QVector>

#include <algorithm>
#include <functional>

// The median of `runs` timings of `work`, in milliseconds: steadier than
// the mean on a machine doing other things.
inline double medianMs(int runs, const std::function<void()> &work)
{
    QVector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        ms << timer.nsecsElapsed() / 1e6;
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}
