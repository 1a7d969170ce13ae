#include "app/QtDispatcher.h"

#include <QDebug>
#include <QMetaObject>

#include <exception>

namespace qor {

TQtDispatcher::TQtDispatcher(QObject* parent)
    : QObject(parent),
      FQueue([this] { QMetaObject::invokeMethod(this, &TQtDispatcher::RunPending, Qt::QueuedConnection); })
{
}

TQtDispatcher::~TQtDispatcher()
{
    FQueue.Close();
}

void TQtDispatcher::Post(std::function<void()> step)
{
    FQueue.Post(std::move(step));
}

bool TQtDispatcher::InvokeAndWait(std::function<void()> step)
{
    return FQueue.InvokeAndWait(std::move(step));
}

// One wake-up per queued step, so each call runs at most the steps queued so far. An
// exception of a posted step must not unwind through Qt's event loop: it is reported and
// the remaining steps run at their own wake-ups.
void TQtDispatcher::RunPending()
{
    try {
        FQueue.ProcessPending();
    } catch (const std::exception& e) {
        qWarning("a step on the main thread failed: %s", e.what());
    }
}

} // namespace qor
