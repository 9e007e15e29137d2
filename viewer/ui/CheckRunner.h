#pragma once

#include "viewer/core/DocumentCheck.h"

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace talpora {

// Runs checks of the document on screen on threads of their own, so that a
// file with thousands of findings never holds up the windows. Only the check
// started last reports: one started earlier runs to its end unheard (the
// checker cannot be interrupted; it reads the document once more, so it
// ends about as fast as the document loaded).
class CheckRunner : public QObject
{
    Q_OBJECT

public:
    using Check = std::function<CheckedDocument()>;

    explicit CheckRunner(QObject* parent = nullptr);
    // Waits for the checks still running.
    ~CheckRunner() override;

    void start(Check check);
    // Whether the latest check has yet to report.
    bool isRunning() const;
    // The latest check reports nothing.
    void forget();

signals:
    void finished(std::shared_ptr<const talpora::CheckedDocument> checked);

private:
    struct Job;
    void ended(Job& job);

    std::vector<std::shared_ptr<Job>> m_jobs;
    Job* m_latest = nullptr;
};

} // namespace talpora
