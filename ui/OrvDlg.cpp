#include "OrvDlg.h"

#include "Orv.h"
#include "ResourceLoader.h"
#include "Strings.h"

#include "MessageBoxes.h"
#include "StatusLine.h"

#include "ChannelEntry.h"
#include "GroupSelection.h"
#include "ProgrammingFrame.h"
#include "Unsaved.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QThread>

#include <cstdio>

namespace velmar {

std::atomic<COrvDlg*> g_hNotifyWnd{nullptr};

COrvDlg::COrvDlg(QWidget* parent) : CDialog(IDD, parent), m_hIcon(LoadIcon(IDR_MAINFRAME)) {
    // Message map: a control's notification and the handler it runs.
    MapCommandRange(EN_CHANGE, IDC_CH1, IDC_CH8, &COrvDlg::OnChangeChannel);
    MapCommandRange(EN_KILLFOCUS, IDC_CH1, IDC_CH8, &COrvDlg::OnKillFocusChannel);
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

    m_comm.SetNotify([this] {
        // At most one notification waits at a time; the window fetches what comes meanwhile itself.
        if (!m_bReadPosted.exchange(true, std::memory_order_acq_rel)) {
            PostMessage(WM_COMM_READ, 0, 0);
        }
    });
    m_comm.SetMessageSink([this](const LinkMessage& message) { ShowLinkMessage(message); });
    m_sendTimer.setInterval(100);
    QObject::connect(&m_sendTimer, &QTimer::timeout, this, [this] { RefreshSendTime(); });
    m_receivedTimer.setSingleShot(true);
    QObject::connect(&m_receivedTimer, &QTimer::timeout, this, [this] { ShowReceivedSoon(); });
    m_readQuiet.setSingleShot(true);
    m_readQuiet.setInterval(50);
    QObject::connect(&m_readQuiet, &QTimer::timeout, this, [this] {
        // Paired with the exchange in the notification: either the watch thread posts again, or this run sees
        // the bytes it queued.
        m_bReadPosted.exchange(false, std::memory_order_acq_rel);
        if (m_comm.m_rxQueue.Count() > 0) {
            OnCommRead(0, 0);
        }
    });
}

COrvDlg::~COrvDlg() {
    // However the window closes, a Send in progress stops here and the port is
    // released with its watch thread joined, before anything they use is gone.
    m_session.Close();
    // A clean end: nothing is left to restore, whether the changes were saved or discarded.
    ForgetUnsaved();
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

    std::string unread;
    m_port = ResolveCom1(QFile::encodeName(m_strCommandLinePort).toStdString(), &unread);
    BuildMenus();
    if (CMenu* pSysMenu = GetSystemMenu(false)) {
        // The right-click menu offers what the menu bar does.
        QMenu* menu = pSysMenu->menu();
        QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().front();
        menu->insertMenu(first, m_pFileMenu);
        menu->insertMenu(first, m_pPortMenu);
        menu->insertMenu(first, m_pChannelsMenu);
        menu->insertSeparator(first);
    }
    m_pStatusLine = new CStatusLine(this);
    AddBelowTemplate(m_pStatusLine);
    ShowLinkState();
    m_pStatusLine->ShowReceived(m_nRxCount, m_strRxText);
    if (!unread.empty()) {
        m_pStatusLine->ShowNote(QString("No port remembered: %1").arg(QString::fromLocal8Bit(unread)));
    }

    // The title marks unsaved changes as the controls change, once per burst of changes.
    m_savedSetting = m_record;
    m_titleTimer.setSingleShot(true);
    QObject::connect(&m_titleTimer, &QTimer::timeout, this, [this] { UpdateTitle(); });
    m_unsavedTimer.setSingleShot(true);
    m_unsavedTimer.setInterval(500);
    QObject::connect(&m_unsavedTimer, &QTimer::timeout, this, [this] { KeepUnsavedNow(); });
    for (const res::ControlTemplate& row : Template().controls) {
        QWidget* w = GetDlgItem(row.id);
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QObject::connect(combo, &QComboBox::currentIndexChanged, this, [this] { m_titleTimer.start(0); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            QObject::connect(edit, &QLineEdit::textChanged, this, [this] { m_titleTimer.start(0); });
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            QObject::connect(button, &QAbstractButton::toggled, this, [this] { m_titleTimer.start(0); });
        }
    }
    setAcceptDrops(true);
    if (!m_strStartFile.isEmpty()) {
        // Once the window is up, so that a refusal has a window to stand over.
        PostCall([this, path = m_strStartFile] { LoadSettingFile(path); });
    }
    PostCall([this] { OfferLeftUnsaved(); });
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
    velmar::ClearGroupCodes(m_record);
}

void COrvDlg::LoadGroupChannels() {
    velmar::LoadGroupChannels(m_record);
}

namespace {

const char* const kClosingAfterSend = "Closing after the Send\u2026";

} // namespace

void COrvDlg::OnChangeChannel(int id) {
    const int channel = id - IDC_CH1;
    if (!UpdateData(true)) {
        return;
    }
    // The box comes while the failing text still stands, and before anything is written back: whatever runs
    // while it is open finds the record as it was.
    RadioSettings trial = m_record;
    if (EnterChannelText(trial, channel).invalidCharacter) {
        MessageBox(LoadString(IDS_PLEASE_INPUT_INTEGER));
    }
    const ChannelChange change = EnterChannelText(m_record, channel);
    SayCorrection(channel, change);
    if (change.writeBack) {
        UpdateData(false);
        if (change.correction == Correction::None) {
            SayDuplicates();
        }
    }
}

void COrvDlg::OnKillFocusChannel(int id) {
    if (!UpdateData(true)) {
        return;
    }
    const int channel = id - IDC_CH1;
    if (CompleteChannel(channel, m_record.m_strChannel[static_cast<std::size_t>(channel)])) {
        UpdateData(false);
    }
}

bool COrvDlg::CompleteChannel(int channel, std::string text) {
    const std::optional<std::string> completed = CompleteFreqBeginning(text);
    if (!completed) {
        return false;
    }
    m_record.m_strChannel[static_cast<std::size_t>(channel)] = *completed;
    const ChannelChange change = EnterChannelText(m_record, channel);
    if (m_pStatusLine != nullptr && change.correction == Correction::None) {
        m_pStatusLine->ShowNote(
            QString("CH%1: %2 completed to %3").arg(channel + 1).arg(FromMemberText(text), FromMemberText(*completed)));
    }
    SayCorrection(channel, change);
    return true;
}

void COrvDlg::SayCorrection(int channel, const ChannelChange& change) {
    if (m_pStatusLine == nullptr || change.correction == Correction::None) {
        return;
    }
    const QString entered = FromMemberText(change.entered);
    const QString shown = FromMemberText(m_record.m_strChannel[static_cast<std::size_t>(channel)]);
    QString note;
    switch (change.correction) {
    case Correction::OutOfRange:
        note = QString("CH%1: %2 is outside 400 to 500 MHz, cleared").arg(channel + 1).arg(entered);
        break;
    case Correction::MovedDown:
        note = QString("CH%1: %2 moved down to %3 (6.25 kHz steps)").arg(channel + 1).arg(entered, shown);
        break;
    case Correction::NotAFrequency:
        note = QString("CH%1: %2 is not a frequency (three digits, a point, five digits), cleared")
                   .arg(channel + 1)
                   .arg(entered);
        break;
    case Correction::None:
        break;
    }
    m_pStatusLine->ShowNote(note);
}

int COrvDlg::UnsettledChannel() const {
    if (!GroupInRange()) {
        return -1;
    }
    for (int c = 0; c < kChannelCount; ++c) {
        const std::string shown = ToMemberText(GetDlgItemAs<QLineEdit>(IDC_CH1 + c)->text());
        if (shown !=
            m_record.m_strGroupChannel[static_cast<std::size_t>(m_record.m_nGroup)][static_cast<std::size_t>(c)]) {
            return c;
        }
    }
    return -1;
}

bool COrvDlg::RefuseUnsettled() {
    const int channel = UnsettledChannel();
    if (channel < 0) {
        return false;
    }
    const std::string shown = m_record.m_strChannel[static_cast<std::size_t>(channel)];
    MessageBox(QString("Group %1 CH%2 shows \"%3\", which is not a frequency that can be sent. Complete it "
                       "(nine characters, such as 446.10000) or clear it, then try again.")
                   .arg(QChar('A' + m_record.m_nGroup))
                   .arg(channel + 1)
                   .arg(FromMemberText(shown)));
    return true;
}

void COrvDlg::OnSpacingClicked() {
    if (!UpdateData(true)) {
        return;
    }
    ClickSpacing(m_record);
    UpdateData(false);
}

void COrvDlg::OnSpacing25k() {
    OnSpacingClicked();
}

void COrvDlg::OnSpacing12k5() {
    OnSpacingClicked();
}

void COrvDlg::OnSelchangeGroup() {
    // What the edits of the group being left hold: a beginning of a frequency counts as typed out with zeros,
    // under the group it was typed for.
    for (int c = 0; c < kChannelCount; ++c) {
        CompleteChannel(c, ToMemberText(GetDlgItemAs<QLineEdit>(IDC_CH1 + c)->text()));
    }
    if (!UpdateData(true)) {
        return;
    }
    ShowGroup(m_record);
    UpdateData(false);
}

void COrvDlg::ApplyMode(const ModeEnabling& mode) {
    if (!UpdateData(true)) {
        return;
    }
    EnableWindow(IDC_SPACING_25K, mode.spacing25k);
    EnableWindow(IDC_SPACING_12K5, mode.spacing12k5);
    EnableWindow(IDC_BAND_LABEL, mode.band);
    EnableWindow(IDC_BAND, mode.band);
    if (mode.spacing != kSpacingUnchanged) {
        m_record.m_nSpacing = mode.spacing;
    }
    EnableGroupControls(mode.group);
    if (m_pChannelsMenu != nullptr) {
        // The plans fill the edits, which only "GRUOP" opens.
        for (QAction* action : m_pChannelsMenu->actions()) {
            action->setEnabled(mode.group);
        }
    }
    UpdateData(false);
}

// What each mode opens: the spacing radios, the band controls, the spacing it
// shows, and the group controls.
void COrvDlg::OnModeGroup() {
    // The group controls open on the group's own spacing, the one Send sends.
    ApplyMode(
        {.spacing25k = true, .spacing12k5 = true, .band = true, .spacing = GroupSpacing(m_record), .group = true});
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
    QString text;
    QString detail;
    switch (message.event) {
    case LinkEvent::OpenFailed:
        text = LoadString(IDS_PORT_OFEN_FAIL);
        detail = QString::fromStdString(res::DescribeSerialFailure(message.failure));
        break;
    case LinkEvent::BufferFull:
        text = LoadString(IDS_BUFF_FULL);
        detail = QString::fromStdString(res::DescribeBuffFull(message.dropped, message.held, COMM_BUFFER_SIZE - 1));
        break;
    case LinkEvent::WatchNotStarted:
        text = LoadString(IDS_WATCH_NOT_STARTED) + QString::fromStdString(message.portName);
        break;
    }
    if (QThread::currentThread() == thread()) {
        if (message.event == LinkEvent::OpenFailed && message.failure.kind == LinkFailureKind::NoDevice) {
            // Which ports there are instead: most often the cable got another name.
            const QStringList present = m_portLister();
            detail += present.isEmpty() ? QString("\n\nNo serial ports are present now.")
                                        : QString("\n\nSerial ports present now:\n%1").arg(present.join('\n'));
        }
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
    QString state = m_comm.m_bPortOpen.load() ? "open" : "closed";
    if (m_comm.m_bPortOpen.load() && m_comm.LineHungUp()) {
        state = "open, the line hung up";
    }
    m_bShownHungUp = m_comm.m_bPortOpen.load() && m_comm.LineHungUp();
    m_pStatusLine->ShowLink(QString("%1, %2").arg(QString::fromLocal8Bit(res::Com1Text(m_port)), state));
}

void COrvDlg::OnConnect() {
    if (!UpdateData(true)) {
        return;
    }
    if (m_comm.m_bPortOpen.load()) {
        AfxMessageBox(LoadString(IDS_ALREADY_PORT_OPEN));
        return;
    }
    if (m_port.reason != PortReason::Chosen) {
        // What decided at start may have changed meanwhile (another copy remembered another port).
        m_port = ResolveCom1(QFile::encodeName(m_strCommandLinePort).toStdString());
    }
    if (m_session.Open(GetPortName(), m_port.device)) {
        ShowLinkState();
        MessageBox(LoadString(IDS_COM1_PORT_OPEN));
        m_btnDisconnect.EnableWindow(true);
        m_btnSend.EnableWindow(true);
        m_btnConnect.EnableWindow(false);
    }
}

void COrvDlg::OnDisconnect() {
    // Disconnect is disabled while a Send runs; should it come anyway, the
    // writes end before the port they use goes away, and Send works again.
    if (IsSending()) {
        m_session.Stop();
        EndSend();
    }
    m_session.Close();
    ShowLinkState();
    MessageBox(LoadString(IDS_COM1_PORT_CLOSE));
    m_btnDisconnect.EnableWindow(false);
    m_btnSend.EnableWindow(false);
    m_btnConnect.EnableWindow(true);
}

LRESULT COrvDlg::OnCommRead(WPARAM, LPARAM) {
    // The received bytes are taken whatever the controls hold: this handler reads none of them, so it can
    // neither fail a check nor bring back a text the operator is being told about.
    // Only what is queued now. Bytes arriving meanwhile, or in the quiet time after, are fetched when that ends:
    // a radio talking at line rate costs the window a few runs a second, not one per byte.
    m_readQuiet.start();
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
    // Repainted at most 20 times a second: a radio talking at line rate must not cost the window a core.
    constexpr int kRepaintMs = 50;
    if (!m_receivedShown.isValid() || m_receivedShown.elapsed() >= kRepaintMs) {
        ShowReceivedSoon();
    } else if (!m_receivedTimer.isActive()) {
        m_receivedTimer.start(kRepaintMs - static_cast<int>(m_receivedShown.elapsed()));
    }
    return 1;
}

void COrvDlg::ShowReceivedSoon() {
    m_receivedShown.start();
    if (m_pStatusLine != nullptr) {
        m_pStatusLine->ShowReceived(m_nRxCount, m_strRxText);
    }
    if (m_comm.LineHungUp() != m_bShownHungUp) {
        ShowLinkState();
    }
}

void COrvDlg::OnSend() {
    if (IsSending()) {
        return;
    }
    // A failed check sends nothing: half the controls read is no setting.
    if (!UpdateData(true)) {
        return;
    }
    if (RefuseUnsettled()) {
        return;
    }
    m_btnDisconnect.EnableWindow(false);
    m_btnSend.EnableWindow(false);

    m_sentRecord = m_record;
    // The record ends as a Send leaves it (empty codes become "ffff", the option codes and the checksum stay);
    // the frame on its way is the session's own copy, fixed now.
    BuildProgrammingFrame(m_record);

    // An answer shown from before would read as the answer to this frame.
    m_strRxText.clear();
    ShowReceivedSoon();
    m_bSendPending = true;
    const int generation = ++m_nSendGeneration;
    m_sendTimer.start();
    const bool started = m_session.StartSend(
        m_sentRecord,
        [this, generation](const SendProgress&) { PostCall([this, generation] { OnSendProgress(generation); }); },
        [this, generation](const SendResult&) { PostCall([this, generation] { OnSendFinished(generation); }); });
    if (!started) {
        EndSend();
        m_btnDisconnect.EnableWindow(true);
        m_btnSend.EnableWindow(true);
        return;
    }
    RefreshSendTime();
}

void COrvDlg::OnSendProgress(int generation) {
    if (m_bSendPending && generation == m_nSendGeneration) {
        RefreshSendTime();
    }
}

void COrvDlg::RefreshSendTime() {
    if (m_pStatusLine != nullptr && m_bSendPending) {
        const SendProgress progress = m_session.Progress();
        m_pStatusLine->ShowSending(progress.bytesWritten, kFrameSize, progress.msLeft);
    }
}

void COrvDlg::OnSendFinished(int generation) {
    if (!m_bSendPending || generation != m_nSendGeneration) {
        return;
    }
    EndSend();
    if (m_session.LastResult().FrameSent()) {
        RecordSent();
    }
    m_btnDisconnect.EnableWindow(true);
    m_btnSend.EnableWindow(true);
    if (m_bCloseAfterSend) {
        close();
    }
}

void COrvDlg::EndSend() {
    m_bSendPending = false;
    m_sendTimer.stop();
    const SendResult result = m_session.LastResult();
    if (m_pStatusLine != nullptr) {
        QString why;
        switch (result.end) {
        case SendEnd::Stopped:
            why = "stopped by Disconnect";
            break;
        case SendEnd::HungUp:
            why = "the line hung up";
            break;
        case SendEnd::WriteFailed:
        case SendEnd::Complete:
            why = "the line did not take the rest";
            break;
        }
        m_pStatusLine->ShowSent(result.bytesWritten, kFrameSize, result.checksum, why);
    }
    ShowLinkState();
}

void COrvDlg::OnCancel() {
    // Escape, the close button and a signal all end here: none of them cuts a Send or drops unsaved changes.
    if (IsSending() || !MaybeSave()) {
        return;
    }
    CDialog::OnCancel();
}

void COrvDlg::closeEvent(QCloseEvent* event) {
    if (IsSending()) {
        m_bCloseAfterSend = true;
        if (m_pStatusLine != nullptr) {
            m_pStatusLine->ShowNote(QString::fromUtf8(kClosingAfterSend));
        }
        event->ignore();
        return;
    }
    CDialog::closeEvent(event);
}

} // namespace velmar
