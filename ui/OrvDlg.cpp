#include "OrvDlg.h"

#include "Orv.h"
#include "ResourceLoader.h"

#include "MessageBoxes.h"
#include "StatusLine.h"

#include "ChannelEntry.h"
#include "ProgrammingFrame.h"

#include <QPainter>
#include <QThread>

#include <cstdio>

namespace velmar {

std::atomic<COrvDlg*> g_hNotifyWnd{nullptr};

COrvDlg::COrvDlg(QWidget* parent) : CDialog(IDD, parent), m_hIcon(LoadIcon(IDR_MAINFRAME)) {
    // Message map: a control's notification and the handler it runs.
    MapCommandRange(EN_CHANGE, IDC_CH1, IDC_CH8, &COrvDlg::OnChangeChannel);
    MapCommand(BN_CLICKED, IDC_SPACING_25K, &COrvDlg::OnSpacing25k);
    MapCommand(BN_CLICKED, IDC_SPACING_12K5, &COrvDlg::OnSpacing12k5);
    MapCommand(CBN_SELCHANGE, IDC_GROUP, &COrvDlg::OnSelchangeGroup);
    MapCommand(BN_CLICKED, IDC_MODE_GROUP, &COrvDlg::OnModeGroup);
    MapCommand(BN_CLICKED, IDC_MODE_PMR, &COrvDlg::OnModePmr);
    MapCommand(BN_CLICKED, IDC_MODE_LPD, &COrvDlg::OnModeLpd);
    MapCommand(BN_CLICKED, IDC_MODE_PMR_LPD, &COrvDlg::OnModePmrLpd);
    MapCommand(BN_CLICKED, IDC_CONNECT, &COrvDlg::OnConnect);
    MapCommand(BN_CLICKED, IDC_SEND, &COrvDlg::OnSend);
    MapCommand(BN_CLICKED, IDC_DISCONNECT, &COrvDlg::OnDisconnect);
    MapMessage(WM_COMM_READ, &COrvDlg::OnCommRead);

    m_comm.SetNotify([this] { PostMessage(WM_COMM_READ, 0, 0); });
    m_comm.SetMessageSink([this](const LinkMessage& message) { ShowLinkMessage(message); });
    m_sendTimer.setInterval(100);
    QObject::connect(&m_sendTimer, &QTimer::timeout, this, [this] { RefreshSendTime(); });
}

COrvDlg::~COrvDlg() {
    // However the window closes, a Send in progress stops here and the port is
    // released with its watch thread joined, before anything they use is gone.
    m_sender.Stop();
    m_comm.Close();
    COrvDlg* self = this;
    g_hNotifyWnd.compare_exchange_strong(self, nullptr);
}

void COrvDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    RadioSettings& r = m_record;
    DDX_Control(pDX, IDC_SEND, m_btnSend);
    DDX_Control(pDX, IDC_DISCONNECT, m_btnDisconnect);
    DDX_Control(pDX, IDC_CONNECT, m_btnConnect);
    for (int c = 0; c < kChannelCount; ++c) {
        DDX_Text(pDX, IDC_CH1 + c, r.m_strChannel[static_cast<std::size_t>(c)]);
        DDV_MaxChars(pDX, r.m_strChannel[static_cast<std::size_t>(c)], kFreqTextLength);
    }
    DDX_CBString(pDX, IDC_BCLO, r.m_strBclo);
    DDX_CBIndex(pDX, IDC_BUTTON_LONG, r.m_nButtonLongTime);
    DDX_CBIndex(pDX, IDC_PTT_FP, r.m_nPttFp);
    DDX_CBIndex(pDX, IDC_GROUP, r.m_nGroup);
    DDX_CBIndex(pDX, IDC_POWER_SAVE, r.m_nPowerSave);
    DDX_CBIndex(pDX, IDC_SCAN_DELAY, r.m_nScanDelay);
    DDX_CBIndex(pDX, IDC_PTT_TOT, r.m_nPttTot);
    DDX_CBIndex(pDX, IDC_VOX_ATTACK, r.m_nVoxAttack);
    DDX_CBIndex(pDX, IDC_VOX_RELEASE, r.m_nVoxRelease);
    DDX_Radio(pDX, IDC_CTCSS_DISABLE, r.m_nCtcss);
    DDX_Radio(pDX, IDC_DCS_DISABLE, r.m_nDcs);
    DDX_Radio(pDX, IDC_SELF_TONE_ON, r.m_nSelfTone);
    DDX_Radio(pDX, IDC_SPACING_12K5, r.m_nSpacing);
    DDX_Radio(pDX, IDC_MODE_PMR, r.m_nMode);
    DDX_CBIndex(pDX, IDC_BAND, r.m_nBand);
}

