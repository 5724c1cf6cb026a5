#include "MessageLog.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

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
    // The locale's own way of writing a time, with the seconds of its long form and without the time zone that
    // form adds: messages a second apart must be told apart.
    const QLocale locale;
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    const QString format = locale.timeFormat(QLocale::LongFormat).replace(zone, QString()).trimmed();
    const QString time = locale.toString(QDateTime::fromMSecsSinceEpoch(message.when).time(), format);
    // A box's text of several lines stays one entry: its later lines are indented under the time.
    QString text = message.text;
    text.replace('\n', '\n' + QString(time.size() + 2, ' '));
    return time + "  " + text;
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
