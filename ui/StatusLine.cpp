#include "StatusLine.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>

namespace velmar {

// A label that gives up width gracefully: what does not fit is elided (the
// whole text stays in its tooltip and its accessible description).
class CElidedLabel : public QLabel {
public:
    CElidedLabel(Qt::TextElideMode mode, QWidget* parent) : QLabel(parent), m_mode(mode) {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }

    void SetFullText(const QString& text) {
        m_full = text;
        setText(text); // the size hint asks for the whole text
        setToolTip(text);
        setAccessibleDescription(text);
        update();
    }
    QString FullText() const { return m_full; }
    QSize minimumSizeHint() const override {
        return {fontMetrics().horizontalAdvance("...") + 8, QLabel::minimumSizeHint().height()};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        const QRect area = contentsRect();
        painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft,
                         fontMetrics().elidedText(m_full, m_mode, area.width()));
    }

private:
    Qt::TextElideMode m_mode;
    QString m_full;
};

CStatusLine::CStatusLine(QWidget* parent)
    : QWidget(parent), m_pProgress(new QProgressBar(this)), m_pSend(new CElidedLabel(Qt::ElideRight, this)),
      m_pLink(new CElidedLabel(Qt::ElideMiddle, this)), m_pReceived(new CElidedLabel(Qt::ElideLeft, this)) {
    setObjectName("statusLine");
    setAccessibleName("Status");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 4);
    layout->setSpacing(12);

    m_pProgress->setAccessibleName("Send progress");
    m_pProgress->setTextVisible(false);
    m_pProgress->setFixedSize(90, fontMetrics().height());
    m_pProgress->hide();
    m_pSend->setAccessibleName("Send");
    m_pLink->setAccessibleName("Link");
    // The newest bytes are at the end: when space is short the oldest go.
    m_pReceived->setAccessibleName("Received");

    layout->addWidget(m_pProgress);
    layout->addWidget(m_pSend, 3);
    layout->addWidget(m_pLink, 3);
    layout->addWidget(m_pReceived, 2);
}

void CStatusLine::ShowSending(int bytesSent, int total, int msLeft) {
    m_pProgress->setRange(0, total);
    m_pProgress->setValue(bytesSent);
    m_pProgress->show();
    m_pSend->SetFullText(
        QString("%1 of %2 bytes, %3 s left").arg(bytesSent).arg(total).arg(std::max(msLeft, 0) / 1000.0, 0, 'f', 1));
}

void CStatusLine::ShowSent(int bytesTaken, int frameBytes, std::uint8_t checksum) {
    m_pProgress->hide();
    const QString sum = QString("checksum 0x%1").arg(QString("%1").arg(checksum, 2, 16, QChar('0')).toUpper());
    if (bytesTaken == frameBytes) {
        m_pSend->SetFullText(QString("Sent %1 bytes, %2").arg(frameBytes).arg(sum));
    } else {
        // The line did not take everything (unplugged, or the radio stopped reading): say so plainly.
        m_pSend->SetFullText(QString("Sent %1 of %2 bytes, the line did not take the rest; %3")
                                 .arg(bytesTaken)
                                 .arg(frameBytes)
                                 .arg(sum));
    }
}

void CStatusLine::ShowLink(const QString& port, const QString& device, const QString& state) {
    m_pLink->SetFullText(QString("%1 = %2, %3").arg(port, device, state));
}

void CStatusLine::ShowReceived(int count, const std::string& lastBytesHex) {
    QString text = QString("Received %1").arg(count);
    if (!lastBytesHex.empty()) {
        text += ": " + QString::fromLatin1(lastBytesHex.data(), static_cast<qsizetype>(lastBytesHex.size()));
    }
    m_pReceived->SetFullText(text);
}

QString CStatusLine::SendText() const {
    return m_pSend->FullText();
}
QString CStatusLine::LinkText() const {
    return m_pLink->FullText();
}
QString CStatusLine::ReceivedText() const {
    return m_pReceived->FullText();
}

} // namespace velmar
