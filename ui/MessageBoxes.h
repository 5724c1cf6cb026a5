#pragma once
// Message boxes of the program: an owner, a text, the application's name as
// caption unless one is given, the buttons and icon of an MB_ type, and an
// optional detail line under the text.
//
// Every box goes through one place, so that tests (and anything else that must
// not wait for a person) can install a hook: it receives the fully built box
// instead of the box being run, and its result is the answer.

#include "Afx.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QMessageBox;
class QWidget;

namespace velmar {

// Answers in place of the person: gets the box as it would be shown (text,
// caption, buttons, owner all set) and returns IDOK, IDCANCEL, IDYES or IDNO.
using MessageBoxHook = std::function<int(QMessageBox& box)>;

// Installs `hook` (an empty one restores the real, modal boxes); returns the
// previous hook. Window thread only.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

// Shows a box modal to `owner` and returns the answer. An empty caption means
// the application's name. From another thread the box is queued to the
// window thread and IDOK is returned at once.
int ShowMessageBox(QWidget* owner, const QString& text, const QString& caption = {}, UINT type = MB_OK,
                   const QString& detail = {});

// The application-wide box: owned by the application's main window, if any.
int AfxMessageBox(const QString& text, UINT type = MB_OK, const QString& detail = {});

// The executable's file name without its extension; the caption of every box.
QString AfxGetAppName();

// Installs a hook for its lifetime that records every box and answers the
// box's default (OK for MB_OK). `onShow`, when set, runs while the box stands,
// so a test can look at the window at that moment.
class MessageBoxRecorder {
public:
    struct Box {
        QString text;
        QString caption;
        QString detail;
        UINT type = MB_OK;
        QPointer<QWidget> owner;
        QStringList buttons; // texts of the box's buttons, '&' removed
        bool hasIcon = false;
        bool detailBehindButton = false; // the detail waits behind "Show Details"
    };

    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<Box> boxes;
    std::function<void(QMessageBox&)> onShow;
    int answer = 0; // 0: the box's default button; else this answer

    QStringList texts() const;
    void clear() { boxes.clear(); }

private:
    MessageBoxHook m_previous;
};

} // namespace velmar
