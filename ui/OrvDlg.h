#pragma once
// The settings dialog: shows the record in its controls, runs the channel
// entry, and switches group, spacing and mode.

#include "Dialog.h"
#include "Resource.h"

#include "RadioSettings.h"

#include <QIcon>

#include <atomic>

namespace velmar {

class COrvDlg;

// The settings dialog, for code that must reach it from elsewhere. Set once
// by OnInitDialog, cleared when that dialog goes away.
extern std::atomic<COrvDlg*> g_hNotifyWnd;

class COrvDlg : public CDialog {
public:
    enum { IDD = IDD_ORV_DIALOG };

    explicit COrvDlg(QWidget* parent = nullptr);
    ~COrvDlg() override;

    CButton m_btnSend;
    CButton m_btnDisconnect;
    CButton m_btnConnect;
    RadioSettings m_record; // every value the dialog shows, and the per-group tables
    QIcon m_hIcon;
    int m_nRxCount = 0; // bytes received from the radio so far; it only grows

    // Enables or disables the Group label and combo, the CH1..CH8 labels and
    // the channel edits, in that order.
    void EnableGroupControls(bool enable);
    void ClearGroupCodes();
    void LoadGroupChannels();
    QIcon OnQueryDragIcon() const { return m_hIcon; }

    // Handlers (bound in the constructor's message map).
    void OnChangeChannel(int id); // EN_CHANGE of CH1..CH8, ids 1019..1026
    void OnSpacing25k();
    void OnSpacing12k5();
    void OnSelchangeGroup();
    void OnModeGroup();
    void OnModePmr();
    void OnModeLpd();
    void OnModePmrLpd();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnSysCommand(UINT nID, LPARAM lParam) override;
    void OnPaint(QPaintEvent* event) override;

private:
    void OnSpacingClicked();
    bool GroupInRange() const { return m_record.m_nGroup >= 0 && m_record.m_nGroup < kGroupCount; }
};

} // namespace velmar
