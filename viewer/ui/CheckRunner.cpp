#include "viewer/ui/CheckRunner.h"

#include <QThread>
#include <algorithm>

namespace talpora {

struct CheckRunner::Job
{
    std::unique_ptr<QThread> thread;
    std::shared_ptr<CheckedDocument> result;

    ~Job()
    {
        if (thread)
            thread->wait();
    }
};

CheckRunner::CheckRunner(QObject* parent) : QObject(parent) {}

CheckRunner::~CheckRunner()
{
    m_latest = nullptr;
    m_jobs.clear(); // each job waits for its thread
}

void CheckRunner::start(Check check)
{
    auto job = std::make_shared<Job>();
    Job* raw = job.get();
    job->thread.reset(QThread::create([raw, check = std::move(check)] {
        raw->result = std::make_shared<CheckedDocument>(check());
    }));
    connect(job->thread.get(), &QThread::finished, this, [this, raw] { ended(*raw); });
    m_jobs.push_back(job);
    m_latest = raw;
    job->thread->start(QThread::LowPriority);
}

bool CheckRunner::isRunning() const
{
    return m_latest != nullptr;
}

void CheckRunner::forget()
{
    m_latest = nullptr;
}

void CheckRunner::ended(Job& job)
{
    const auto found =
        std::find_if(m_jobs.begin(), m_jobs.end(),
                     [&](const std::shared_ptr<Job>& kept) { return kept.get() == &job; });
    if (found == m_jobs.end())
        return;
    const std::shared_ptr<Job> kept = *found; // alive until this function is done with it
    m_jobs.erase(found);
    kept->thread->wait();
    if (m_latest != &job)
        return;
    m_latest = nullptr;
    emit finished(kept->result);
}

} // namespace talpora
