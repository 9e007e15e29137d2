#pragma once

#include "viewer/core/DocumentOpening.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QTimer;

namespace talpora {

// Runs document loads on a thread of their own, so that a large file never
// freezes the windows. start() returns at once and finished() brings the
// result; run() waits for it in a local event loop, during which the windows
// keep painting, user input other than Esc is held back, and Esc stops the
// load. A load started while another runs stops that one. A stopped load
// gives no result, even when its reading was done before the stop.
class LoadRunner : public QObject
{
    Q_OBJECT

public:
    using Load = std::function<OpenedDocument(LoadProgress*)>;

    explicit LoadRunner(QObject* parent = nullptr);
    ~LoadRunner() override;

    void start(Load load);
    // The result, or nothing when the load was stopped.
    std::optional<OpenedDocument> run(Load load);
    bool isRunning() const { return !m_jobs.empty(); }
    // Asks every running load to stop.
    void stop();

signals:
    // Once the latest load has run for a moment, and then as it goes on: how
    // much of its source it read, 0 to 100, or -1 when the size is unknown.
    void progressed(int percent);
    // After start(): the result, or nothing when the load was stopped.
    void finished(const std::optional<talpora::OpenedDocument>& result);

private:
    struct Job;
    class InputHold;
    std::shared_ptr<Job> prepare(Load load);
    void ended(Job& job);
    void tick();

    std::vector<std::shared_ptr<Job>> m_jobs;
    QTimer* m_ticker = nullptr;
};

} // namespace talpora
