#pragma once

#include <QObject>
#include <functional>
#include <mutex>

// Carries work from a worker thread to the GUI thread of `target`. The target's
// owner calls detach() before the target dies; later posts are dropped, so a
// worker that outlives the window touches nothing.
class GuiRelay {
public:
    explicit GuiRelay(QObject* target) : m_target(target) {}

    void detach()
    {
        std::lock_guard lock(m_mutex);
        m_target = nullptr;
    }

    // Thread-safe; `work` runs later on the target's thread, unless the target
    // is deleted first (Qt then drops the queued call).
    void post(std::function<void()> work)
    {
        std::lock_guard lock(m_mutex);
        if (m_target)
            QMetaObject::invokeMethod(m_target, std::move(work), Qt::QueuedConnection);
    }

private:
    std::mutex m_mutex;
    QObject* m_target;
};
