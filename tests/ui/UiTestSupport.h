#pragma once
// Helpers shared by the window tests: a settings dialog driven like an
// operator drives it (clicks, keys, clipboard), and its controls by id.

#include "MessageBoxes.h"
#include "OrvDlg.h"
#include "Resource.h"
#include "StatusLine.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace velmar::test {

// What the window remembers and the history of sent settings go to a folder of this test run, never to the
// user's own.
inline void KeepUserFilesApart() {
    static QTemporaryDir dir;
    if (qEnvironmentVariableIsEmpty("XDG_DATA_HOME") || qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) {
        qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
        qputenv("XDG_STATE_HOME", dir.filePath("state").toUtf8());
    }
}

// A settings dialog as OnInitDialog leaves it, shown (not modal).
inline std::unique_ptr<COrvDlg> OpenDialog() {
    KeepUserFilesApart();
    auto dlg = std::make_unique<COrvDlg>();
    dlg->Create();
    dlg->show();
    if (!QTest::qWaitForWindowExposed(dlg.get())) {
        qWarning("settings dialog not exposed");
    }
    return dlg;
}

inline constexpr auto Edit = [](COrvDlg& dlg, int channel) { return dlg.GetDlgItemAs<QLineEdit>(IDC_CH1 + channel); };
inline constexpr auto Combo = [](COrvDlg& dlg, int id) { return dlg.GetDlgItemAs<QComboBox>(id); };
inline constexpr auto Checked = [](const CDialog& dlg, int id) {
    return dlg.GetDlgItemAs<QRadioButton>(id)->isChecked();
};
// What the group tables hold for a channel: its code and its stored text.
inline constexpr auto Code = [](const COrvDlg& dlg, std::size_t group, std::size_t channel) {
    return dlg.m_record.m_strGroupCode[group][channel];
};
inline constexpr auto Stored = [](const COrvDlg& dlg, std::size_t group, std::size_t channel) {
    return dlg.m_record.m_strGroupChannel[group][channel];
};

// The menu of the menu bar with this title.
inline QMenu* MenuNamed(COrvDlg& dlg, const QString& title) {
    for (QAction* a : dlg.MenuBar()->actions()) {
        if (a->text() == title) {
            return a->menu();
        }
    }
    return nullptr;
}

// A mouse click in the middle of the control, as the operator makes it.
inline void Click(COrvDlg& dlg, int id) {
    QWidget* w = dlg.GetDlgItem(id);
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// Chooses a group with the keyboard on the Group combo, one step at a time.
inline void SelectGroup(COrvDlg& dlg, int group) {
    QComboBox* combo = Combo(dlg, IDC_GROUP);
    while (combo->currentIndex() != group) {
        QTest::keyClick(combo, combo->currentIndex() < group ? Qt::Key_Down : Qt::Key_Up);
    }
}

// Pastes `text` into the edit from the clipboard, replacing its selection.
inline void Paste(QLineEdit* edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

// Runs `action` once the next modal window is up: for boxes and dialogs that
// run their own loop.
inline void WhenModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, qApp, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY2(modal, "no modal window");
        action(modal);
    });
}

// The first accessible object found below `root` with this role and name.
inline QAccessibleInterface* FindAccessible(QObject* root, QAccessible::Role role, const QString& name) {
    std::vector<QAccessibleInterface*> todo{QAccessible::queryAccessibleInterface(root)};
    for (std::size_t i = 0; i < todo.size(); ++i) {
        if (todo[i] != nullptr && todo[i]->role() == role && todo[i]->text(QAccessible::Name) == name) {
            return todo[i];
        }
        for (int c = 0; todo[i] != nullptr && c < todo[i]->childCount(); ++c) {
            todo.push_back(todo[i]->child(c));
        }
    }
    return nullptr;
}

} // namespace velmar::test
