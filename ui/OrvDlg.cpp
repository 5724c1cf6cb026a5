#include "OrvDlg.h"

#include "Orv.h"
#include "ResourceLoader.h"

#include "ChannelEntry.h"

#include <QPainter>

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
}

COrvDlg::~COrvDlg() {
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

void COrvDlg::OnModeGroup() {
    UpdateData(true);
    EnableWindow(IDC_SPACING_25K, true);
    EnableWindow(IDC_SPACING_12K5, true);
    EnableWindow(IDC_BAND_LABEL, true);
    EnableWindow(IDC_BAND, true);
    m_record.m_nSpacing = 0;
    EnableGroupControls(true);
    UpdateData(false);
}

void COrvDlg::OnModePmr() {
    UpdateData(true);
    EnableWindow(IDC_SPACING_25K, false);
    EnableWindow(IDC_SPACING_12K5, true);
    EnableWindow(IDC_BAND_LABEL, false);
    EnableWindow(IDC_BAND, false);
    m_record.m_nSpacing = 0;
    EnableGroupControls(false);
    UpdateData(false);
}

void COrvDlg::OnModeLpd() {
    UpdateData(true);
    EnableWindow(IDC_SPACING_25K, true);
    EnableWindow(IDC_SPACING_12K5, false);
    EnableWindow(IDC_BAND_LABEL, false);
    EnableWindow(IDC_BAND, false);
    m_record.m_nSpacing = 1;
    EnableGroupControls(false);
    UpdateData(false);
}

void COrvDlg::OnModePmrLpd() {
    UpdateData(true);
    EnableWindow(IDC_SPACING_25K, false);
    EnableWindow(IDC_SPACING_12K5, false);
    EnableWindow(IDC_BAND_LABEL, false);
    EnableWindow(IDC_BAND, false);
    EnableGroupControls(false);
    UpdateData(false);
}

} // namespace velmar
