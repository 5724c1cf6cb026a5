#include "OrvDlg.h"

#include "AboutDlg.h"
#include "MessageBoxes.h"
#include "ResourceLoader.h"
#include "StatusLine.h"

#include "GroupSelection.h"
#include "ProgrammingFrame.h"
#include "Strings.h"
#include "Words.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include <cstdio>

namespace velmar {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

COrvDlg::COrvDlg(QWidget* parent)
    : CDialog(IDD, parent), m_hIcon(LoadIcon(IDR_MAINFRAME)),
      m_wiring(
          *this, [this] { PostMessage(WM_COMM_READ, 0, 0); },
          [this] {
              std::vector<std::string> ports;
              for (const QString& port : m_ports.Present()) {
                  ports.push_back(QFile::encodeName(port).toStdString());
              }
              return ports;
          }),
      m_ports(
          *this, [this] { return m_wiring.IsOpen(); }, [this] { m_wiring.ShowLink(m_ports.InForce()); },
          [this](const QString& note) { Say(note); }),
      m_document(*this) {
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
}

COrvDlg::~COrvDlg() = default;

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
    // A channel's name is no control of its own: the edit shows it as its tooltip.
    if (!pDX->m_bSaveAndValidate && GroupInRange()) {
        for (int c = 0; c < kChannelCount; ++c) {
            GetDlgItem(IDC_CH1 + c)
                ->setToolTip(QString::fromStdString(
                    r.m_strGroupName[static_cast<std::size_t>(r.m_nGroup)][static_cast<std::size_t>(c)]));
        }
    }
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

    m_btnDisconnect.EnableWindow(false);
    m_btnSend.EnableWindow(false);

    // The "PMR" mode's enabling: the mode the dialog starts in.
    EnableGroupControls(false);
    EnableWindow(IDC_SPACING_25K, false);
    EnableWindow(IDC_SPACING_12K5, true);
    EnableWindow(IDC_BAND_LABEL, false);
    EnableWindow(IDC_BAND, false);

    std::string unread;
    m_ports.Resolve(&unread);
    BuildMenus();
    if (CMenu* pSysMenu = GetSystemMenu(false)) {
        // The right-click menu offers what the menu bar does.
        QMenu* menu = pSysMenu->menu();
        QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().front();
        for (QAction* action : m_pMenuBar->actions()) {
            if (action->menu() != nullptr && action != m_pMenuBar->actions().back()) {
                menu->insertMenu(first, action->menu());
            }
        }
        menu->insertSeparator(first);
    }
    m_pStatusLine = new CStatusLine(this);
    AddBelowTemplate(m_pStatusLine);
    m_wiring.SetStatusLine(m_pStatusLine);
    m_wiring.ShowLink(m_ports.InForce());
    m_wiring.ShowReceived(m_nRxCount, m_strRxText);
    if (!unread.empty()) {
        Say(Q(res::NoPortRemembered(unread)));
    }

