#include "Dialog.h"

#include "MessageBoxes.h"
#include "Resource.h"
#include "ResourceLoader.h"
#include "Words.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <QValidator>

#include <algorithm>
#include <utility>

namespace velmar {

namespace {

// A radio of a template group. It tells a click (mouse, keyboard, click())
// from a check made through assistive technology, which only toggles the
// button: both must reach the dialog as one BN_CLICKED, and a click on a
// checked radio too. The arrow keys move to the previous or next enabled
// radio of the group, wrapping round, and click it as a mouse would.
class TemplateRadioButton : public QRadioButton {
public:
    TemplateRadioButton(const QString& text, QWidget* parent, std::function<void()> clicked)
        : QRadioButton(text, parent) {
        connect(this, &QAbstractButton::pressed, this, [this] { m_inClick = true; });
        connect(this, &QAbstractButton::released, this, [this] { m_inClick = false; });
        connect(this, &QAbstractButton::clicked, this, clicked);
        connect(this, &QAbstractButton::toggled, this, [this, clicked](bool on) {
            if (on && !m_inClick) {
                clicked();
            }
        });
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                         : key == Qt::Key_Up || key == Qt::Key_Left  ? -1
                                                                     : 0;
        if (step == 0 || group() == nullptr) {
            QRadioButton::keyPressEvent(event);
            return;
        }
        const QList<QAbstractButton*> buttons = group()->buttons();
        const qsizetype count = buttons.size();
        const qsizetype at = buttons.indexOf(this);
        for (qsizetype k = 1; k < count; ++k) {
            QAbstractButton* next = buttons[(at + step * k + count * k) % count];
            if (next->isEnabled() && next->isVisible()) {
                next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                next->click();
                break;
            }
        }
        event->accept();
    }

private:
    bool m_inClick = false;
};

} // namespace

// ---- CButton ---------------------------------------------------------------

void CButton::EnableWindow(bool enable) {
    if (m_pButton) {
        m_pButton->setEnabled(enable);
    }
}

bool CButton::IsWindowEnabled() const {
    return m_pButton && m_pButton->isEnabled();
}

// ---- CMenu -----------------------------------------------------------------

CMenu::CMenu(CDialog& owner) : m_owner(owner), m_pMenu(new QMenu(&owner)) {}

CMenu::~CMenu() {
    delete m_pMenu;
}

void CMenu::AppendMenu(UINT flags, UINT id, const QString& text) {
    if (flags & MF_SEPARATOR) {
        m_pMenu->addSeparator();
        return;
    }
    QAction* action = m_pMenu->addAction(text);
    action->setData(id);
    CDialog* owner = &m_owner;
    QObject::connect(action, &QAction::triggered, owner, [owner, id] { owner->OnSysCommand(id, 0); });
}

// ---- CDialog -----------------------------------------------------------------

CDialog::CDialog(int templateId, QWidget* parent) : QDialog(parent), m_pTemplate(res::FindDialog(templateId)) {
    Q_ASSERT(m_pTemplate != nullptr);
}

CDialog::~CDialog() {
    delete m_pSystemMenu;
}

QSize CDialog::TemplateSize() const {
    return {m_units.ToPixelsX(m_pTemplate->rect.cx), m_units.ToPixelsY(m_pTemplate->rect.cy)};
}

void CDialog::BuildControls() {
    const res::DialogTemplate& t = *m_pTemplate;
    setFont(DialogFont(t.fontFace, t.pointSize));
    m_units = DialogUnits::FromFont(font());
    setWindowTitle(FromUtf8(t.caption));

    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint;
    if (t.style & res::kCaption) {
        flags |= Qt::WindowTitleHint;
    }
    if (t.style & res::kSysMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (t.style & res::kMinimizeBox) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (t.style & res::kMaximizeBox) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    setWindowFlags(flags);
    // The template's controls live in a client area of their own, so that a menu bar can sit above it and
    // status lines below it without moving anything of the template.
    m_pClient = new QWidget(this);
    m_pClient->setObjectName("templateClient");
    m_pClient->setGeometry(QRect(QPoint(0, 0), TemplateSize()));
    setFixedSize(TemplateSize());

    // Group boxes first: a control that lies inside one becomes its child, so
    // that assistive technology finds each radio inside its named group.
    std::vector<std::pair<QRect, QGroupBox*>> boxes;
    for (const res::ControlTemplate& row : t.controls) {
        if (row.kind == res::Kind::GroupBox) {
            auto* box = static_cast<QGroupBox*>(MakeControl(row));
            box->setGeometry(m_units.ToPixels(row.rect));
            boxes.emplace_back(box->geometry(), box);
        }
    }

    int groupFirst = res::kNoId;
    std::vector<QWidget*> inOrder;
    std::vector<QWidget*> byRow(t.controls.size(), nullptr);
    for (const res::ControlTemplate& row : t.controls) {
        if (row.style & res::kGroup) {
            groupFirst = res::kNoId;
        }
        if (row.kind == res::Kind::GroupBox) {
            continue;
        }
        QWidget* w = MakeControl(row);
        QRect r = m_units.ToPixels(row.rect);
        for (const auto& [boxRect, box] : boxes) {
            if (boxRect.contains(r)) {
                w->setParent(box);
                r.translate(-boxRect.topLeft());
                break;
            }
        }
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            // The template gives the height of the opened list.
            const int closed = combo->sizeHint().height();
            const int item = std::max(1, QFontMetrics(font()).height() + 2);
            combo->setMaxVisibleItems(std::max(1, (r.height() - closed) / item));
            r.setHeight(closed);
        } else if (row.kind == res::Kind::Icon) {
            r.setSize({32, 32});
        } else if (row.kind == res::Kind::Static || row.kind == res::Kind::RadioButton) {
            // The stand-in face can be wider than the template's face: a label
            // or radio grows to the right, inside its parent, rather than lose
            // the end of its text.
            int needed = QFontMetrics(font()).horizontalAdvance(FromUtf8(row.text)) + 1;
            if (row.kind == res::Kind::RadioButton) {
                needed += w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
                          w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
            }
            const int room =
                (w->parentWidget() == m_pClient ? TemplateSize().width() : w->parentWidget()->width()) - r.x();
            if (needed > r.width()) {
                r.setWidth(std::max(r.width(), std::min(needed, room)));
            }
        }
        w->setGeometry(r);
        if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            if (groupFirst == res::kNoId) {
                groupFirst = row.id;
                m_radioGroups[groupFirst] = new QButtonGroup(this);
            }
            m_radio[groupFirst].push_back(radio);
            m_radioGroups[groupFirst]->addButton(radio);
        }
        inOrder.push_back(w);
        byRow[static_cast<std::size_t>(&row - t.controls.data())] = w;
    }

