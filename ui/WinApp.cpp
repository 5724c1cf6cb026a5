#include "WinApp.h"

#include "Resource.h"
#include "ResourceLoader.h"

#include "Translations.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace velmar {
namespace {
CWinApp* g_pApp = nullptr;
int g_signalWrite = -1;

void OnCloseSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalWrite, &byte, 1);
    errno = saved;
}

// A menu bar asks the style for the icon of its overflow button as it is made, and finding that icon in the
// icon theme costs the window about a tenth of its start. The button shows only in a window too narrow for its
// menus, so the icon is looked up once it is drawn.
class CDeferredIconEngine : public QIconEngine {
public:
    CDeferredIconEngine(QStyle* style, QStyle::StandardPixmap which) : m_style(style), m_which(which) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QIconEngine* clone() const override { return new CDeferredIconEngine(m_style, m_which); }

private:
    const QIcon& Icon() {
        if (m_icon.isNull()) {
            m_icon = m_style->standardIcon(m_which);
        }
        return m_icon;
    }
    QStyle* m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
};

class CStartupStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton) {
            return QIcon(new CDeferredIconEngine(baseStyle(), which));
        }
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

void InstallCloseSignals(QObject* owner, std::function<void()> close) {
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) {
        return;
    }
    g_signalWrite = fds[1];
    auto* notifier = new QSocketNotifier(fds[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [fd = fds[0], close = std::move(close)] {
        char drain[64];
        while (::read(fd, drain, sizeof drain) > 0) {
        }
        close();
    });
    struct sigaction sa {};
    sa.sa_handler = OnCloseSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(sig, &sa, nullptr);
    }
}

CWinApp::CWinApp() {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) {
        g_pApp = nullptr;
    }
}

bool CWinApp::InitInstance() {
    return true;
}

int CWinApp::ExitInstance() {
    return 0;
}

void CWinApp::OnHelp() {}

int CWinApp::Run(int& argc, char** argv) {
    QApplication app(argc, argv);
    // Before any widget exists, so nothing is polished twice.
    QApplication::setStyle(new CStartupStyle(QApplication::style()->name()));
    QApplication::setWindowIcon(LoadIcon(IDR_MAINFRAME));
    LoadTranslations(app);
    // A signal closes the window as its close button does: a Send in progress completes its frame first, and
    // the port is given back with its settings restored.
    QGuiApplication::setDesktopFileName("velmar");
    InstallCloseSignals(&app, [this] {
        ++m_nCloseSignals;
        // A box standing over the window would hold the close up until someone answers it: it goes first.
        for (QWidget* box = QApplication::activeModalWidget(); box != nullptr && box != m_pMainWnd;
             box = QApplication::activeModalWidget()) {
            box->close();
            if (QApplication::activeModalWidget() == box) {
                break;
            }
        }
        if (m_pMainWnd != nullptr) {
            m_pMainWnd->close();
        } else {
            QApplication::quit();
        }
    });
    int code = 0;
    if (InitInstance()) {
        code = QApplication::exec();
    }
    const int exitCode = ExitInstance();
    m_pMainWnd = nullptr;
    return code != 0 ? code : exitCode;
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

} // namespace velmar
