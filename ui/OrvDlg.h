#pragma once
// The settings dialog: shows the record in its controls, runs the channel
// entry, and switches group, spacing and mode.

#include "Dialog.h"
#include "PortChoice.h"
#include "Resource.h"

#include "ChannelEntry.h"
#include "PortRule.h"
#include "Preferences.h"
#include "ProgrammingSession.h"
#include "RadioSettings.h"
#include "SentHistory.h"
#include "SerialLink.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QTimer>

class QMenu;
class QMimeData;
class QMenuBar;

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmar {

class COrvDlg;
class CStatusLine;

// Posted by the serial link's watch thread after each receive event.
inline constexpr UINT WM_COMM_READ = WM_USER + 1;

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
    CSerialLink m_comm;
    int m_nRxCount = 0; // bytes received from the radio so far; it only grows

    // The fixed line settings of the radio's cable.
    std::string GetPortName() const { return "COM1"; }
    std::uint32_t GetBaudRate() const { return 4800; }
    std::uint8_t GetByteSize() const { return 8; }
    std::uint8_t GetStopBits() const { return 2; } // two stop bits
    std::uint8_t GetParity() const { return 0; }   // none

    // Enables or disables the Group label and combo, the CH1..CH8 labels and
    // the channel edits, in that order.
    void EnableGroupControls(bool enable);
    void ClearGroupCodes();
    void LoadGroupChannels();
    QIcon OnQueryDragIcon() const { return m_hIcon; }

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

    // Setting files and channel lists. Each shows a box and changes nothing when it fails; true when it worked.
    bool LoadSettingFile(const QString& path);
    bool SaveSettingFile(const QString& path);
    bool ImportChannels(const QString& path);
    bool ExportChannels(const QString& path);
    // Whether the setting differs from the one last opened or saved in a way that would change the frame.
    bool IsModified();
    // Asks Save / Discard / Cancel when the setting is modified; false when the operator cancelled (or the
    // save failed), so that what was about to happen must not.
    bool MaybeSave();
    QString CurrentFile() const { return m_strFile; }
    // What a drop on the window does: a single setting file is opened (after asking about unsaved changes).
    // False when the drop holds no single setting file.
    bool OpenDropped(const QMimeData* data);
    // A file to open once the window is up (the command line's FILE).
    void SetStartFile(const QString& path) { m_strStartFile = path; }
    QMenuBar* MenuBar() const { return m_pMenuBar; }

    // The device COM1 stands for, and why. --port DEV is given here before the window is created.
    void SetCommandLinePort(const QString& device) { m_strCommandLinePort = device; }
    const PortInForce& PortInUse() const { return m_port; }
    // The device in force, as a path to show.
    QString PortDevice() const { return QString::fromLocal8Bit(m_port.device); }
    // The operator's choice of device (Port menu, Other device, Find my cable): in force now and remembered.
    // Refused (false) while connected.
    bool ChoosePort(const QString& device);
    // Watches the ports for `seconds` while the operator plugs or unplugs the cable and chooses what appeared
    // (or came back); says so plainly when nothing changed. Returns the device chosen, empty for none.
    QString FindCable(int seconds);
    // Where the ports present now come from (Qt Serial Port unless replaced).
    void SetPortLister(std::function<QStringList()> lister) { m_portLister = std::move(lister); }
    QMenu* FileMenu() const { return m_pFileMenu; }
    QMenu* ChannelsMenu() const { return m_pChannelsMenu; }
    // Fills the current group with slice `slice` of the channel plans (as listed by PlanSlices()), asking first
    // when the group holds channels; false when nothing was filled.
    bool FillGroupWithPlan(int slice);
    void ClearCurrentGroup();

    // Notes the writes of the next Sends in *trace, for benchmarks that judge the pacing where it is made.
    void SetPacingTrace(PacedTrace* trace) { m_session.SetTrace(trace); }

    // True from the Send click until its last pause has ended.
    bool IsSending() const { return m_session.Sending() || m_bSendPending; }
    CStatusLine* StatusLine() const { return m_pStatusLine; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnSysCommand(UINT nID, LPARAM lParam) override;
    void OnPaint(QPaintEvent* event) override;
    // Escape does nothing while a Send runs: a cut frame is worse than a window that stays.
    void OnCancel() override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // A close while a Send runs waits until the frame is complete, then closes as usual.
    void closeEvent(QCloseEvent* event) override;

private:
    static constexpr int kSpacingUnchanged = -1;
    struct ModeEnabling {
        bool spacing25k;
        bool spacing12k5;
        bool band;   // the "Band Select" label and combo
        int spacing; // shown for the current group, or kSpacingUnchanged
        bool group;
    };
    void ApplyMode(const ModeEnabling& mode);
    void OnSpacingClicked();
    void ShowLinkState();
    void ShowLinkMessage(const LinkMessage& message);
    void OnSendProgress(int generation);
    void OnSendFinished(int generation);
    void EndSend();
    void RefreshSendTime();
    void ShowReceivedSoon();
    // Completes a beginning of a frequency in channel edit `channel` of the current group, as if the zeros had
    // been typed; false when the edit holds none.
    bool CompleteChannel(int channel, std::string text);
    // Says in the status line what the entry rules did to a complete text without a box.
    void SayCorrection(int channel, const ChannelChange& change);
    // The first channel edit of the current group that shows something other than what is stored for it.
    int UnsettledChannel() const;
    // Says so in a box when an edit is unsettled; true when one was.
    bool RefuseUnsettled();

    void BuildMenus();
    void FillPortMenu();
    void BuildChannelsMenu();
    // Says in the status line when two channels of the current group hold the same frequency.
    void SayDuplicates();
    void OnOtherDevice();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnImportChannels();
    void OnExportChannels();
    void OnOpenSent();
    void FillRecentMenu();
    void AddRecentFile(const QString& path);
    // Offers the unsaved work that a Velmar which did not end cleanly left behind.
    void OfferLeftUnsaved();
    void KeepUnsavedNow();
    // Changes what the window remembers across runs; a failure is said in the status line.
    void Remember(const std::function<void(Preferences&)>& change);
    // The setting shown is now the one in `path`: title, recent files, the unsaved mark, a word said.
    void KeptIn(const QString& path, const char* what);
    void UpdateTitle();
    // Shows a setting read from a file as if every value had been entered by hand.
    void ApplySetting(const RadioSettings& setting);
    // What the controls and the tables hold now, read without a box.
    RadioSettings ShownSetting();
    void RecordSent();

    bool GroupInRange() const { return m_record.m_nGroup >= 0 && m_record.m_nGroup < kGroupCount; }

    // A Send runs on the session's thread so that the window keeps painting;
    // the frame is fixed when Send is clicked.
    CProgrammingSession m_session{m_comm};
    bool m_bSendPending = false;    // from the click until the end of the Send has been handled
    int m_nSendGeneration = 0;      // tells a late posted call of an earlier Send from the current one
    bool m_bCloseAfterSend = false; // a close came during the Send
    QTimer m_sendTimer;             // refreshes the time left between writes

    RadioSettings m_sentRecord;   // the setting of the Send in progress, for the history
    RadioSettings m_savedSetting; // as last opened or saved (the defaults at start)
    QString m_strFile;            // the setting file shown, empty for none (and for a record of a Send)
    // Set while the setting shown came from a record of a Send: it opens as a copy, and Save asks for a new file.
    std::optional<SentRecordName> m_shownRecord;
    QString m_strStartFile;
    QMenuBar* m_pMenuBar = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QMenu* m_pRecentMenu = nullptr;
    QMenu* m_pPortMenu = nullptr;
    QMenu* m_pChannelsMenu = nullptr;
    QString m_strCommandLinePort;
    PortInForce m_port;
    std::function<QStringList()> m_portLister = PresentPorts;
    QTimer m_titleTimer;   // the title's unsaved mark follows the controls, checked once per burst of changes
    QTimer m_unsavedTimer; // unsaved changes are kept against a crash a moment after each change

    std::string m_strRxText; // the last received bytes as "%02X" pairs
    CStatusLine* m_pStatusLine = nullptr;
    // One notification at a time: a radio that talks at line rate costs one handler run per batch, not per byte.
    std::atomic<bool> m_bReadPosted{false};
    QTimer m_readQuiet;            // after a run of OnCommRead: no notification is posted until it ends
    QElapsedTimer m_receivedShown; // the received figures are repainted at most 20 times a second
    QTimer m_receivedTimer;
    bool m_bShownHungUp = false; // what the link part of the status line says
};

} // namespace velmar
