#include "MessageLog.h"

#include <QDateTime>

namespace velmar {

void CMessageLog::Add(const QString& text) {
    if (text.isEmpty() || (!m_messages.empty() && m_messages.back().text == text)) {
        return;
    }
    if (m_messages.size() >= kMostKept) {
        m_messages.pop_front();
    }
    m_messages.push_back({QDateTime::currentMSecsSinceEpoch(), text});
    if (m_listener) {
        m_listener(m_messages.back());
    }
}

QString CMessageLog::Line(const LoggedMessage& message) {
    // A box's text of several lines stays one entry: its later lines are indented under the time.
    QString text = message.text;
    text.replace('\n', "\n          ");
    return QDateTime::fromMSecsSinceEpoch(message.when).toString("HH:mm:ss") + "  " + text;
}

QString CMessageLog::AsText() const {
    QString out;
    for (const LoggedMessage& m : m_messages) {
        out += Line(m) + '\n';
    }
    return out;
}

CMessageLog& MessageLog() {
    static CMessageLog log;
    return log;
}

} // namespace velmar
