#include "MessageBoxes.h"
#include "MessageLog.h"

#include "ResourceLoader.h"
#include "Words.h"

#include "Resource.h"
#include "WinApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include <utility>

namespace velmar {
namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

// The MB_ type a box was made from, for whoever answers in place of the person.
const char* const kTypeProperty = "velmarMessageBoxType";

QMessageBox::StandardButtons ButtonsOf(UINT type) {
    switch (type & 0x0F) {
    case MB_OKCANCEL:
    case MB_REPLACECANCEL:
    case MB_IMPORTCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_SAVEDISCARDCANCEL:
        return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case MB_RESTOREDISCARD:
        return QMessageBox::Yes | QMessageBox::Discard | QMessageBox::Cancel;
    case MB_OVERWRITESAVEAS:
    case MB_IMPORTWAY:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default:
        return QMessageBox::Ok;
    }
}

int AnswerOf(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Yes:
    case QMessageBox::Save:
        return IDYES;
    case QMessageBox::No:
    case QMessageBox::Discard:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

QString StripAmpersand(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            text.remove(i, 1); // "&&" keeps the second one
        }
    }
    return text;
}

} // namespace

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
    return std::exchange(Hook(), std::move(hook));
}

QString AfxGetAppName() {
    const QString name = QCoreApplication::applicationName();
    if (!name.isEmpty()) {
        return name;
    }
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

int ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, UINT type, const QString& detail) {
    if (QThread::currentThread() != qApp->thread()) {
        // A box must live on the window thread; the caller cannot wait for it.
        QPointer<QWidget> guardedOwner(owner);
        QMetaObject::invokeMethod(
            qApp,
            [guardedOwner, text, caption, type, detail] { ShowMessageBox(guardedOwner, text, caption, type, detail); },
            Qt::QueuedConnection);
        return IDOK;
    }

    QMessageBox box(QMessageBox::NoIcon, caption.isEmpty() ? AfxGetAppName() : caption, text, ButtonsOf(type), owner);
    box.setTextFormat(Qt::PlainText);
    box.setProperty(kTypeProperty, type);
    // A detail of many lines goes into the box's scrolling details, so that no box grows past the screen.
    constexpr int kInlineDetailLines = 12;
    if (!detail.isEmpty() && ((type & MB_DETAILS) != 0 || detail.count('\n') >= kInlineDetailLines)) {
        box.setDetailedText(detail);
    } else if (!detail.isEmpty()) {
        box.setInformativeText(detail);
    }
    MessageLog().Add(detail.isEmpty() ? text : text + '\n' + detail);
    const UINT buttons = type & 0x0F;
    if (buttons == MB_OKCANCEL || buttons == MB_REPLACECANCEL || buttons == MB_IMPORTCANCEL) {
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        if (buttons != MB_OKCANCEL) {
            box.button(QMessageBox::Ok)
                ->setText(Word(buttons == MB_REPLACECANCEL ? res::kButtonReplace : res::kButtonImport));
        }
    } else if (buttons == MB_SAVEDISCARDCANCEL) {
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
    } else if (buttons == MB_OVERWRITESAVEAS) {
        // Nothing overwritten by a key pressed in passing: the safe answer is the default.
        box.button(QMessageBox::Yes)->setText(Word(res::kButtonOverwrite));
        box.button(QMessageBox::No)->setText(Word(res::kMenuSaveAs));
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else if (buttons == MB_IMPORTWAY) {
        // The way that loses nothing the list does not name is the default; what changes stays in view.
        box.button(QMessageBox::Yes)->setText(Word(res::kButtonMerge));
        box.button(QMessageBox::No)->setText(Word(res::kButtonReplaceAll));
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        for (QAbstractButton* b : box.findChildren<QAbstractButton*>()) {
            if (box.buttonRole(b) == QMessageBox::ActionRole && !box.detailedText().isEmpty()) {
                b->click(); // "Show Details": open from the start
            }
        }
    } else if (buttons == MB_RESTOREDISCARD) {
        // Only Discard discards: a box closed by Escape, a signal or logout keeps the work for later.
        box.button(QMessageBox::Yes)->setText(Word(res::kButtonRestore));
        box.button(QMessageBox::Cancel)->setText(Word(res::kButtonLater));
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }

    if (Hook()) {
        // Copy: the hook may replace itself while it runs.
        MessageBoxHook hook = Hook();
        return hook(box);
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return clicked ? AnswerOf(box.standardButton(clicked)) : IDCANCEL;
}

int AfxMessageBox(const QString& text, UINT type, const QString& detail) {
    QWidget* owner = nullptr;
    if (CWinApp* app = AfxGetApp(); app != nullptr && QThread::currentThread() == qApp->thread()) {
        owner = app->m_pMainWnd;
    }
    return ShowMessageBox(owner, text, {}, type, detail);
}

MessageBoxRecorder::MessageBoxRecorder() {
    m_previous = SetMessageBoxHook([this](QMessageBox& box) {
        Box seen;
        seen.text = box.text();
        seen.caption = box.windowTitle();
        seen.detail = box.detailedText().isEmpty() ? box.informativeText() : box.detailedText();
        seen.owner = box.parentWidget();
        seen.hasIcon = box.icon() != QMessageBox::NoIcon;
        seen.detailBehindButton = !box.detailedText().isEmpty();
        const auto buttons = box.buttons();
        for (QAbstractButton* b : buttons) {
            seen.buttons << StripAmpersand(b->text());
        }
        seen.type = box.property(kTypeProperty).toUInt();
        boxes.push_back(seen);
        if (onShow) {
            onShow(box);
        }
        if (answer != 0) {
            return answer;
        }
        QAbstractButton* def = box.defaultButton();
        return def ? AnswerOf(box.standardButton(def)) : IDOK;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() {
    SetMessageBoxHook(std::move(m_previous));
}

QStringList MessageBoxRecorder::texts() const {
    QStringList out;
    for (const Box& b : boxes) {
        out << b.text;
    }
    return out;
}

} // namespace velmar
