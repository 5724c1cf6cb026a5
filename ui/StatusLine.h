#pragma once
// The line below the settings: how a Send is going, which device COM1 is and
// whether it is open, and what the radio sent back.

#include <QWidget>

#include <cstdint>
#include <string>

class QProgressBar;

namespace velmar {

class CElidedLabel;

class CStatusLine : public QWidget {
public:
    explicit CStatusLine(QWidget* parent = nullptr);

    // During a Send: bytes written so far of `total`, and about how long it has to go.
    void ShowSending(int bytesSent, int total, int msLeft);
    // After a Send: how many bytes the line took of the frame's, and the frame's checksum byte.
    void ShowSent(int bytesTaken, int frameBytes, std::uint8_t checksum);
    // The port, the device it stands for and its state ("open", "closed", ...).
    void ShowLink(const QString& port, const QString& device, const QString& state);
    // Bytes received since start and the last of them as "%02X" pairs.
    void ShowReceived(int count, const std::string& lastBytesHex);

    QString SendText() const;
    QString LinkText() const;
    QString ReceivedText() const;
    const QProgressBar* Progress() const { return m_pProgress; }

private:
    QProgressBar* m_pProgress;
    CElidedLabel* m_pSend;
    CElidedLabel* m_pLink;
    CElidedLabel* m_pReceived;
};

} // namespace velmar
