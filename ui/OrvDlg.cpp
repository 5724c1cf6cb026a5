#include "OrvDlg.h"
#include "HexText.h"

#include "AboutDlg.h"
#include "MessageBoxes.h"
#include "OptionHelpView.h"
#include "ResourceLoader.h"
#include "StatusLine.h"

#include "OptionHelp.h"
#include "Strings.h"
#include "Words.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRadioButton>

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
      m_document(*this, m_editor),
      m_side(
          *this,
          [this](const std::vector<ChannelEdit>& edits, const SettingChange& name) { EnterChannels(edits, name); },
          [this](QWidget* window) { m_document.ShareShortcuts(window); }) {
    m_record = m_editor.Setting();
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

COrvDlg::~COrvDlg() {
    // The other windows go first: a cell left in mid-edit enters its text through this window.
    m_side.CloseAll();
    // The controls go after the editor: what they send while they are taken down (a focus leaving an edit) must
    // find no handler.
    for (const res::ControlTemplate& row : Template().controls) {
        if (QWidget* control = GetDlgItem(row.id)) {
            control->removeEventFilter(this);
            QObject::disconnect(control, nullptr, this, nullptr);
        }
    }
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
    // A channel's name is no control of its own: the edit shows it as its tooltip.
    if (!pDX->m_bSaveAndValidate && r.m_nGroup >= 0 && r.m_nGroup < kGroupCount) {
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

    // The enabling of the mode the dialog starts in, "PMR".
    ApplyEnabling();

    std::optional<FileFailure> unread;
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
    ExplainOptions(*this);
    m_pStatusLine = new CStatusLine(this);
    AddBelowTemplate(m_pStatusLine);
    m_wiring.SetStatusLine(m_pStatusLine);
    m_wiring.ShowLink(m_ports.InForce());
    m_wiring.ShowReceived(m_nRxCount, m_strRxText);
    if (unread) {
        Say(Q(res::PortUnreadable(*unread)));
    }

    // The channel table follows the document; the option controls send the editor their changes as the operator
    // makes them (an exchange writes them, it does not change them).
    m_document.Start();
    m_document.OnChanged([this] { ShowChannelTable(); });
    ShowStanding();
    for (const int id : {IDC_BCLO, IDC_BUTTON_LONG, IDC_PTT_FP, IDC_POWER_SAVE, IDC_SCAN_DELAY, IDC_PTT_TOT,
                         IDC_VOX_ATTACK, IDC_VOX_RELEASE, IDC_BAND}) {
        QObject::connect(GetDlgItemAs<QComboBox>(id), &QComboBox::currentIndexChanged, this,
                         [this] { OnOptionChanged(); });
    }
    for (const int first : {IDC_CTCSS_DISABLE, IDC_DCS_DISABLE, IDC_SELF_TONE_ON}) {
        for (QRadioButton* radio : RadioGroup(first)) {
            // The radio that comes on, once its group's other radio has gone off.
            QObject::connect(radio, &QAbstractButton::toggled, this, [this](bool on) {
                if (on) {
                    OnOptionChanged();
                }
            });
        }
    }
    for (int id = IDC_CH1; id <= IDC_CH8; ++id) {
        GetDlgItem(id)->installEventFilter(this);
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
    m_pFileMenu = m_pMenuBar->addMenu(Word(res::kMenuFile));
    m_document.FillFileMenu(m_pFileMenu, [this] { close(); });
    BuildEditAndViewMenus();
    m_ports.Attach(m_pMenuBar->addMenu(Word(res::kMenuPort)));
    BuildRadioMenu();
    BuildChannelsMenu();
    QMenu* help = m_pMenuBar->addMenu(Word(res::kMenuHelp));
    help->addAction(Word(res::kMenuRadioOptions), this, [this] { ShowRadioOptions(this); });
    help->addAction(LoadString(IDS_ABOUTBOX), this, [this] { OnSysCommand(IDM_ABOUTBOX, 0); });
    SetMenuBar(m_pMenuBar);
}

namespace {

// Keeps a menu entry enabled exactly when its button is, whoever enables the button.
class CFollowEnabled : public QObject {
public:
    CFollowEnabled(QAbstractButton* button, QAction* action) : QObject(button), m_pAction(action) {
        action->setEnabled(button->isEnabled());
        button->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) {
            m_pAction->setEnabled(static_cast<QWidget*>(watched)->isEnabled());
        }
        return false;
    }

private:
    QPointer<QAction> m_pAction;
};

} // namespace

void COrvDlg::BuildRadioMenu() {
    // The buttons' own commands, by menu and by keys that no text edit takes: a click on the button it stands for.
    QMenu* radio = m_pMenuBar->addMenu(Word(res::kMenuRadio));
    const struct {
        const char* text;
        CButton& button;
        QKeySequence keys;
    } kEntries[] = {
        {res::kMenuConnect, m_btnConnect, QKeySequence(Qt::Key_F5)},
        {res::kMenuDisconnect, m_btnDisconnect, QKeySequence(Qt::SHIFT | Qt::Key_F5)},
        {res::kMenuSend, m_btnSend, QKeySequence(Qt::CTRL | Qt::Key_Return)},
    };
    for (const auto& entry : kEntries) {
        QAbstractButton* button = entry.button.widget();
        QAction* action = radio->addAction(Word(entry.text), this, [button] {
            if (button != nullptr && button->isEnabled()) {
                button->click();
            }
        });
        action->setShortcut(entry.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        if (button != nullptr) {
            new CFollowEnabled(button, action);
        }
    }
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

void COrvDlg::ShowEdited(const EditResult& result) {
    m_record = m_editor.Setting();
    if (result.replaced) {
        Say({});
        if (CChannelTable* table = m_side.ChannelTable()) {
            table->ShowNote({});
        }
    }
    if (result.showAgain) {
        UpdateData(false);
    }
    ApplyEnabling();
    if (const std::string note = res::EditNote(result); !note.empty()) {
        Say(Q(note));
    } else if (const std::string twice = res::DescribeDuplicates(result.group, result.duplicates); !twice.empty()) {
        Say(Q(twice));
    }
    m_document.Changed();
}

void COrvDlg::ApplyEnabling() {
    const ModeEnabling mode = m_editor.Enabling();
    EnableWindow(IDC_SPACING_25K, mode.spacing25k);
    EnableWindow(IDC_SPACING_12K5, mode.spacing12k5);
    EnableWindow(IDC_BAND_LABEL, mode.band);
    EnableWindow(IDC_BAND, mode.band);
    EnableGroupControls(mode.group);
    // The channel commands fill the edits, which only "GRUOP" opens; until then the status line says why.
    for (QAction* action : m_channelCommands) {
        action->setEnabled(mode.group);
        action->setToolTip(mode.group ? QString() : Word(res::kChannelCommandsWhy));
    }
    ShowStanding();
}

void COrvDlg::OnChangeChannel(int id) {
    const int channel = id - IDC_CH1;
    if (!UpdateData(true)) {
        return;
    }
    const std::string text = m_record.m_strChannel[static_cast<std::size_t>(channel)];
    // The box comes while the failing text still stands, and before the editor takes it: whatever runs while it
    // is open finds the setting as it was.
    if (m_editor.RefusesCharacter(channel, text)) {
        MessageBox(LoadString(IDS_PLEASE_INPUT_INTEGER));
    }
    ShowEdited(m_editor.Type(channel, text));
}

void COrvDlg::OnKillFocusChannel(int id) {
    if (const EditResult result = m_editor.Settle(id - IDC_CH1); result.changed) {
        ShowEdited(result);
    }
}

bool COrvDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
        return CDialog::eventFilter(watched, event);
    }
    auto* edit = qobject_cast<QLineEdit*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool undo = key->matches(QKeySequence::Undo);
    const bool redo = key->matches(QKeySequence::Redo) || key->keyCombination() == (Qt::CTRL | Qt::Key_Y);
    int channel = -1;
    for (int c = 0; c < kChannelCount && edit != nullptr; ++c) {
        channel = GetDlgItem(IDC_CH1 + c) == edit ? c : channel;
    }
    if (channel < 0 || !m_editor.GroupInRange() || (!undo && !redo)) {
        return CDialog::eventFilter(watched, event);
    }
    const RadioSettings& s = m_editor.Setting();
    const auto g = static_cast<std::size_t>(s.m_nGroup), c = static_cast<std::size_t>(channel);
    // Keystrokes not yet settled belong to the edit: it takes them back itself, or, when it has no history of
    // them, the editor puts the stored text back. Anything else is the setting's Undo and Redo.
    // Keys taken back from an edit come again by its own redo, unless the setting has a step to bring again.
    const bool own = undo ? s.m_strChannel[c] != s.m_strGroupChannel[g][c]
                          : edit->isRedoAvailable() && !m_editor.History().CanRedo();
    if (event->type() == QEvent::ShortcutOverride) {
        if (own) {
            event->accept();
        }
        return true;
    }
    if (undo && own && !edit->isUndoAvailable()) {
        ShowEdited(m_editor.Revert(channel));
        return true;
    }
    return CDialog::eventFilter(watched, event);
}

bool COrvDlg::RefuseUnsettled() {
    const std::optional<UnsettledChannel> unsettled = m_editor.FirstUnsettled();
    if (!unsettled) {
        return false;
    }
    MessageBox(Q(res::Unsettled(unsettled->group, unsettled->channel, FromMemberText(unsettled->shown).toStdString())));
    return true;
}

void COrvDlg::OnSpacingClicked() {
    if (!UpdateData(true)) {
        return;
    }
    ShowEdited(m_editor.ClickSpacing(m_record.m_nSpacing));
}

void COrvDlg::OnSpacing25k() {
    OnSpacingClicked();
}

void COrvDlg::OnSpacing12k5() {
    OnSpacingClicked();
}

void COrvDlg::OnSelchangeGroup() {
    if (!UpdateData(true)) {
        return;
    }
    ShowEdited(m_editor.SelectGroup(m_record.m_nGroup));
}

void COrvDlg::OnOptionChanged() {
    if (IsExchanging() || !ReadControlsQuietly()) {
        return;
    }
    ShowEdited(m_editor.SetOptions(m_record));
}

// Each mode radio: the editor decides what the mode opens and which spacing the radios show.
void COrvDlg::OnModeGroup() {
    ShowEdited(m_editor.SetMode(kGroupMode));
}

void COrvDlg::OnModePmr() {
    ShowEdited(m_editor.SetMode(0));
}

void COrvDlg::OnModeLpd() {
    ShowEdited(m_editor.SetMode(1));
}

void COrvDlg::OnModePmrLpd() {
    ShowEdited(m_editor.SetMode(3));
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
    if (m_ports.InForce().reason == PortReason::Unreadable) {
        // Never the default in its place: a frame must reach the radio someone chose.
        AfxMessageBox(Q(res::PortUnreadable(m_ports.Unread().value_or(FileFailure{}))));
        return;
    }
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
        m_strRxText += (m_strRxText.empty() ? "" : " ") + HexDigits(byte);
    }
    constexpr std::size_t kShownChars = 16 * 3 - 1; // the last 16 bytes, a space between two
    if (m_strRxText.size() > kShownChars) {
        m_strRxText.erase(0, m_strRxText.size() - kShownChars);
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

    // An answer shown from before would read as the answer to this frame.
    m_strRxText.clear();
    m_wiring.ShowReceived(m_nRxCount, m_strRxText, true);
    if (!m_wiring.StartSend(m_editor.Settled(), [this](const SendResult&) { OnSendFinished(); })) {
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
        Say(Word(res::kClosingAfterSend));
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

int COrvDlg::Ask(const QString& text, UINT type, const QString& detail) {
    return MessageBox(text, {}, type, detail);
}

void COrvDlg::Say(const QString& note) {
    if (m_pStatusLine != nullptr) {
        m_pStatusLine->ShowNote(note);
    }
}

} // namespace velmar
