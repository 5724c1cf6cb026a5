#pragma once
// A dialog built from a template of res/: the controls are made from the
// template's rows and found by id, values move between the controls and
// members through DoDataExchange, and control notifications reach handlers
// through the dialog's message map.
//
// Threads: everything here runs on the window thread, except PostMessage and
// PostCall, which may be called from any thread while the dialog exists.

#include "Afx.h"
#include "DialogTemplate.h"
#include "DialogUnits.h"

#include <QDialog>
#include <QIcon>
#include <QPointer>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QAbstractButton>
class QButtonGroup;
class QMenu;
class QRadioButton;

namespace velmar {

class CDialog;

// A push button bound to a member by DDX_Control.
class CButton {
public:
    bool IsAttached() const { return m_pButton != nullptr; }
    QAbstractButton* widget() const { return m_pButton; }
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;

private:
    friend void DDX_Control(class CDataExchange*, int, CButton&);
    QPointer<QAbstractButton> m_pButton;
};

// The window menu of a dialog. A Linux program cannot add to the menu of its
// window's frame, so these entries make up the dialog's context menu
// (right-click on the dialog's background). Choosing one runs OnSysCommand.
class CMenu {
public:
    explicit CMenu(CDialog& owner);
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    void AppendMenu(UINT flags, UINT id = 0, const QString& text = {});
    QMenu* menu() const { return m_pMenu; }

private:
    CDialog& m_owner;
    QMenu* m_pMenu;
};

// One run of DoDataExchange, in one direction.
class CDataExchange {
public:
    CDataExchange(CDialog* dlg, bool saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlg) {}

    const bool m_bSaveAndValidate; // true: controls to members
    CDialog* const m_pDlgWnd;
    int m_idLastControl = -1;
    bool m_bFailed = false; // a validation failed: the rest of the exchange is skipped
    bool m_bQuiet = false;  // a failed validation says nothing (a look at the controls, not the operator's act)

    // Marks the exchange failed and puts the focus on the last control.
    void Fail();
};

// Text of an edit, as the members hold it: one 8-bit character per character
// the operator sees. ASCII stays itself; anything else becomes one byte of
// 0x80 or above, so character checks reject it without changing the length.
std::string ToMemberText(const QString& text);
QString FromMemberText(const std::string& text);

void DDX_Control(CDataExchange* pDX, int id, CButton& button);
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int count);
void DDX_CBString(CDataExchange* pDX, int id, std::string& value);
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
void DDX_Radio(CDataExchange* pDX, int firstId, int& index);

class CDialog : public QDialog {
public:
    explicit CDialog(int templateId, QWidget* parent = nullptr);
    ~CDialog() override;

    // Creates the window (if not yet) and runs it modally; IDOK or IDCANCEL.
    int DoModal();
    // Builds the controls and runs OnInitDialog once, without showing the
    // window or entering a loop. DoModal calls it; tests call it directly.
    bool Create();
    bool IsCreated() const { return m_bCreated; }
    void EndDialog(int result);

    // Runs DoDataExchange in one direction. While it runs, control
    // notifications are dropped, so no handler starts from an exchange.
    bool UpdateData(bool bSaveAndValidate = true);
    // Reads the controls into the members like UpdateData(true), but a failed check shows no box.
    bool ReadControlsQuietly();
    bool IsExchanging() const { return m_nExchangeDepth > 0; }

    QWidget* GetDlgItem(int id) const;
    template <class W> W* GetDlgItemAs(int id) const { return qobject_cast<W*>(GetDlgItem(id)); }
    void EnableWindow(int id, bool enable);
    bool IsWindowEnabled(int id) const;
    // The radios of the group whose first button is `firstId`, in order.
    std::vector<QRadioButton*> RadioGroup(int firstId) const;

