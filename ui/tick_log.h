#pragma once

#include <QFile>
#include <QTextStream>
#include <chrono>
#include <vector>

// A record of when the match timer ticked (the hidden --tick-log option): one steady-clock
// reading a tick, kept in memory and written out, in nanoseconds one a line, when the log is
// destroyed, so that a tick never waits for the disk.
class TickLog {
  public:
    // Creates (or empties) the file at once, so that a path that cannot be written is known
    // before the game starts.
    explicit TickLog(const QString& path) : file_(path) {
        if (file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            stamps_.reserve(ReservedStamps);
        }
    }

    ~TickLog() {
        if (!file_.isOpen()) {
            return;
        }
        QTextStream out(&file_);
        for (const auto stamp : stamps_) {
            out << std::chrono::nanoseconds(stamp.time_since_epoch()).count() << '\n';
        }
    }

    TickLog(const TickLog&) = delete;
    TickLog& operator=(const TickLog&) = delete;

    bool isOpen() const { return file_.isOpen(); }
    QString errorString() const { return file_.errorString(); }

    void stamp() { stamps_.push_back(std::chrono::steady_clock::now()); }

  private:
    // An hour of ticks: the record never has to grow inside a tick in any ordinary session.
    static constexpr std::size_t ReservedStamps = 36'000;

    QFile file_;
    std::vector<std::chrono::steady_clock::time_point> stamps_;
};
