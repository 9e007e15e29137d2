#include "viewer/ui/LoadRunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QThread>
#include <QTimer>

namespace talpora {

namespace {

// A load shorter than this shows no progress.
constexpr int momentMilliseconds = 300;
constexpr int progressIntervalMilliseconds = 100;

} // namespace

struct LoadRunner::Job
{
    LoadProgress progress;
    OpenedDocument result;
    std::unique_ptr<QThread> thread;
    QElapsedTimer running;
    bool waitedFor = false;
    bool done = false;

    ~Job()
    {
        // The thread reads this job: it is asked to stop and waited for.
        if (thread && thread->isRunning()) {
            progress.requestStop();
            thread->wait();
        }
    }
    std::optional<OpenedDocument> outcome() const
    {
        if (progress.stopRequested())
            return std::nullopt;
        return result;
    }
};

// Holds back the user's input to every window while run() waits: Esc stops
// the loads, everything else is dropped, so no click or key acts on a window
// whose document is about to change.
class LoadRunner::InputHold : public QObject
{
public:
    explicit InputHold(LoadRunner& runner) : m_runner(runner)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~InputHold() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
                m_runner.stop();
            return true;
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::InputMethod:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        default:
            return false;
        }
    }

private:
    LoadRunner& m_runner;
};

LoadRunner::LoadRunner(QObject* parent) : QObject(parent), m_ticker(new QTimer(this))
{
    m_ticker->setInterval(progressIntervalMilliseconds);
    connect(m_ticker, &QTimer::timeout, this, &LoadRunner::tick);
}

LoadRunner::~LoadRunner()
{
    stop();
    m_jobs.clear(); // each job waits for its thread
}

std::shared_ptr<LoadRunner::Job> LoadRunner::prepare(Load load)
{
    stop();
    auto job = std::make_shared<Job>();
    Job* raw = job.get();
    job->thread.reset(
        QThread::create([raw, load = std::move(load)] { raw->result = load(&raw->progress); }));
    connect(job->thread.get(), &QThread::finished, this, [this, weak = std::weak_ptr(job)] {
        if (const std::shared_ptr<Job> ended = weak.lock())
            this->ended(*ended);
    });
    m_jobs.push_back(job);
    job->running.start();
    m_ticker->start();
    return job;
}

void LoadRunner::start(Load load)
{
    prepare(std::move(load))->thread->start();
}

std::optional<OpenedDocument> LoadRunner::run(Load load)
{
    const std::shared_ptr<Job> job = prepare(std::move(load));
    job->waitedFor = true;
    {
        const InputHold hold(*this);
        QEventLoop loop;
        // Connected before the thread starts, so that its end cannot be missed.
        connect(job->thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
        job->thread->start();
        loop.exec();
    }
    // The loop also ends when the program quits: the load is stopped then.
    if (!job->thread->isFinished()) {
        job->progress.requestStop();
        job->thread->wait();
    }
    ended(*job);
    return job->outcome();
}

void LoadRunner::stop()
{
    for (const std::shared_ptr<Job>& job : m_jobs)
        job->progress.requestStop();
}

void LoadRunner::ended(Job& job)
{
    if (job.done)
        return;
    job.done = true;
    job.thread->wait();
    const std::optional<OpenedDocument> outcome = job.outcome();
    const bool emitResult = !job.waitedFor;
    // Keeps the job alive until this function is done with it.
    std::shared_ptr<Job> kept;
    for (auto it = m_jobs.begin(); it != m_jobs.end(); ++it) {
        if (it->get() == &job) {
            kept = *it;
            m_jobs.erase(it);
            break;
        }
    }
    if (m_jobs.empty())
        m_ticker->stop();
    if (emitResult)
        emit finished(outcome);
}

void LoadRunner::tick()
{
    if (m_jobs.empty())
        return;
    const Job& latest = *m_jobs.back();
    if (latest.running.elapsed() >= momentMilliseconds && !latest.progress.stopRequested())
        emit progressed(latest.progress.percent());
}

} // namespace talpora
