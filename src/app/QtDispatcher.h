// The main thread's work queue on the Qt event loop: steps that workers hand over run as
// queued events, one at a time and in order, between the window's own events. Nothing
// waits in a nested loop.
#pragma once

#include "util/Dispatcher.h"

#include <QObject>

namespace qor {

class TQtDispatcher : public QObject, public TDispatcher {
    Q_OBJECT
public:
    // Made on the thread that runs the event loop.
    explicit TQtDispatcher(QObject* parent = nullptr);
    ~TQtDispatcher() override;

    void Post(std::function<void()> step) override;
    bool InvokeAndWait(std::function<void()> step) override;
    // Refuses new steps and releases every worker waiting in InvokeAndWait.
    void Close() { FQueue.Close(); }

private:
    void RunPending();

    TQueueDispatcher FQueue;
};

} // namespace qor
