#pragma once
// The window's side of the programming session: the session itself, and what the operator sees of it in the
// status line (which device COM1 is and its state, how a Send goes and how it ended, what the radio sent back)
// and in boxes (what the line has to tell). The settings dialog keeps its handlers; they come here for the line.

#include "ProgrammingSession.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velmar {

class CDialog;
class CStatusLine;
struct PortInForce;

class CSessionWiring : public QObject {
public:
    // `received` is called when bytes came, from the line's watch thread (it posts the dialog's message), at most
    // once until the bytes are taken and a quiet time after that has passed; `portsPresent` lists the ports for
    // a missing device's box.
    CSessionWiring(CDialog& dialog, std::function<void()> received,
                   std::function<std::vector<std::string>()> portsPresent);
    ~CSessionWiring() override;

    void SetStatusLine(CStatusLine* statusLine) { m_pStatusLine = statusLine; }

    // Opens the line to `port`; a failure has been shown in a box when it returns false.
    bool Open(const PortInForce& port);
    // Stops a Send and closes the line.
    void Close();
    [[nodiscard]] bool IsOpen() const { return m_session.IsOpen(); }

    // Sends `setting` (and keeps it in the history); `finished` runs on the window thread with the result once
    // the Send has ended. False when it could not start.
    bool StartSend(const RadioSettings& setting, std::function<void(const SendResult&)> finished);
    // Ends a Send at once and says so: "stopped by Disconnect".
    void StopSend();
    [[nodiscard]] bool IsSending() const { return m_session.Sending() || m_bSendPending; }

    // The bytes the radio sent since the last call; the received figures are shown from the dialog's count.
    std::size_t TakeReceived(std::vector<std::uint8_t>* out);
    // The count and the last bytes in the status line, at most 20 times a second unless `now`.
    void ShowReceived(int count, const std::string& lastBytesHex, bool now = false);

    // "COM1 = /dev/ttyUSB0 (remembered), open".
    void ShowLink(const PortInForce& port);

    void SetTrace(PacedTrace* trace) { m_session.SetTrace(trace); }
    void SetBeforeWrite(std::function<void(int index)> hook) { m_session.SetBeforeWrite(std::move(hook)); }

private:
    void ShowMessage(const LinkMessage& message);
    void RefreshSendTime();
    void EndSend(const SendResult& result);
    void ShowReceivedNow();

    CDialog& m_dialog;
    std::function<void()> m_received;
    std::function<std::vector<std::string>()> m_portsPresent;
    CStatusLine* m_pStatusLine = nullptr;
    CProgrammingSession m_session;

    bool m_bSendPending = false; // from the Send until its end has been handled on the window thread
    int m_nSendGeneration = 0;   // tells a late posted call of an earlier Send from the current one
    QTimer m_sendTimer;          // refreshes the time left between writes

    // One notification at a time: a radio that talks at line rate costs one run per batch, not per byte.
    std::atomic<bool> m_bReadPosted{false};
    QTimer m_readQuiet; // after a run of the dialog's reply handler no notification is posted until it ends
    QElapsedTimer m_receivedShown;
    QTimer m_receivedTimer;
    int m_nShownCount = 0;
    std::string m_strShownHex;
    std::string m_strLink; // "COM1 = ... (why)"
    bool m_bShownHungUp = false;
    // Whether a "buff full" box is up; set on the watch thread, shared with the posted box, which may outlive this.
    std::shared_ptr<std::atomic<bool>> m_pBuffFullShown = std::make_shared<std::atomic<bool>>(false);
};

} // namespace velmar