bool COrvDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (CMenu* pSysMenu = GetSystemMenu(false)) {
        const QString about = LoadString(IDS_ABOUTBOX);
        if (!about.isEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
        }
    }

    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);

    g_hNotifyWnd.store(this, std::memory_order_release);

    m_btnDisconnect.EnableWindow(false);
    m_btnSend.EnableWindow(false);

    // The "PMR" mode's enabling: the mode the dialog starts in.
    EnableGroupControls(false);
    EnableWindow(IDC_SPACING_25K, false);
    EnableWindow(IDC_SPACING_12K5, true);
    EnableWindow(IDC_BAND_LABEL, false);
    EnableWindow(IDC_BAND, false);

    m_pStatusLine = new CStatusLine(this);
    AddBelowTemplate(m_pStatusLine);
    ShowLinkState();
    m_pStatusLine->ShowReceived(m_nRxCount, m_strRxText);
    return true;
}

void COrvDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout(this);
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void COrvDlg::OnPaint(QPaintEvent* event) {
    if (isMinimized()) {
        QPainter painter(this);
        const int cxIcon = 32;
        const int cyIcon = 32;
        const int x = (width() - cxIcon + 1) / 2;
        const int y = (height() - cyIcon + 1) / 2;
        m_hIcon.paint(&painter, x, y, cxIcon, cyIcon);
        return;
    }
    CDialog::OnPaint(event);
}

void COrvDlg::EnableGroupControls(bool enable) {
    EnableWindow(IDC_GROUP_LABEL, enable);
    EnableWindow(IDC_GROUP, enable);
    for (int id : kChannelLabelIds) {
        EnableWindow(id, enable);
    }
    for (int id = IDC_CH1; id <= IDC_CH8; ++id) {
        EnableWindow(id, enable);
    }
}

void COrvDlg::ClearGroupCodes() {
    if (!GroupInRange()) {
        return;
    }
    for (std::string& code : m_record.m_strGroupCode[static_cast<std::size_t>(m_record.m_nGroup)]) {
        code.clear();
    }
}

void COrvDlg::LoadGroupChannels() {
    if (!GroupInRange()) {
        return;
    }
    m_record.m_strChannel = m_record.m_strGroupChannel[static_cast<std::size_t>(m_record.m_nGroup)];
}

void COrvDlg::OnChangeChannel(int id) {
    const int channel = id - IDC_CH1;
    UpdateData(true);
    const ChannelChange change = EnterChannelText(m_record, channel);
    if (change.invalidCharacter) {
        // Shown while the failing text still stands in the edit.
        MessageBox(QString::fromLatin1(kMsgPleaseInputInteger));
    }
    if (change.writeBack) {
        UpdateData(false);
    }
}

void COrvDlg::OnSpacingClicked() {
    UpdateData(true);
    for (std::string& text : m_record.m_strChannel) {
        text.clear();
    }
    ClearGroupCodes();
    if (GroupInRange()) {
        m_record.m_nGroupSpacing[static_cast<std::size_t>(m_record.m_nGroup)] = m_record.m_nSpacing;
    }
    UpdateData(false);
}

