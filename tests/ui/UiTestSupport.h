#pragma once
// Helpers shared by the window tests: a settings dialog driven like an
// operator drives it (clicks, keys, clipboard), and quick access to its
// controls by id.

#include "MessageBoxes.h"
#include "OrvDlg.h"
#include "Resource.h"
#include "StatusLine.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace velmar::test {

// A settings dialog as OnInitDialog leaves it, shown (not modal).
inline std::unique_ptr<COrvDlg> OpenDialog() {
    auto dlg = std::make_unique<COrvDlg>();
    dlg->Create();
    dlg->show();
    if (!QTest::qWaitForWindowExposed(dlg.get())) {
        qWarning("settings dialog not exposed");
    }
    return dlg;
}

inline QLineEdit* Edit(COrvDlg& dlg, int channel) {
    return dlg.GetDlgItemAs<QLineEdit>(IDC_CH1 + channel);
}
inline QComboBox* Combo(COrvDlg& dlg, int id) {
    return dlg.GetDlgItemAs<QComboBox>(id);
}
inline QRadioButton* Radio(COrvDlg& dlg, int id) {
    return dlg.GetDlgItemAs<QRadioButton>(id);
}

// A mouse click in the middle of the control, as the operator makes it.
inline void Click(COrvDlg& dlg, int id) {
    QWidget* w = dlg.GetDlgItem(id);
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// Chooses a group with the keyboard on the Group combo, one step at a time.
inline void SelectGroup(COrvDlg& dlg, int group) {
    QComboBox* combo = Combo(dlg, IDC_GROUP);
    while (combo->currentIndex() < group) {
        QTest::keyClick(combo, Qt::Key_Down);
    }
    while (combo->currentIndex() > group) {
        QTest::keyClick(combo, Qt::Key_Up);
    }
}

// Types `text` key by key; characters outside ASCII arrive as key events
// carrying their text, as an input method delivers them.
inline void Type(QWidget* w, const QString& text) {
    for (QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(w, ch.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

// Empties an edit the way an operator does: select all, delete.
inline void ClearEdit(QLineEdit* edit) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
}

// Pastes `text` into the edit from the clipboard, replacing its selection.
inline void Paste(QLineEdit* edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

inline std::string Code(const COrvDlg& dlg, int group, int channel) {
    return dlg.m_record.m_strGroupCode[static_cast<std::size_t>(group)][static_cast<std::size_t>(channel)];
}
inline std::string Stored(const COrvDlg& dlg, int group, int channel) {
    return dlg.m_record.m_strGroupChannel[static_cast<std::size_t>(group)][static_cast<std::size_t>(channel)];
}

// Runs `action` once the next modal window is up: for boxes and dialogs that
// run their own loop.
inline void WhenModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, qApp, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            qWarning("no modal window");
            return;
        }
        action(modal);
    });
}

// Every accessible object below `root`, depth first.
inline void CollectAccessible(QAccessibleInterface* root, std::vector<QAccessibleInterface*>& out) {
    if (root == nullptr) {
        return;
    }
    out.push_back(root);
    for (int i = 0; i < root->childCount(); ++i) {
        CollectAccessible(root->child(i), out);
    }
}

inline QAccessibleInterface* FindAccessible(QObject* root, QAccessible::Role role, const QString& name) {
    std::vector<QAccessibleInterface*> all;
    CollectAccessible(QAccessible::queryAccessibleInterface(root), all);
    for (QAccessibleInterface* a : all) {
        if (a->role() == role && a->text(QAccessible::Name) == name) {
            return a;
        }
    }
    return nullptr;
}

} // namespace velmar::test
