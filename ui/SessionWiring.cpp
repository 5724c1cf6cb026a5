#include "SessionWiring.h"

#include "Dialog.h"
#include "MessageBoxes.h"
#include "ResourceLoader.h"
#include "StatusLine.h"

#include "PortRule.h"
#include "Resource.h"
#include "SentHistory.h"
#include "Strings.h"
#include "Words.h"

#include <QThread>

namespace velmar {

namespace {
// While a radio talks, the window fetches what the link queued at most every kFetchMs, often enough that a flood
// never fills the queue (4 KiB, 80 kB/s), and repaints the count at most every kDisplayMs.
constexpr int kFetchMs = 50;
constexpr int kDisplayMs = 200;
} // namespace

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CSessionWiring::CSessionWiring(CDialog& dialog, std::function<void()> received,
                               std::function<std::vector<std::string>()> portsPresent)
    : m_dialog(dialog), m_received(std::move(received)), m_portsPresent(std::move(portsPresent)) {
    m_session.KeepHistory(SentHistoryDir());
    m_session.OnReceived([this] {
        // At most one notification waits at a time; the window fetches what comes meanwhile itself.
        if (!m_bReadPosted.exchange(true, std::memory_order_acq_rel)) {
            m_received();
        }
    });
    m_session.SetMessageSink([this](const LinkMessage& message) { ShowMessage(message); });
    m_sendTimer.setInterval(100);
    QObject::connect(&m_sendTimer, &QTimer::timeout, this, [this] { RefreshSendTime(); });
    m_receivedTimer.setSingleShot(true);
    QObject::connect(&m_receivedTimer, &QTimer::timeout, this, [this] { ShowReceivedNow(); });
    m_readQuiet.setSingleShot(true);
    m_readQuiet.setInterval(kFetchMs);
    QObject::connect(&m_readQuiet, &QTimer::timeout, this, [this] {
        // Paired with the exchange in the notification: either the watch thread notifies again, or this sees
        // the bytes it queued.
        m_bReadPosted.exchange(false, std::memory_order_acq_rel);
        if (m_session.ReceivedWaiting()) {
            m_received();
        }
    });
}

CSessionWiring::~CSessionWiring() {
    // However the window closes, a Send in progress stops here and the port is released with its watch thread
    // joined, before anything its callbacks use is gone.
    m_session.Close();
}

bool CSessionWiring::Open(const PortInForce& port) {
    const bool open = m_session.Open(port.device);
    ShowLink(port);
    if (open && m_session.StaleHoldCleared() && m_pStatusLine != nullptr) {
        m_pStatusLine->ShowNote(Q(res::StaleHoldCleared(port.device)));
    }
    return open;
}

void CSessionWiring::Close() {
    m_session.Close();
    ShowLink({});
}

bool CSessionWiring::StartSend(const RadioSettings& setting, std::function<void(const SendResult&)> finished) {
    if (IsSending()) {
        return false;
    }
    m_bSendPending = true;
    const int generation = ++m_nSendGeneration;
    m_sendTimer.start();
    // The writer's thread only posts: everything else happens on the window thread.
    const bool started = m_session.StartSend(
        setting,
        [this, generation](const SendProgress&) {
            m_dialog.PostCall([this, generation] {
                if (m_bSendPending && generation == m_nSendGeneration) {
                    RefreshSendTime();
                }
            });
        },
        [this, generation, finished = std::move(finished)](const SendResult& result) {
            m_dialog.PostCall([this, generation, finished, result] {
                if (m_bSendPending && generation == m_nSendGeneration) {
                    EndSend(result);
                    finished(result);
                }
            });
        });
    if (!started) {
        m_bSendPending = false;
        m_sendTimer.stop();
        return false;
    }
    RefreshSendTime();
    return true;
}

void CSessionWiring::StopSend() {
    if (IsSending()) {
        m_session.Stop();
        EndSend(m_session.LastResult());
    }
}

void CSessionWiring::RefreshSendTime() {
    if (m_pStatusLine != nullptr && m_bSendPending) {
        const SendProgress progress = m_session.Progress();
        m_pStatusLine->ShowSending(progress.bytesWritten, kFrameSize, progress.msLeft);
    }
}

void CSessionWiring::EndSend(const SendResult& result) {
    m_bSendPending = false;
    m_sendTimer.stop();
    if (m_pStatusLine != nullptr) {
        // Only Disconnect stops a Send in the window: a close waits for the frame.
        m_pStatusLine->ShowSent(
            result.bytesWritten, kFrameSize, result.checksum, result.Taken(),
            Q(res::DescribeSendEnd(result.end, result.bytesWritten, SendStopper::Disconnect, result.stall)));
        if (result.notRecorded) {
            // The radio has its setting all the same: the Send is not undone by a history that cannot be kept.
            m_pStatusLine->ShowNote(Q(res::NotInHistory(*result.notRecorded)));
        }
    }
    ShowLink({});
}

std::size_t CSessionWiring::TakeReceived(std::vector<std::uint8_t>* out) {
    // Bytes arriving meanwhile, or in the quiet time after, are fetched when it ends: a radio talking at line
    // rate costs the window a few runs a second, not one per byte.
    m_readQuiet.start();
    return m_session.TakeReceived(out);
}

void CSessionWiring::ShowReceived(int count, const std::string& lastBytesHex, bool now) {
    m_nShownCount = count;
    m_strShownHex = lastBytesHex;
    // Repainted a few times a second at most: a radio talking at line rate, or flooding, must cost the window
    // next to nothing.
    if (now || !m_receivedShown.isValid() || m_receivedShown.elapsed() >= kDisplayMs) {
        ShowReceivedNow();
    } else if (!m_receivedTimer.isActive()) {
        m_receivedTimer.start(kDisplayMs - static_cast<int>(m_receivedShown.elapsed()));
    }
}

void CSessionWiring::ShowReceivedNow() {
    m_receivedShown.start();
    if (m_pStatusLine != nullptr) {
        m_pStatusLine->ShowReceived(m_nShownCount, m_strShownHex);
    }
    if (m_session.IsOpen() && m_session.LineHungUp() != m_bShownHungUp) {
        ShowLink({});
    }
}

void CSessionWiring::ShowLink(const PortInForce& port) {
    // An empty port keeps what is shown; one that stands for no device says so.
    if (!port.device.empty() || port.reason == PortReason::Unreadable) {
        m_strLink = res::Com1Text(port);
    }
    const bool hungUp = m_session.IsOpen() && m_session.LineHungUp();
    m_bShownHungUp = hungUp;
    if (m_pStatusLine != nullptr) {
        const char* state = hungUp ? res::kLinkHungUp : m_session.IsOpen() ? res::kLinkOpen : res::kLinkClosed;
        m_pStatusLine->ShowLink(Q(res::LinkLine(m_strLink, state)));
    }
}

void CSessionWiring::ShowMessage(const LinkMessage& message) {
    QString text;
    QString detail;
    switch (message.event) {
    case LinkEvent::OpenFailed:
        text = LoadString(IDS_PORT_OFEN_FAIL);
        detail = Q(res::DescribeSerialFailure(message.failure));
        break;
    case LinkEvent::BufferFull:
        text = LoadString(IDS_BUFF_FULL);
        detail = Q(res::DescribeBuffFull(message.dropped, message.held, message.capacity));
        break;
    case LinkEvent::WatchNotStarted:
        text = LoadString(IDS_WATCH_NOT_STARTED) + QStringLiteral("COM1");
        break;
    }
    if (QThread::currentThread() == thread()) {
        if (message.event == LinkEvent::OpenFailed && message.failure.kind == SerialFailureKind::NoDevice) {
            // Which ports there are instead: most often the cable got another name.
            detail += Q(res::PortsPresent(m_portsPresent()));
        }
        AfxMessageBox(text, MB_OK, detail);
        return;
    }
    // One "buff full" box at a time: a radio that floods the line would pile them up. The drops go on being
    // counted by the line meanwhile.
    const bool buffFull = message.event == LinkEvent::BufferFull;
    if (buffFull && m_pBuffFullShown->exchange(true, std::memory_order_acq_rel)) {
        return;
    }
    // From the watch thread: the box goes to the window's thread and the watch thread carries on receiving.
    m_dialog.PostCall([text, detail, buffFull, shown = m_pBuffFullShown] {
        AfxMessageBox(text, MB_OK, detail);
        if (buffFull) {
            shown->store(false, std::memory_order_release);
        }
    });
}

} // namespace velmar
