#pragma once
// The lines below the settings: how a Send is going or how it ended, which
// device COM1 is and whether it is open, what the radio sent back, and a
// word on what happened to the operator's last input.

#include <QWidget>

#include <cstdint>
#include <string>

class QLabel;
class QProgressBar;

namespace velmar {

class CElidedLabel;

class CStatusLine : public QWidget {
public:
    explicit CStatusLine(QWidget* parent = nullptr);

    // During a Send: bytes written so far of `total`, and about how long it has to go.
    void ShowSending(int bytesSent, int total, int msLeft);
    // After a Send: how many bytes the line took of the frame's and the frame's checksum byte; `why` says what
    // ended a Send that fell short. Shown whole, never elided.
    // `taken`: the whole frame with every pause kept; a whole frame that is not taken stalled (`why` says where).
    void ShowSent(int bytesTaken, int frameBytes, std::uint8_t checksum, bool taken, const QString& why);
    // Which device COM1 is, why, and its state: "COM1 = /dev/ttyUSB0 (remembered), open".
    void ShowLink(const QString& text);
    // Bytes received since start and the last of them as "%02X" pairs.
    void ShowReceived(int count, const std::string& lastBytesHex);
    // A word on what just happened to the operator's input ("CH3: 520.00000 is outside ..."), until the next.
    void ShowNote(const QString& note);

    QString SendText() const;
    QString LinkText() const;
    QString ReceivedText() const;
    // Why the window is as it is, for as long as it is so ("PMR, LPD and PMR + LPD use the radio's own
    // channels ..."); empty for none.
    void ShowHint(const QString& hint);
    QString NoteText() const;
    // The note as it is painted now: whole, or cut between words with "…".
    QString NoteShown() const;
    QString HintText() const;
    const QProgressBar* Progress() const { return m_pProgress; }

private:
    QProgressBar* m_pProgress;
    QLabel* m_pSend;
    CElidedLabel* m_pNote;
    CElidedLabel* m_pHint;
    CElidedLabel* m_pLink;
    CElidedLabel* m_pReceived;
};

} // namespace velmar
