#pragma once
// The settings dialog: shows the record in its controls, runs the channel entry, switches group, spacing and
// mode, and handles Connect, Send, Disconnect and what the radio sends back. Its other jobs belong to the parts
// it owns: the document (files), the Port menu and the session's wiring (the line and the status line).

#include "ChannelTable.h"
#include "Dialog.h"
#include "PortMenu.h"
#include "Resource.h"
#include "SessionWiring.h"
#include "SettingDocument.h"
#include "SideWindows.h"

#include "ChannelEntry.h"
#include "RadioSettings.h"
#include "SettingEditor.h"

#include <QIcon>
#include <QTimer>

class QMenu;
class QMenuBar;
class QMimeData;

#include <memory>
#include <string>

namespace velmar {

class CStatusLine;

// Posted by the serial link's watch thread after each receive event.
inline constexpr UINT WM_COMM_READ = WM_USER + 1;

class COrvDlg : public CDialog, private IDocumentView {
public:
    enum { IDD = IDD_ORV_DIALOG };

    explicit COrvDlg(QWidget* parent = nullptr);
    ~COrvDlg() override;

    CButton m_btnSend;
    CButton m_btnDisconnect;
    CButton m_btnConnect;
    RadioSettings m_record; // what the controls show: the editor's setting, copied in for each exchange
    QIcon m_hIcon;
    int m_nRxCount = 0; // bytes received from the radio so far; it only grows

    // Enables or disables the Group label and combo, the CH1..CH8 labels and the channel edits, in that order.
    void EnableGroupControls(bool enable);

    // Handlers (bound in the constructor's message map).
    void OnChangeChannel(int id);    // EN_CHANGE of CH1..CH8, ids 1019..1026
    void OnKillFocusChannel(int id); // EN_KILLFOCUS of CH1..CH8
    void OnSpacing25k();
    void OnSpacing12k5();
    void OnSelchangeGroup();
    void OnModeGroup();
    void OnModePmr();
    void OnModeLpd();
    void OnModePmrLpd();
    void OnConnect();
    void OnDisconnect();
    void OnSend();
    LRESULT OnCommRead(WPARAM wParam, LPARAM lParam);

    CSettingDocument& Document() { return m_document; }
    CPortMenu& Ports() { return m_ports; }
    // A file to open once the window is up (the command line's FILE), and --port DEV; both before Create.
    void SetStartFile(const QString& path) { m_strStartFile = path; }
    void SetCommandLinePort(const QString& device) { m_ports.SetCommandLinePort(device); }
    // What a drop on the window does: a single setting file is opened (after asking about unsaved changes).
    // False when the drop holds no single setting file.
    bool OpenDropped(const QMimeData* data);

    QMenuBar* MenuBar() const { return m_pMenuBar; }
    QMenu* FileMenu() const { return m_pFileMenu; }
    QMenu* ChannelsMenu() const { return m_pChannelsMenu; }
    // The setting being edited, which the dialog and the channel table show.
    const CSettingEditor& Editor() const { return m_editor; }
    // Fills the current group with slice `slice` of the channel plans (as listed by PlanSlices()), asking first
    // when the group holds channels; false when nothing was filled.
    bool FillGroupWithPlan(int slice);
    void ClearCurrentGroup();
    // Edit > Copy Group and Paste Group: the current group's eight channels as eight lines of text, and up to
    // eight lines entered by the entry rules, one step of the history.
    void CopyGroup();
    // Radio > Connect, Disconnect, Send: the buttons' commands by menu and keys, enabled exactly as the buttons.
    void BuildRadioMenu();
    // Edit > Check Setting: what may surprise on the air, in one box; never blocks a Send.
    void OnCheckSetting();
    bool PasteGroup(const QString& text);
    // View > All Channels, made when first opened.
    CChannelTable* OpenChannelTable();
    // View > Messages, made when first opened.
    CMessagesWindow* MessagesWindow() const { return m_side.Messages(); }
    // Enters channels typed elsewhere than the edits (a paste, the channel table) by the entry rules, as one
    // step of the history named `name` (or by what changed); says what was completed, moved or refused.
    void EnterChannels(const std::vector<ChannelEdit>& edits, const SettingChange& name);
    // Shows the editor's setting after a command, as `result` says, and says what the entry rules did.
    void ShowEdited(const EditResult& result);

    // True from the Send click until the end of the Send has been handled.
    bool IsSending() const { return m_wiring.IsSending(); }
    CStatusLine* StatusLine() const { return m_pStatusLine; }
    // Notes the writes of the next Sends in *trace, for benchmarks that judge the pacing where it is made.
    void SetPacingTrace(PacedTrace* trace) { m_wiring.SetTrace(trace); }
    // For tests: holds the writer up before a write, as a stopped or swapping machine would.
    void SetBeforeWrite(std::function<void(int index)> hook) { m_wiring.SetBeforeWrite(std::move(hook)); }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnSysCommand(UINT nID, LPARAM lParam) override;
    void OnPaint(QPaintEvent* event) override;
    // Escape does nothing while a Send runs: a cut frame is worse than a window that stays.
    void OnCancel() override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Ctrl+Z and Ctrl+Shift+Z in a channel edit: its own keystrokes not yet settled first, then the setting's.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A close while a Send runs waits until the frame is complete, then closes as usual.
    void closeEvent(QCloseEvent* event) override;

private:
    // IDocumentView
    void Show(const EditResult& result) override { ShowEdited(result); }
    // Says so in a box when an edit is unsettled; true when one was.
    bool RefuseUnsettled() override;
    QWidget* Window() override { return this; }
    int Ask(const QString& text, UINT type, const QString& detail) override;
    void Say(const QString& note) override;

    // The controls each mode opens, and the channel commands with them.
    void ApplyEnabling();
    void OnSpacingClicked();
    // A combo or radio of the radio's options changed by the operator.
    void OnOptionChanged();
    void OnSendFinished();
    void BuildMenus();
    void BuildChannelsMenu();
    void BuildEditAndViewMenus();
    void ShowChannelTable();
    // What stands while the window is so, in the status area: why the channels are closed, or the first thing
    // the setting check finds.
    void ShowStanding();

    CSettingEditor m_editor;
    CStatusLine* m_pStatusLine = nullptr;
    CSessionWiring m_wiring;
    CPortMenu m_ports;
    CSettingDocument m_document;
    bool m_bCloseAfterSend = false; // a close came during the Send
    QString m_strStartFile;
    QMenuBar* m_pMenuBar = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QMenu* m_pChannelsMenu = nullptr;
    QList<QAction*> m_channelCommands; // open in "GRUOP" only
    std::string m_strRxText;           // the last received bytes, as HexRun shows them
    CSideWindows m_side;               // after the document, whose keys it shares
};

} // namespace velmar