    // The dialog's own message box: modal to it, caption the application's name.
    int MessageBox(const QString& text, const QString& caption = {}, UINT type = MB_OK, const QString& detail = {});
    // A box that reports a failed check of the operator's input. At most one is open at a time: while one
    // stands, another check that fails returns false without a box, so checks can never pile boxes up.
    bool CheckMessageBox(const QString& text);

    CMenu* GetSystemMenu(bool revert = false);
    void SetIcon(const QIcon& icon, bool bigIcon);
    QIcon GetIcon(bool bigIcon) const { return bigIcon ? m_bigIcon : m_smallIcon; }

    // Queues `msg` for the dialog's handler of MapMessage, on the window
    // thread. Any thread; the call is dropped if the dialog is gone first.
    void PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Queues any call to run on the window thread, after what is queued now.
    void PostCall(std::function<void()> call);

    // Places `widget` below the template's controls, across the whole width,
    // and makes the window taller by its height; nothing else moves.
    void AddBelowTemplate(QWidget* widget);
    // Places a menu bar above the template's controls; the window grows by its height.
    void SetMenuBar(QWidget* bar);
    int MenuBarHeight() const;
    // The area the template's controls are laid out in (their positions are relative to it).
    QWidget* Client() const { return m_pClient; }

    const DialogUnits& Units() const { return m_units; }
    const res::DialogTemplate& Template() const { return *m_pTemplate; }
    // Size of the template's client area in pixels.
    QSize TemplateSize() const;

    // Runs the notification as the control would send it (the message map
    // decides; nothing happens during an exchange).
    void SendNotify(UINT code, int id);

protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnSysCommand(UINT nID, LPARAM lParam);
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnPaint(QPaintEvent* event);

    // The message map: which handler a control's notification or a posted
    // message runs. Derived dialogs fill it in their constructor.
    template <class D> void MapCommand(UINT code, int id, void (D::*handler)()) {
        D* self = static_cast<D*>(this);
        AddCommand(code, id, id, [self, handler](int) { (self->*handler)(); });
    }
    template <class D> void MapCommandRange(UINT code, int firstId, int lastId, void (D::*handler)(int id)) {
        D* self = static_cast<D*>(this);
        AddCommand(code, firstId, lastId, [self, handler](int id) { (self->*handler)(id); });
    }
    template <class D> void MapMessage(UINT msg, LRESULT (D::*handler)(WPARAM, LPARAM)) {
        D* self = static_cast<D*>(this);
        m_messages[msg] = [self, handler](WPARAM w, LPARAM l) { return (self->*handler)(w, l); };
    }
    void AddCommand(UINT code, int firstId, int lastId, std::function<void(int id)> handler);

    void accept() override;
    void reject() override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class CMenu;
    void BuildControls();
    void Relayout();
    // The checked radio of the group (or, when it is disabled, the first enabled one) is its only Tab stop.
    void UpdateRadioTabStop(int firstId);
    QWidget* MakeControl(const res::ControlTemplate& row);
    void DispatchMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    struct Command {
        UINT code;
        int firstId;
        int lastId;
        std::function<void(int)> handler;
    };

    const res::DialogTemplate* m_pTemplate;
    DialogUnits m_units;
    bool m_bCreated = false;
    int m_nExchangeDepth = 0;
    QWidget* m_pClient = nullptr;
    QWidget* m_pMenuBar = nullptr;
    std::vector<QWidget*> m_below;
    bool m_bCheckBoxOpen = false;
    std::map<int, QWidget*> m_controls;                // by id; labels without id are not here
    std::map<int, std::vector<QRadioButton*>> m_radio; // by the id of each group's first button
    std::map<int, QButtonGroup*> m_radioGroups;
    std::vector<Command> m_commands;
    std::map<UINT, std::function<LRESULT(WPARAM, LPARAM)>> m_messages;
    CMenu* m_pSystemMenu = nullptr;
    QIcon m_bigIcon;
    QIcon m_smallIcon;
};

} // namespace velmar
