#include "Orv.h"

#include "OrvDlg.h"
#include "Preferences.h"
#include "Resource.h"

#include <cstdio>
#include <set>

namespace velmar {

COrvApp theApp;

bool COrvApp::InitInstance() {
    COrvDlg dlg;
    dlg.SetStartFile(m_strStartFile);
    dlg.SetCommandLinePort(m_strPort);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

CAboutDlg::CAboutDlg(QWidget* parent) : CDialog(IDD_ABOUTBOX, parent) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
}

const char* const kVelmarUsage = R"(Usage: velmar [OPTION]... [FILE.velmar]
Program the channels and options of a UHF PMR/LPD hand-held radio.

Velmar shows one settings dialog: eight channel groups of eight frequencies
(400 to 500 MHz on a 6.25 kHz grid), a channel spacing per group and the
radio's options. Connect opens the radio's programming cable, COM1, at 4800
baud, 8 data bits, no parity and two stop bits; Send writes the whole setting
to the radio as one 258-byte programming frame in 141 paced writes. Settings
are kept in setting files (FILE.velmar), and every complete Send is kept in the
history of sent settings.

Options:
  FILE.velmar      open this setting file at start
      --port DEV   use the serial device DEV as COM1 for this run (a USB
                   cable such as /dev/ttyUSB0, or a pseudo-terminal)
  -h, --help       display this help and exit
      --version    output version information and exit

COM1 is the first of: --port DEV, the environment's VELMAR_COM1, the port
chosen last time in the window's Port menu, /dev/ttyS0. The status line says
which one is in force and why.

Environment:
  VELMAR_COM1      the serial device that COM1 stands for, for example
                   /dev/ttyUSB0 for a USB programming cable

Files:
  ~/.config/velmar/)" VELMAR_PREFERENCES_FILE_NAME R"(    what the window remembers: the port chosen,
                                 the recent files ($XDG_CONFIG_HOME/velmar
                                 when that is set)
  ~/.local/share/velmar/sent/    the settings of the last 500 complete Sends
                                 ($XDG_DATA_HOME/velmar/sent when that is set)

Examples:
  velmar club.velmar                    open a setting and send it from the window
  velmar --port /dev/ttyUSB0            use a USB programming cable as COM1
)";

StartOptions ParseCommandLine(const std::vector<std::string>& args) {
    // Qt's options that take the next argument as their value.
    static const std::set<std::string> kQtWithValue{"-platform",        "-platformpluginpath",
                                                    "-platformtheme",   "-plugin",
                                                    "-qwindowgeometry", "-qwindowicon",
                                                    "-qwindowtitle",    "-display",
                                                    "-geometry",        "-style",
                                                    "-stylesheet",      "-title",
                                                    "-session",         "-name"};
    StartOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (kQtWithValue.count(arg) != 0) {
            ++i;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--port" || arg.rfind("--port=", 0) == 0) {
            const bool joined = arg.size() > 6;
            if (!joined && i + 1 >= args.size()) {
                options.error = "--port needs a device";
                break;
            }
            options.port = QString::fromLocal8Bit(joined ? arg.substr(7).c_str() : args[++i].c_str());
        } else if (arg.rfind("--", 0) == 0) {
            options.error = "unknown option " + arg;
        } else if (arg.rfind("-", 0) == 0) {
            continue; // Qt's own
        } else if (!options.file.isEmpty()) {
            options.error = "more than one file: " + arg;
        } else {
            options.file = QString::fromLocal8Bit(arg.c_str());
        }
    }
    return options;
}

int AfxWinMain(int& argc, char** argv) {
    const StartOptions options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::fprintf(stderr, "velmar: %s\n\n%s", options.error.c_str(), kVelmarUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kVelmarUsage, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("velmar %s\n", VELMAR_VERSION);
        return 0;
    }
    theApp.m_strStartFile = options.file;
    theApp.m_strPort = options.port;
    return theApp.Run(argc, argv);
}

} // namespace velmar
