#pragma once
// Every message this run has shown, with its time: the status line's notes, hints and Send outcomes, the link's
// changes and the boxes' texts. A message that went by too fast, or was cut to fit, can be read again in View >
// Messages. Window thread only.

#include <QString>
#include <QtGlobal>

#include <deque>
#include <functional>

namespace velmar {

struct LoggedMessage {
    qint64 when = 0; // milliseconds since the epoch: the local time is worked out only when a message is shown
    QString text;
};

class CMessageLog {
public:
    // The oldest go first beyond this many, so that a long run at a bench never grows without bound.
    static constexpr std::size_t kMostKept = 2000;

    // Adds `text` unless it is empty or the same as the newest message.
    void Add(const QString& text);
    const std::deque<LoggedMessage>& Messages() const { return m_messages; }
    // Called after each message added; one listener (the Messages window while it is open).
    void SetListener(std::function<void(const LoggedMessage&)> listener) { m_listener = std::move(listener); }
    // The whole log as text, a line per message: "17:52:03  Saved club.velmar.".
    QString AsText() const;
    static QString Line(const LoggedMessage& message);

private:
    std::deque<LoggedMessage> m_messages;
    std::function<void(const LoggedMessage&)> m_listener;
};

// The application's one log.
CMessageLog& MessageLog();

} // namespace velmar