void COrvDlg::OnSpacing25k() {
    OnSpacingClicked();
}

void COrvDlg::OnSpacing12k5() {
    OnSpacingClicked();
}

void COrvDlg::OnSelchangeGroup() {
    UpdateData(true);
    LoadGroupChannels();
    if (GroupInRange()) {
        m_record.m_nSpacing = m_record.m_nGroupSpacing[static_cast<std::size_t>(m_record.m_nGroup)];
    }
    if (m_record.m_nSpacing != 0 && m_record.m_nSpacing != 1) {
        m_record.m_nSpacing = 0;
    }
    UpdateData(false);
}

void COrvDlg::ApplyMode(const ModeEnabling& mode) {
    UpdateData(true);
    EnableWindow(IDC_SPACING_25K, mode.spacing25k);
    EnableWindow(IDC_SPACING_12K5, mode.spacing12k5);
    EnableWindow(IDC_BAND_LABEL, mode.band);
    EnableWindow(IDC_BAND, mode.band);
    if (mode.spacing != kSpacingUnchanged) {
        m_record.m_nSpacing = mode.spacing;
    }
    EnableGroupControls(mode.group);
    UpdateData(false);
}

// What each mode opens: the spacing radios, the band controls, the spacing it
// shows, and the group controls.
void COrvDlg::OnModeGroup() {
    ApplyMode({.spacing25k = true, .spacing12k5 = true, .band = true, .spacing = 0, .group = true});
}

void COrvDlg::OnModePmr() {
    ApplyMode({.spacing25k = false, .spacing12k5 = true, .band = false, .spacing = 0, .group = false});
}

void COrvDlg::OnModeLpd() {
    ApplyMode({.spacing25k = true, .spacing12k5 = false, .band = false, .spacing = 1, .group = false});
}

void COrvDlg::OnModePmrLpd() {
    ApplyMode({.spacing25k = false, .spacing12k5 = false, .band = false, .spacing = kSpacingUnchanged, .group = false});
}

void COrvDlg::ShowLinkMessage(const LinkMessage& message) {
    const QString text = QString::fromStdString(message.text);
    const QString detail = QString::fromStdString(message.detail);
    if (QThread::currentThread() == thread()) {
        AfxMessageBox(text, MB_OK, detail);
        if (message.dismissed) {
            message.dismissed();
        }
        return;
    }
    // From the watch thread: the box goes to the window's thread and the
    // watch thread carries on receiving.
    PostCall([text, detail, dismissed = message.dismissed] {
        AfxMessageBox(text, MB_OK, detail);
        if (dismissed) {
            dismissed();
        }
    });
}

void COrvDlg::ShowLinkState() {
    if (m_pStatusLine == nullptr) {
        return;
    }
    const std::string port = GetPortName();
    QString state = m_comm.m_bPortOpen.load() ? "open" : "closed";
    if (m_comm.m_bPortOpen.load() && m_comm.LineHungUp()) {
        state = "open, the line hung up";
    }
    m_pStatusLine->ShowLink(QString::fromStdString(port), QString::fromStdString(DevicePathForPort(port)), state);
}

void COrvDlg::OnConnect() {
    UpdateData(true);
    if (m_comm.m_bPortOpen.load()) {
        AfxMessageBox("Already Port open");
        return;
    }
    if (m_comm.Open(GetPortName(), GetBaudRate(), GetByteSize(), GetStopBits(), GetParity())) {
        ShowLinkState();
        MessageBox("COM1 Port Open");
        m_btnDisconnect.EnableWindow(true);
        m_btnSend.EnableWindow(true);
        m_btnConnect.EnableWindow(false);
    }
}

void COrvDlg::OnDisconnect() {
    // Disconnect is disabled while a Send runs; should it come anyway, the
    // writes end before the port they use goes away.
    m_sender.Stop();
    m_comm.Close();
    ShowLinkState();
    MessageBox("COM1 Port Close");
    m_btnDisconnect.EnableWindow(false);
    m_btnSend.EnableWindow(false);
    m_btnConnect.EnableWindow(true);
}