    // Labels name the control they stand for.
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const res::ControlTemplate& row = t.controls[i];
        auto* label = qobject_cast<QLabel*>(byRow[i]);
        QWidget* target = GetDlgItem(row.labelFor);
        if (label == nullptr || target == nullptr || row.labelFor == res::kNoId) {
            continue;
        }
        label->setBuddy(target);
        if (qobject_cast<QLineEdit*>(target)) {
            target->setAccessibleName(FromUtf8(row.text)); // an edit has no text of its own to be named by
        }
    }

    // Each radio group is one Tab stop, on its checked button.
    for (const auto& [first, group] : m_radioGroups) {
        const int id = first;
        connect(group, &QButtonGroup::buttonToggled, this, [this, id] { UpdateRadioTabStop(id); });
        UpdateRadioTabStop(id);
    }

    // Template order is the tab order; a radio's place in it counts while it is its group's stop.
    QWidget* previous = nullptr;
    for (QWidget* w : inOrder) {
        if (w->focusPolicy() != Qt::NoFocus) {
            if (previous) {
                QWidget::setTabOrder(previous, w);
            }
            previous = w;
        }
    }
}

QWidget* CDialog::MakeControl(const res::ControlTemplate& row) {
    const QString text = FromUtf8(row.text);
    const int id = row.id;
    const bool tabStop = (row.style & res::kTabStop) != 0;
    QWidget* w = nullptr;
    switch (row.kind) {
    case res::Kind::PushButton: {
        auto* b = new QPushButton(text, m_pClient);
        b->setAutoDefault(true);
        b->setDefault((row.style & res::kDefaultButton) != 0);
        connect(b, &QPushButton::clicked, this, [this, id] { SendNotify(BN_CLICKED, id); });
        w = b;
        break;
    }
    case res::Kind::RadioButton: {
        // Stays auto-exclusive, so that it reads as a radio button to assistive
        // technology; the template's group (a QButtonGroup) decides exclusivity.
        w = new TemplateRadioButton(text, this, [this, id] { SendNotify(BN_CLICKED, id); });
        break;
    }
    case res::Kind::ComboBox: {
        auto* c = new QComboBox(m_pClient);
        for (std::string_view item : row.items) {
            const QString s = FromUtf8(item);
            int at = c->count();
            if (row.style & res::kSorted) {
                at = 0;
                while (at < c->count() && QString::compare(c->itemText(at), s, Qt::CaseInsensitive) <= 0) {
                    ++at;
                }
            }
            c->insertItem(at, s);
        }
        c->setCurrentIndex(-1);
        connect(c, &QComboBox::activated, this, [this, id] { SendNotify(CBN_SELCHANGE, id); });
        w = c;
        break;
    }
    case res::Kind::Edit: {
        auto* e = new QLineEdit(m_pClient);
        e->setFrame((row.style & res::kBorder) != 0);
        e->setAlignment(((row.style & res::kRightAlign) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        // Every change of the text notifies, as an edit control does; those the
        // dialog makes itself come during an exchange and are dropped there.
        // Changes made through assistive technology arrive this way too.
        connect(e, &QLineEdit::textChanged, this, [this, id] { SendNotify(EN_CHANGE, id); });
        connect(e, &QLineEdit::editingFinished, this, [this, id] { SendNotify(EN_KILLFOCUS, id); });
        w = e;
        break;
    }
    case res::Kind::Static: {
        auto* l = new QLabel(text, m_pClient);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        w = l;
        break;
    }
    case res::Kind::GroupBox:
        w = new QGroupBox(text, m_pClient);
        break;
    case res::Kind::Icon: {
        auto* l = new QLabel(m_pClient);
        l->setPixmap(LoadIcon(row.image).pixmap(32, 32));
        w = l;
        break;
    }
    }
    if (row.kind == res::Kind::Static || row.kind == res::Kind::GroupBox || row.kind == res::Kind::Icon) {
        w->setFocusPolicy(Qt::NoFocus);
    } else {
        w->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    }
    if (id != res::kNoId) {
        m_controls.emplace(id, w);
    }
    return w;
}

bool CDialog::Create() {
    if (m_bCreated) {
        return true;
    }
    BuildControls();
    m_bCreated = true;
    if (OnInitDialog()) {
        for (const res::ControlTemplate& row : m_pTemplate->controls) {
            QWidget* w = GetDlgItem(row.id);
            if (w && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) {
                w->setFocus();
                break;
            }
        }
    }
    return true;
}

int CDialog::DoModal() {
    if (!Create()) {
        return -1;
    }
    return exec();
}

void CDialog::EndDialog(int result) {
    done(result);
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange*) {}

bool CDialog::UpdateData(bool bSaveAndValidate) {
    ++m_nExchangeDepth;
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    --m_nExchangeDepth;
    return !dx.m_bFailed;
}

bool CDialog::ReadControlsQuietly() {
    ++m_nExchangeDepth;
    CDataExchange dx(this, true);
    dx.m_bQuiet = true;
    DoDataExchange(&dx);
    --m_nExchangeDepth;
    return !dx.m_bFailed;
}

QWidget* CDialog::GetDlgItem(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

void CDialog::EnableWindow(int id, bool enable) {
    if (QWidget* w = GetDlgItem(id)) {
        w->setEnabled(enable);
        if (qobject_cast<QRadioButton*>(w)) {
            for (const auto& [first, radios] : m_radio) {
                if (std::find(radios.begin(), radios.end(), w) != radios.end()) {
                    UpdateRadioTabStop(first);
                }
            }
        }
    }
}

void CDialog::UpdateRadioTabStop(int firstId) {
    const std::vector<QRadioButton*> radios = RadioGroup(firstId);
    QRadioButton* stop = nullptr;
    for (QRadioButton* r : radios) {
        if (r->isChecked() && r->isEnabled()) {
            stop = r;
        }
    }
    for (QRadioButton* r : radios) {
        if (stop == nullptr && r->isEnabled()) {
            stop = r;
        }
    }
    for (QRadioButton* r : radios) {
        r->setFocusPolicy(r == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

bool CDialog::IsWindowEnabled(int id) const {
    const QWidget* w = GetDlgItem(id);
    return w && w->isEnabled();
}

std::vector<QRadioButton*> CDialog::RadioGroup(int firstId) const {
    const auto it = m_radio.find(firstId);
    return it == m_radio.end() ? std::vector<QRadioButton*>{} : it->second;
}

int CDialog::MessageBox(const QString& text, const QString& caption, UINT type, const QString& detail) {
    return ShowMessageBox(this, text, caption, type, detail);
}

bool CDialog::CheckMessageBox(const QString& text) {
    if (m_bCheckBoxOpen) {
        return false;
    }
    m_bCheckBoxOpen = true;
    MessageBox(text);
    m_bCheckBoxOpen = false;
    return true;
}

CMenu* CDialog::GetSystemMenu(bool revert) {
    if (revert || m_pSystemMenu == nullptr) {
        delete m_pSystemMenu;
        m_pSystemMenu = new CMenu(*this);
        m_pSystemMenu->AppendMenu(MF_STRING, SC_CLOSE, Word(res::kMenuClose));
    }
    return m_pSystemMenu;
}

void CDialog::SetIcon(const QIcon& icon, bool bigIcon) {
    (bigIcon ? m_bigIcon : m_smallIcon) = icon;
    setWindowIcon(icon);
}

void CDialog::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    QMetaObject::invokeMethod(
        this, [this, msg, wParam, lParam] { DispatchMessage(msg, wParam, lParam); }, Qt::QueuedConnection);
}

void CDialog::PostCall(std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

void CDialog::DispatchMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto it = m_messages.find(msg);
    if (it != m_messages.end()) {
        auto handler = it->second;
        handler(wParam, lParam);
    }
}

void CDialog::AddBelowTemplate(QWidget* widget) {
    widget->setParent(this);
    // What sits below the template is the program's own, in the person's language: it is drawn in the system's
    // face, which has the letters and marks of each language (ą, „, «, …) that the template's stand-in face
    // lacks. Every property is the system face's own, none merged in from the template's: a face hinted
    // otherwise would be one more font to load as the window opens.
    QFont face = QApplication::font();
    face.setResolveMask(QFont::AllPropertiesResolved);
    widget->setFont(face);
    m_below.push_back(widget);
    Relayout();
    widget->show();
}

void CDialog::SetMenuBar(QWidget* bar) {
    bar->setParent(this);
    m_pMenuBar = bar;
    Relayout();
    bar->show();
}

int CDialog::MenuBarHeight() const {
    return m_pMenuBar != nullptr ? m_pMenuBar->sizeHint().height() : 0;
}

void CDialog::Relayout() {
    const QSize base = TemplateSize();
    int y = 0;
    if (m_pMenuBar != nullptr) {
        y = MenuBarHeight();
        m_pMenuBar->setGeometry(0, 0, base.width(), y);
    }
    if (m_pClient != nullptr) {
        m_pClient->move(0, y);
    }
    y += base.height();
    for (QWidget* w : m_below) {
        const int height = w->sizeHint().height();
        w->setGeometry(0, y, base.width(), height);
        y += height;
    }
    setFixedSize(base.width(), y);
}

void CDialog::AddCommand(UINT code, int firstId, int lastId, std::function<void(int id)> handler) {
    m_commands.push_back({code, firstId, lastId, std::move(handler)});
}

void CDialog::SendNotify(UINT code, int id) {
    if (IsExchanging()) {
        return; // the dialog is writing its controls itself
    }
    for (const Command& c : m_commands) {
        if (c.code == code && id >= c.firstId && id <= c.lastId) {
            auto handler = c.handler;
            handler(id);
            return;
        }
    }
    // The dialog's own buttons end it when nothing else claims them.
    if (code == BN_CLICKED && id == IDOK) {
        OnOK();
    } else if (code == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
    }
}

void CDialog::OnSysCommand(UINT nID, LPARAM) {
    if ((nID & 0xFFF0) == SC_CLOSE) {
        close();
    }
}

void CDialog::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::accept() {
    OnOK();
}

void CDialog::reject() {
    OnCancel();
}

void CDialog::contextMenuEvent(QContextMenuEvent* event) {
    if (m_pSystemMenu && !m_pSystemMenu->menu()->isEmpty()) {
        m_pSystemMenu->menu()->exec(event->globalPos());
        event->accept();
        return;
    }
    QDialog::contextMenuEvent(event);
}

void CDialog::paintEvent(QPaintEvent* event) {
    OnPaint(event);
}

void CDialog::OnPaint(QPaintEvent* event) {
    QDialog::paintEvent(event);
}

} // namespace velmar
