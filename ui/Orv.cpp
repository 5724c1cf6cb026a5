#include "Orv.h"

#include "ChannelCard.h"
#include "OrvDlg.h"
#include "Resource.h"
#include "Strings.h"
#include "Translations.h"
#include "Words.h"

#include "SettingFile.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <optional>
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

namespace {

// The value of `option` at args[i], given as "--option VALUE" or "--option=VALUE" (i moves past it); nullopt when
// args[i] is another argument, or when the value is missing or empty (*refusal says so).
std::optional<QString> Valued(const std::vector<std::string>& args, std::size_t& i, const std::string& option,
                              CommandLineRefusal* refusal) {
    const std::string& arg = args[i];
    const bool joined = arg.rfind(option + "=", 0) == 0;
    if (arg != option && !joined) {
        return std::nullopt;
    }
    // An empty value is none: "--port ''" must not start the window on the default port.
    const std::string value = joined ? arg.substr(option.size() + 1) : i + 1 < args.size() ? args[++i] : "";
    if (value.empty()) {
        *refusal = {CommandLineRefusal::Kind::NeedsValue, option, 0};
        return std::nullopt;
    }
    return QString::fromLocal8Bit(value.c_str());
}

} // namespace

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
    std::size_t files = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (kQtWithValue.count(arg) != 0) {
            ++i;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (const auto value = Valued(args, i, "--port", &options.refusal)) {
            options.port = *value;
        } else if (const auto card = Valued(args, i, "--card", &options.refusal)) {
            options.card = *card;
        } else if (options.refusal.kind != CommandLineRefusal::Kind::None) {
            break;
        } else if (arg.rfind("--", 0) == 0) {
            options.refusal = {CommandLineRefusal::Kind::UnknownOption, arg, 0};
            break;
        } else if (arg.rfind("-", 0) == 0) {
            continue; // Qt's own
        } else if (++files == 1) {
            options.file = QString::fromLocal8Bit(arg.c_str());
        }
    }
    if (options.refusal.kind != CommandLineRefusal::Kind::None) {
        return options;
    }
    if (files > 1) {
        options.refusal = {CommandLineRefusal::Kind::TooManyFiles, {}, files};
    } else if (!options.card.isEmpty() && options.file.isEmpty()) {
        options.refusal.kind = CommandLineRefusal::Kind::CardWithoutFile;
    }
    return options;
}

namespace {

// velmar --card OUT.pdf FILE.velmar: for scripts, so no display is needed. 0 when written, 2 when the setting
// file is refused, 1 when the card cannot be written.
int MakeCard(int& argc, char** argv, const StartOptions& options) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    LoadTranslations(app);
    RadioSettings setting;
    FileFailure error;
    if (!ReadSettingFile(QFile::encodeName(options.file).toStdString(), &setting, &error)) {
        std::fprintf(stderr, "velmar: %s\n", res::DescribeFileFailure(error).c_str());
        return 2;
    }
    const QString title = setting.m_strTitle.empty() ? QFileInfo(options.file).completeBaseName()
                                                     : QString::fromStdString(setting.m_strTitle);
    QString why;
    if (!WriteChannelCardPdf(options.card, setting, {title, QDate::currentDate(), options.file}, &why)) {
        std::fprintf(stderr, "velmar: %s\n", res::CardNotWritten(why.toStdString()).c_str());
        return 1;
    }
    return 0;
}

} // namespace

int AfxWinMain(int& argc, char** argv) {
    const StartOptions options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (options.refusal.kind != CommandLineRefusal::Kind::None || options.help) {
        // In the person's language too; no display is needed for it.
        QCoreApplication app(argc, argv);
        LoadTranslations(app);
        if (options.help) {
            std::fputs(res::VelmarUsage().c_str(), stdout);
            return 0;
        }
        std::fprintf(stderr, "velmar: %s\n\n%s", res::CommandLineRefused(options.refusal).c_str(),
                     res::VelmarUsage().c_str());
        return 2;
    }
    if (options.version) {
        std::printf("velmar %s\n", VELMAR_VERSION);
        return 0;
    }
    if (!options.card.isEmpty()) {
        return MakeCard(argc, argv, options);
    }
    theApp.m_strStartFile = options.file;
    theApp.m_strPort = options.port;
    return theApp.Run(argc, argv);
}

} // namespace velmar