LRESULT COrvDlg::OnCommRead(WPARAM, LPARAM) {
    UpdateData(true);
    // Only what is queued now: bytes arriving meanwhile bring their own notification.
    const int count = m_comm.m_rxQueue.Count();
    for (int i = 0; i < count; ++i) {
        std::uint8_t byte = 0;
        m_comm.m_rxQueue.Take(&byte);
        ++m_nRxCount;
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        m_strRxText += hex;
    }
    constexpr std::size_t kShownBytes = 16;
    if (m_strRxText.size() > 2 * kShownBytes) {
        m_strRxText.erase(0, m_strRxText.size() - 2 * kShownBytes);
    }
    if (m_pStatusLine != nullptr) {
        m_pStatusLine->ShowReceived(m_nRxCount, m_strRxText);
    }
    ShowLinkState();
    return 1;
}

void COrvDlg::OnSend() {
    if (IsSending()) {
        return;
    }
    UpdateData(true);
    m_btnDisconnect.EnableWindow(false);
    m_btnSend.EnableWindow(false);

    const ProgrammingFrame frame = BuildProgrammingFrame(m_record);
    m_nSendChecksum = frame.bytes[kChecksumOffset];
    std::vector<PacedPiece> pieces;
    pieces.reserve(frame.writes.size());
    m_sendMsAfter.assign(frame.writes.size() + 1, 0);
    for (std::size_t i = frame.writes.size(); i-- > 0;) {
        m_sendMsAfter[i] = m_sendMsAfter[i + 1] + frame.writes[i].pauseAfterMs;
    }
    for (const PacedWrite& write : frame.writes) {
        pieces.push_back({write.bytes, write.pauseAfterMs});
    }

    m_nSendBytesTaken.store(0, std::memory_order_relaxed);
    m_bSendPending = true;
    m_nSendMsLeft = m_sendMsAfter[0];
    m_sendClock.start();
    m_sendTimer.start();
    if (m_pStatusLine != nullptr) {
        m_pStatusLine->ShowSending(0, kFrameSize, m_nSendMsLeft);
    }
    m_sender.Start(
        std::move(pieces),
        [this](const std::uint8_t* bytes, std::uint32_t count) {
            const std::uint32_t taken = m_comm.Write(bytes, count);
            m_nSendBytesTaken.fetch_add(static_cast<int>(taken), std::memory_order_relaxed);
            return taken;
        },
        [this] { PostCall([this] { OnSendProgress(); }); },
        [this](bool stopped) {
            if (!stopped) {
                PostCall([this] { OnSendFinished(); });
            }
        });
}

void COrvDlg::OnSendProgress() {
    if (!m_bSendPending) {
        return;
    }
    const int written = m_sender.PiecesWritten();
    m_nSendMsLeft = m_sendMsAfter[static_cast<std::size_t>(std::min<int>(written, m_sendMsAfter.size()) - 1)];
    m_sendClock.restart();
    RefreshSendTime();
}

void COrvDlg::RefreshSendTime() {
    if (m_pStatusLine != nullptr && m_bSendPending) {
        const int left = m_nSendMsLeft - static_cast<int>(m_sendClock.elapsed());
        m_pStatusLine->ShowSending(m_sender.BytesWritten(), kFrameSize, left);
    }
}

void COrvDlg::OnSendFinished() {
    m_sender.Stop(); // the run has ended; this only joins its thread
    m_bSendPending = false;
    m_sendTimer.stop();
    m_btnDisconnect.EnableWindow(true);
    m_btnSend.EnableWindow(true);
    if (m_pStatusLine != nullptr) {
        m_pStatusLine->ShowSent(m_nSendBytesTaken.load(std::memory_order_relaxed), kFrameSize, m_nSendChecksum);
    }
    ShowLinkState();
}

} // namespace velmar
