#include "StatusLine.h"

#include "MessageLog.h"
#include "ResourceLoader.h"
#include "Words.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QVBoxLayout>

namespace velmar {

// A label that gives up width gracefully: what does not fit is elided with "…" (the whole text stays in
// its tooltip and its accessible description). Cut at the end, it cuts between words, never in one.
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
        painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft, Shown(area.width()));
    }

public:
    // What fits in `width`: the whole text, or as much as fits with "…" where the rest is.
    QString Shown(int width) const {
        const QFontMetrics metrics = fontMetrics();
        if (metrics.horizontalAdvance(m_full) <= width || m_mode != Qt::ElideRight) {
            return metrics.elidedText(m_full, m_mode, width);
        }
        const QString ellipsis(QChar(0x2026));
        QString cut = metrics.elidedText(m_full, Qt::ElideRight, width);
        cut.chop(1);
        const bool atSpace = cut.size() < m_full.size() && m_full[cut.size()].isSpace();
        if (const qsizetype space = cut.lastIndexOf(' '); !atSpace && space > 0) {
            cut.truncate(space);
        }
        while (!cut.isEmpty() && (cut.back().isSpace() || cut.back() == ',' || cut.back() == ';')) {
            cut.chop(1);
        }
        return cut + ellipsis;
    }

private:
    Qt::TextElideMode m_mode;
    QString m_full;
};

namespace {

void SetText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleDescription(text);
}

} // namespace

CStatusLine::CStatusLine(QWidget* parent)
    : QWidget(parent), m_pProgress(new QProgressBar(this)), m_pSend(new QLabel(this)),
      m_pNote(new CElidedLabel(Qt::ElideRight, this)), m_pHint(new CElidedLabel(Qt::ElideRight, this)),
      m_pLink(new CElidedLabel(Qt::ElideMiddle, this)), m_pReceived(new CElidedLabel(Qt::ElideLeft, this)) {
    setObjectName("statusLine");
    setAccessibleName(Word(res::kStatusName));
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(8, 2, 8, 4);
    rows->setSpacing(2);

    // The Send's own row: its outcome is what the operator must never miss, so it is never cut.
    auto* sendRow = new QHBoxLayout;
    sendRow->setSpacing(12);
    m_pProgress->setAccessibleName(Word(res::kSendProgressName));
    m_pProgress->setTextVisible(false);
    m_pProgress->setFixedSize(90, fontMetrics().height());
    m_pProgress->hide();
    m_pSend->setAccessibleName(Word(res::kSendName));
    m_pSend->setTextFormat(Qt::PlainText);
    // A long outcome (a stall, a hang-up) takes a second line rather than being cut at the window's edge.
    m_pSend->setWordWrap(true);
    sendRow->addWidget(m_pProgress);
    sendRow->addWidget(m_pSend, 1);

    auto* linkRow = new QHBoxLayout;
    linkRow->setSpacing(12);
    m_pLink->setAccessibleName(Word(res::kLinkName));
    // The newest bytes are at the end: when space is short the oldest go.
    m_pReceived->setAccessibleName(Word(res::kReceivedName));
    linkRow->addWidget(m_pLink, 3);
    linkRow->addWidget(m_pReceived, 2);

    m_pNote->setAccessibleName(Word(res::kNoteName));

    rows->addLayout(sendRow);
    rows->addLayout(linkRow);
    rows->addWidget(m_pNote);
    m_pHint->setAccessibleName(Word(res::kHintName));
    rows->addWidget(m_pHint);
    // A line each, also while empty, so that the window never changes its size while it is used.
    const int line = fontMetrics().lineSpacing();
    m_pSend->setMinimumHeight(2 * line); // room for an outcome that takes two lines
    m_pSend->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pNote->setMinimumHeight(line);
    m_pHint->setMinimumHeight(line);
}

void CStatusLine::ShowSending(int bytesSent, int total, int msLeft) {
    m_pProgress->setRange(0, total);
    m_pProgress->setValue(bytesSent);
    m_pProgress->show();
    SetText(m_pSend, QString::fromStdString(res::Sending(bytesSent, total, msLeft)));
}

void CStatusLine::ShowSent(int bytesTaken, int frameBytes, std::uint8_t checksum, bool taken, const QString& why) {
    m_pProgress->hide();
    const QString outcome =
        QString::fromStdString(taken                      ? res::Sent(frameBytes, checksum)
                               : bytesTaken == frameBytes ? res::SentStalled(frameBytes, checksum, why.toStdString())
                                                          : res::SentPart(bytesTaken, frameBytes, why.toStdString()));
    SetText(m_pSend, outcome);
    MessageLog().Add(outcome);
}

void CStatusLine::ShowHint(const QString& hint) {
    // A hint stands while the window is so: it goes into the log when it first shows, not at each repeat.
    if (hint != m_pHint->FullText()) {
        MessageLog().Add(hint);
    }
    m_pHint->SetFullText(hint);
}

QString CStatusLine::HintText() const {
    return m_pHint->FullText();
}

void CStatusLine::ShowNote(const QString& note) {
    m_pNote->SetFullText(note);
    MessageLog().Add(note);
}

QString CStatusLine::NoteShown() const {
    return m_pNote->Shown(m_pNote->contentsRect().width());
}

void CStatusLine::ShowLink(const QString& text) {
    if (text != m_pLink->FullText()) {
        MessageLog().Add(text);
    }
    m_pLink->SetFullText(text);
}

void CStatusLine::ShowReceived(int count, const std::string& lastBytesHex) {
    m_pReceived->SetFullText(QString::fromStdString(res::Received(count, lastBytesHex)));
}

QString CStatusLine::SendText() const {
    return m_pSend->text();
}
QString CStatusLine::NoteText() const {
    return m_pNote->FullText();
}
QString CStatusLine::LinkText() const {
    return m_pLink->FullText();
}
QString CStatusLine::ReceivedText() const {
    return m_pReceived->FullText();
}

} // namespace velmar
