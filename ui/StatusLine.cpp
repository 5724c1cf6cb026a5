#include "StatusLine.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

namespace velmar {

CStatusLine::CStatusLine(QWidget* parent)
    : QWidget(parent), m_pProgress(new QProgressBar(this)), m_pSend(new QLabel(this)), m_pLink(new QLabel(this)),
      m_pReceived(new QLabel(this)) {
    setObjectName("statusLine");
    setAccessibleName("Status");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 4);
    layout->setSpacing(12);

    m_pProgress->setAccessibleName("Send progress");
    m_pProgress->setTextVisible(true);
    m_pProgress->setFixedWidth(fontMetrics().horizontalAdvance("258 of 258 bytes") + 24);
    m_pProgress->hide();
    m_pSend->setAccessibleName("Send");
    m_pLink->setAccessibleName("Link");
    m_pReceived->setAccessibleName("Received");
    m_pReceived->setTextInteractionFlags(Qt::TextSelectableByMouse);

    layout->addWidget(m_pProgress);
    layout->addWidget(m_pSend);
    layout->addStretch(1);
    layout->addWidget(m_pLink);
    layout->addWidget(m_pReceived);
}

void CStatusLine::ShowSending(int bytesSent, int total, int msLeft) {
    m_pProgress->setRange(0, total);
    m_pProgress->setValue(bytesSent);
    m_pProgress->setFormat(QString("%1 of %2 bytes").arg(bytesSent).arg(total));
    m_pProgress->show();
    m_pSend->setText(QString("%1 s left").arg(std::max(msLeft, 0) / 1000.0, 0, 'f', 1));
}

void CStatusLine::ShowSent(int bytesTaken, int frameBytes, std::uint8_t checksum) {
    m_pProgress->hide();
    const QString sum = QString("checksum 0x%1").arg(QString("%1").arg(checksum, 2, 16, QChar('0')).toUpper());
    if (bytesTaken == frameBytes) {
        m_pSend->setText(QString("Sent %1 bytes, %2").arg(frameBytes).arg(sum));
    } else {
        // The line did not take everything (unplugged, or the radio stopped reading): say so plainly.
        m_pSend->setText(QString("Sent %1 of %2 bytes, the line did not take the rest; %3")
                             .arg(bytesTaken)
                             .arg(frameBytes)
                             .arg(sum));
    }
}

void CStatusLine::ShowLink(const QString& port, const QString& device, const QString& state) {
    m_pLink->setText(QString("%1 = %2, %3").arg(port, device, state));
}

void CStatusLine::ShowReceived(int count, const std::string& lastBytesHex) {
    QString text = QString("Received %1").arg(count);
    if (!lastBytesHex.empty()) {
        text += ": " + QString::fromLatin1(lastBytesHex.data(), static_cast<qsizetype>(lastBytesHex.size()));
    }
    m_pReceived->setText(text);
}

QString CStatusLine::SendText() const {
    return m_pSend->text();
}
QString CStatusLine::LinkText() const {
    return m_pLink->text();
}
QString CStatusLine::ReceivedText() const {
    return m_pReceived->text();
}

} // namespace velmar