    // The document follows the controls' changes, once per burst of changes; the channel table follows it.
    m_document.Start();
    m_document.OnChanged([this] { ShowChannelTable(); });
    m_pStatusLine->ShowHint(FromUtf8(res::kModeOwnChannels));
    m_changeTimer.setSingleShot(true);
    QObject::connect(&m_changeTimer, &QTimer::timeout, this, [this] { m_document.Changed(); });
    for (const res::ControlTemplate& row : Template().controls) {
        QWidget* w = GetDlgItem(row.id);
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QObject::connect(combo, &QComboBox::currentIndexChanged, this, [this] { m_changeTimer.start(0); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            QObject::connect(edit, &QLineEdit::textChanged, this, [this] { m_changeTimer.start(0); });
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            QObject::connect(button, &QAbstractButton::toggled, this, [this] { m_changeTimer.start(0); });
        }
    }
    setAcceptDrops(true);
    if (!m_strStartFile.isEmpty()) {
        // Once the window is up, so that a refusal has a window to stand over.
        PostCall([this, path = m_strStartFile] { m_document.Load(path); });
    }
    PostCall([this] { m_document.OfferLeftUnsaved(); });
    return true;
}

void COrvDlg::BuildMenus() {
    m_pMenuBar = new QMenuBar(this);
    m_pMenuBar->setNativeMenuBar(false);
    m_pFileMenu = m_pMenuBar->addMenu(FromUtf8(res::kMenuFile));
    m_document.FillFileMenu(m_pFileMenu, [this] { close(); });
    BuildEditAndViewMenus();
    m_ports.Attach(m_pMenuBar->addMenu(FromUtf8(res::kMenuPort)));
    BuildChannelsMenu();
    QMenu* help = m_pMenuBar->addMenu(FromUtf8(res::kMenuHelp));
    help->addAction(LoadString(IDS_ABOUTBOX), this, [this] { OnSysCommand(IDM_ABOUTBOX, 0); });
    SetMenuBar(m_pMenuBar);
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
    if (change.correction == Correction::None) {
        Say(Q(res::Completed(channel, FromMemberText(text).toStdString(), FromMemberText(*completed).toStdString())));
    }
    SayCorrection(channel, change);
    return true;
}

void COrvDlg::SayCorrection(int channel, const ChannelChange& change) {
    if (change.correction != Correction::None) {
        Say(Q(res::Corrected(channel, change.correction, FromMemberText(change.entered).toStdString(),
                             FromMemberText(m_record.m_strChannel[static_cast<std::size_t>(channel)]).toStdString())));
    }
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
    MessageBox(Q(res::Unsettled(m_record.m_nGroup, channel, FromMemberText(shown).toStdString())));
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
    // The channel commands fill the edits, which only "GRUOP" opens; until then the status line says why.
    for (QAction* action : m_channelCommands) {
        action->setEnabled(mode.group);
        action->setToolTip(mode.group ? QString() : FromUtf8(res::kChannelCommandsWhy));
    }
    if (m_pStatusLine != nullptr) {
        m_pStatusLine->ShowHint(mode.group ? QString() : FromUtf8(res::kModeOwnChannels));
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

void COrvDlg::OnConnect() {
    if (!UpdateData(true)) {
        return;
    }
    if (m_wiring.IsOpen()) {
        AfxMessageBox(LoadString(IDS_ALREADY_PORT_OPEN));
        return;
    }
    m_ports.Resolve();
    if (m_wiring.Open(m_ports.InForce())) {
        MessageBox(LoadString(IDS_COM1_PORT_OPEN));
        m_btnDisconnect.EnableWindow(true);
        m_btnSend.EnableWindow(true);
        m_btnConnect.EnableWindow(false);
    }
}

void COrvDlg::OnDisconnect() {
    // Disconnect is disabled while a Send runs; should it come anyway, the
    // writes end before the port they use goes away, and Send works again.
    m_wiring.StopSend();
    m_wiring.Close();
    MessageBox(LoadString(IDS_COM1_PORT_CLOSE));
    m_btnDisconnect.EnableWindow(false);
    m_btnSend.EnableWindow(false);
    m_btnConnect.EnableWindow(true);
}

LRESULT COrvDlg::OnCommRead(WPARAM, LPARAM) {
    // The received bytes are taken whatever the controls hold: this handler reads none of them, so it can
    // neither fail a check nor bring back a text the operator is being told about.
    std::vector<std::uint8_t> bytes;
    m_wiring.TakeReceived(&bytes);
    for (const std::uint8_t byte : bytes) {
        ++m_nRxCount;
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        m_strRxText += hex;
    }
    constexpr std::size_t kShownBytes = 16;
    if (m_strRxText.size() > 2 * kShownBytes) {
        m_strRxText.erase(0, m_strRxText.size() - 2 * kShownBytes);
    }
    m_wiring.ShowReceived(m_nRxCount, m_strRxText);
    return 1;
}

void COrvDlg::OnSend() {
    if (IsSending()) {
        return;
    }
    // A failed check sends nothing: half the controls read is no setting.
    if (!UpdateData(true) || RefuseUnsettled()) {
        return;
    }
    m_btnDisconnect.EnableWindow(false);
    m_btnSend.EnableWindow(false);

    // The frame is built once, here: the record ends as a Send leaves it (empty codes become "ffff"), and the
    // session sends the frame as it stands now.
    const RadioSettings setting = m_record;
    const ProgrammingFrame frame = BuildProgrammingFrame(m_record);

    // An answer shown from before would read as the answer to this frame.
    m_strRxText.clear();
    m_wiring.ShowReceived(m_nRxCount, m_strRxText, true);
    if (!m_wiring.StartSend(frame, setting, [this](const SendResult&) { OnSendFinished(); })) {
        m_btnDisconnect.EnableWindow(true);
        m_btnSend.EnableWindow(true);
    }
}

void COrvDlg::OnSendFinished() {
    m_btnDisconnect.EnableWindow(true);
    m_btnSend.EnableWindow(true);
    if (m_bCloseAfterSend) {
        close();
    }
}

void COrvDlg::OnCancel() {
    // Escape, the close button and a signal all end here: none of them cuts a Send or drops unsaved changes.
    if (IsSending() || !m_document.MaybeSave()) {
        return;
    }
    CDialog::OnCancel();
}

void COrvDlg::closeEvent(QCloseEvent* event) {
    if (IsSending()) {
        m_bCloseAfterSend = true;
        Say(FromUtf8(res::kClosingAfterSend));
        event->ignore();
        return;
    }
    CDialog::closeEvent(event);
}

void COrvDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!CSettingDocument::DroppedSettingFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void COrvDlg::dropEvent(QDropEvent* event) {
    if (OpenDropped(event->mimeData())) {
        event->acceptProposedAction();
    }
}

bool COrvDlg::OpenDropped(const QMimeData* data) {
    const QString path = CSettingDocument::DroppedSettingFile(data);
    if (path.isEmpty()) {
        return false;
    }
    if (!IsSending() && m_document.MaybeSave()) {
        m_document.Load(path);
    }
    return true;
}

RadioSettings COrvDlg::ShownSetting() {
    // The controls are read into the record and the record put back as it was: a look, not a handler.
    const RadioSettings kept = m_record;
    ReadControlsQuietly();
    RadioSettings shown = m_record;
    m_record = kept;
    return shown;
}

bool COrvDlg::SettledSetting(RadioSettings* out) {
    if (!UpdateData(true) || RefuseUnsettled()) {
        return false;
    }
    *out = m_record;
    return true;
}

void COrvDlg::ShowSetting(const RadioSettings& setting) {
    m_record = setting;
    UpdateData(false);
    // The mode as a click on its radio gives it: the enabling, and the spacing the radios show.
    switch (m_record.m_nMode) {
    case 1:
        OnModeLpd();
        break;
    case kGroupMode:
        OnModeGroup();
        break;
    case 3:
        OnModePmrLpd();
        break;
    default:
        OnModePmr();
        break;
    }
}

int COrvDlg::Ask(const QString& text, UINT type, const QString& detail) {
    return MessageBox(text, {}, type, detail);
}

void COrvDlg::Say(const QString& note) {
    if (m_pStatusLine != nullptr) {
        m_pStatusLine->ShowNote(note);
    }
}

} // namespace velmar
