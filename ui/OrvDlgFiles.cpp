// The settings dialog's files: setting files, channel lists, the recent files,
// the history of sent settings, and the menu bar that reaches them.

#include "OrvDlg.h"

#include "MessageBoxes.h"
#include "ResourceLoader.h"
#include "StatusLine.h"
#include "WinApp.h"

#include "ChannelCsv.h"
#include "ChannelEntry.h"
#include "GroupSelection.h"
#include "SentHistory.h"
#include "SettingFile.h"
#include "Strings.h"
#include "TextFile.h"
#include "Unsaved.h"

#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

#include <chrono>
#include <filesystem>

namespace velmar {

namespace {

constexpr std::size_t kRecentFiles = 8;
const char* const kSettingFilter = "Velmar settings (*.velmar)";
const char* const kCsvFilter = "Channel lists (*.csv)";

QString FileName(const QString& path) {
    return QFileInfo(path).fileName();
}

std::string Local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString WithSuffix(QString path, const QString& suffix) {
    if (!path.endsWith(suffix, Qt::CaseInsensitive)) {
        path += suffix;
    }
    return path;
}

// The one setting file among dropped things, if there is exactly one.
QString DroppedSettingFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 || !data->urls()[0].isLocalFile()) {
        return {};
    }
    const QString path = data->urls()[0].toLocalFile();
    return path.endsWith(kSettingFileSuffix, Qt::CaseInsensitive) ? path : QString();
}

} // namespace

void COrvDlg::BuildMenus() {
    m_pMenuBar = new QMenuBar(this);
    m_pMenuBar->setNativeMenuBar(false);

    m_pFileMenu = m_pMenuBar->addMenu("&File");
    QAction* open = m_pFileMenu->addAction("&Open\u2026", this, [this] { OnFileOpen(); });
    open->setShortcut(QKeySequence::Open);
    // The recent files and the ports are looked up as their menus open: nothing the first paint does not need
    // runs at start-up.
    m_pRecentMenu = m_pFileMenu->addMenu("Open &Recent");
    QObject::connect(m_pRecentMenu, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
    QAction* save = m_pFileMenu->addAction("&Save", this, [this] { OnFileSave(); });
    save->setShortcut(QKeySequence::Save);
    QAction* saveAs = m_pFileMenu->addAction("Save &As\u2026", this, [this] { OnFileSaveAs(); });
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_pFileMenu->addSeparator();
    m_pFileMenu->addAction("&Import Channels (CSV)\u2026", this, [this] { OnImportChannels(); });
    m_pFileMenu->addAction("&Export Channels (CSV)\u2026", this, [this] { OnExportChannels(); });
    m_pFileMenu->addSeparator();
    QAction* quit = m_pFileMenu->addAction("&Quit", this, [this] { close(); });
    quit->setShortcut(QKeySequence::Quit);
    // The shortcuts work wherever the focus is in the window, also with the menu bar's menus closed.
    for (QAction* action : {open, save, saveAs, quit}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }

    m_pPortMenu = m_pMenuBar->addMenu("&Port");
    m_pPortMenu->setToolTipsVisible(true);
    QObject::connect(m_pPortMenu, &QMenu::aboutToShow, this, [this] { FillPortMenu(); });

    BuildChannelsMenu();

    QMenu* help = m_pMenuBar->addMenu("&Help");
    help->addAction(LoadString(IDS_ABOUTBOX), this, [this] { OnSysCommand(IDM_ABOUTBOX, 0); });

    SetMenuBar(m_pMenuBar);
}

void COrvDlg::FillRecentMenu() {
    m_pRecentMenu->clear();
    Preferences prefs;
    std::string error;
    if (!ReadPreferences(PreferencesPath(), &prefs, &error) && m_pStatusLine != nullptr) {
        m_pStatusLine->ShowNote(QString("No recent files: %1").arg(QString::fromLocal8Bit(error)));
    }
    QStringList recent;
    for (const std::string& file : prefs.recentFiles) {
        // Records of Sends are reached under Sent…; an earlier Velmar listed them here too.
        if (!ParseSentRecordName(std::filesystem::path(file).filename().string())) {
            recent << QString::fromLocal8Bit(file);
        }
    }
    for (const QString& path : recent) {
        m_pRecentMenu->addAction(QDir::toNativeSeparators(path), this, [this, path] {
            if (MaybeSave()) {
                LoadSettingFile(path);
            }
        });
    }
    if (!recent.isEmpty()) {
        m_pRecentMenu->addSeparator();
    }
    m_pRecentMenu->addAction("Sent\u2026", this, [this] { OnOpenSent(); });
}

void COrvDlg::AddRecentFile(const QString& path) {
    const std::string absolute = Local(QFileInfo(path).absoluteFilePath());
    Remember([&absolute](Preferences& prefs) {
        std::vector<std::string>& recent = prefs.recentFiles;
        std::erase(recent, absolute);
        recent.insert(recent.begin(), absolute);
        if (recent.size() > kRecentFiles) {
            recent.resize(kRecentFiles);
        }
    });
}

void COrvDlg::Remember(const std::function<void(Preferences&)>& change) {
    std::string error;
    if (!UpdatePreferences(change, &error) && m_pStatusLine != nullptr) {
        m_pStatusLine->ShowNote(QString("Not remembered: %1").arg(QString::fromLocal8Bit(error)));
    }
}

void COrvDlg::UpdateTitle() {
    QString title = "Velmar";
    if (m_shownRecord) {
        const SentRecordName& r = *m_shownRecord;
        title += QString::asprintf(" - record of the Send of %04d-%02d-%02d %02d:%02d:%02d, checksum 0x%02X", r.year,
                                   r.month, r.day, r.hour, r.minute, r.second, r.checksum);
    } else if (!m_strFile.isEmpty()) {
        title += " - " + FileName(m_strFile);
    }
    const bool modified = IsModified();
    if (modified) {
        title += " *";
        m_unsavedTimer.start();
    } else {
        m_unsavedTimer.stop();
        ForgetUnsaved();
    }
    if (windowTitle() != title) {
        setWindowTitle(title);
    }
}

void COrvDlg::KeepUnsavedNow() {
    std::string error;
    if (!KeepUnsaved(ShownSetting(), Local(m_strFile), &error) && m_pStatusLine != nullptr) {
        m_pStatusLine->ShowNote(
            QString("Unsaved changes not kept against a crash: %1").arg(QString::fromLocal8Bit(error)));
    }
}

void COrvDlg::OfferLeftUnsaved() {
    std::optional<UnsavedWork> left = FindLeftUnsaved();
    if (!left) {
        return;
    }
    const QString name =
        left->fromFile.empty() ? QString("a setting") : FileName(QString::fromLocal8Bit(left->fromFile));
    const QString when = QDateTime::fromSecsSinceEpoch(left->when).toString("yyyy-MM-dd hh:mm");
    if (MessageBox(QString("Velmar ended at %1 without saving the changes to %2. Restore them?").arg(when, name), {},
                   MB_RESTOREDISCARD) == IDYES) {
        ApplySetting(left->setting);
        // What the changes were made to is what they are unsaved against.
        RadioSettings saved;
        std::string unused;
        const bool fromFile = !left->fromFile.empty() && ReadSettingFile(left->fromFile, &saved, &unused);
        m_savedSetting = fromFile ? saved : RadioSettings{};
        m_strFile = fromFile ? QString::fromLocal8Bit(left->fromFile) : QString();
        m_shownRecord.reset();
        UpdateTitle();
        if (m_pStatusLine != nullptr) {
            m_pStatusLine->ShowNote(QString("Restored the unsaved changes to %1").arg(name));
        }
    }
    ForgetLeftUnsaved();
}

RadioSettings COrvDlg::ShownSetting() {
    // The controls are read into the record and the record put back as it was: a look, not a handler.
    const RadioSettings kept = m_record;
    ReadControlsQuietly();
    RadioSettings shown = m_record;
    m_record = kept;
    return shown;
}

bool COrvDlg::IsModified() {
    return !SameSetting(ShownSetting(), m_savedSetting);
}

bool COrvDlg::MaybeSave() {
    // A second signal means "end now": asking again would hold the end up for good.
    if (!IsModified() || (AfxGetApp() != nullptr && AfxGetApp()->m_nCloseSignals > 1)) {
        return true;
    }
    const QString name = m_strFile.isEmpty() ? QString("The setting") : FileName(m_strFile);
    // m_strFile is empty for a record too: its changes go to a new file.
    switch (MessageBox(QString("%1 has changes that are not saved. Save them?").arg(name), {}, MB_SAVEDISCARDCANCEL)) {
    case IDYES:
        return OnFileSave();
    case IDNO:
        return true;
    default:
        return false;
    }
}

void COrvDlg::ApplySetting(const RadioSettings& setting) {
    m_record = setting;
    UpdateData(false);
    // The mode as a click on its radio gives it: the enabling, and the spacing the radios show.
    switch (m_record.m_nMode) {
    case 1:
        OnModeLpd();
        break;
    case 2:
        OnModeGroup();
        break;
    case 3:
        OnModePmrLpd();
        break;
    default:
        OnModePmr();
        break;
    }
}

bool COrvDlg::LoadSettingFile(const QString& path) {
    if (path.endsWith(kChannelCsvSuffix, Qt::CaseInsensitive)) {
        // A channel list opened by mistake: say what it is and offer what it is for.
        if (MessageBox(QString("%1 is a channel list (CSV), not a setting file. Import its channels into the "
                               "setting shown?")
                           .arg(FileName(path)),
                       {}, MB_IMPORTCANCEL) == IDOK) {
            return ImportChannels(path);
        }
        return false;
    }
    RadioSettings loaded;
    std::string error;
    if (!ReadSettingFile(Local(path), &loaded, &error)) {
        MessageBox(QString::fromStdString(error));
        return false;
    }
    ApplySetting(loaded);
    KeptIn(path, "Opened");
    return true;
}

void COrvDlg::KeptIn(const QString& path, const char* what) {
    m_savedSetting = m_record;
    // A record of a Send opens as a copy: the proof of what a radio got is never saved over.
    m_shownRecord = ParseSentRecordName(Local(FileName(path)));
    m_strFile = m_shownRecord ? QString() : path;
    if (!m_shownRecord) {
        AddRecentFile(path);
    }
    UpdateTitle();
    if (m_pStatusLine != nullptr) {
        m_pStatusLine->ShowNote(m_shownRecord
                                    ? QString("Opened a copy of %1: Save asks for a new file").arg(FileName(path))
                                    : QString("%1 %2").arg(what, FileName(path)));
    }
}

bool COrvDlg::SaveSettingFile(const QString& path) {
    if (!UpdateData(true) || RefuseUnsettled()) {
        return false;
    }
    std::string error;
    if (!WriteSettingFile(Local(path), m_record, &error)) {
        MessageBox(QString::fromStdString(error));
        return false;
    }
    KeptIn(path, "Saved");
    return true;
}

bool COrvDlg::ImportChannels(const QString& path) {
    if (!UpdateData(true)) {
        return false;
    }
    std::string text;
    std::string error;
    if (!ReadTextFile(Local(path), &text, &error, kChannelCsvMaxBytes)) {
        MessageBox(QString::fromLocal8Bit(error));
        return false;
    }
    CsvImport imported;
    if (const CsvRefusal refusal = ImportChannelsCsv(text, &imported); refusal != CsvRefusal::None) {
        MessageBox(QString("%1: %2").arg(path, QString::fromStdString(res::DescribeCsvRefusal(refusal))));
        return false;
    }
    ApplyCsvImport(m_record, imported);
    LoadGroupChannels();
    if (m_record.m_nMode == kGroupMode) {
        // The radios show the group's spacing as Send will send it; the other modes show their own.
        m_record.m_nSpacing = GroupSpacing(m_record);
    }
    UpdateData(false);
    UpdateTitle();
    MessageBox(QString::fromStdString(res::CsvImportSummary(imported, Local(FileName(path)))), {}, MB_OK,
               QString::fromStdString(res::CsvImportDetail(imported)));
    return true;
}

bool COrvDlg::ExportChannels(const QString& path) {
    if (!UpdateData(true) || RefuseUnsettled()) {
        return false;
    }
    std::string error;
    if (!WriteTextFileAtomic(Local(path), ExportChannelsCsv(m_record), &error)) {
        MessageBox(QString::fromStdString(error));
        return false;
    }
    if (m_pStatusLine != nullptr) {
        m_pStatusLine->ShowNote(QString("Channels exported to %1").arg(FileName(path)));
    }
    return true;
}

void COrvDlg::OnFileOpen() {
    if (!MaybeSave()) {
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, "Open Setting", QFileInfo(m_strFile).path(),
                                                      QString("%1;;%2").arg(kSettingFilter, kCsvFilter));
    if (!path.isEmpty()) {
        LoadSettingFile(path);
    }
}

bool COrvDlg::OnFileSave() {
    // Also for a record of a Send, which is never saved over.
    return m_strFile.isEmpty() ? OnFileSaveAs() : SaveSettingFile(m_strFile);
}

bool COrvDlg::OnFileSaveAs() {
    const QString start = m_strFile.isEmpty() ? QDir::home().filePath("setting.velmar") : m_strFile;
    const QString path = QFileDialog::getSaveFileName(this, "Save Setting As", start, kSettingFilter);
    return !path.isEmpty() && SaveSettingFile(WithSuffix(path, kSettingFileSuffix));
}

void COrvDlg::OnImportChannels() {
    if (!MaybeSave()) {
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, "Import Channels", QString(), kCsvFilter);
    if (!path.isEmpty()) {
        ImportChannels(path);
    }
}

void COrvDlg::OnExportChannels() {
    const QString path =
        QFileDialog::getSaveFileName(this, "Export Channels", QDir::home().filePath("channels.csv"), kCsvFilter);
    if (!path.isEmpty()) {
        ExportChannels(WithSuffix(path, ".csv"));
    }
}

void COrvDlg::OnOpenSent() {
    if (!MaybeSave()) {
        return;
    }
    const QString dir = QString::fromStdString(SentHistoryDir());
    QDir().mkpath(dir);
    QFileDialog dialog(this, "Open a Sent Setting", dir, kSettingFilter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // The newest first: the names begin with the time of the Send.
    const auto newest = NewestSentFiles(SentHistoryDir(), 1);
    if (!newest.empty()) {
        dialog.selectFile(QString::fromStdString(newest.front()));
    }
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        LoadSettingFile(dialog.selectedFiles().front());
    }
}

void COrvDlg::RecordSent() {
    std::string error;
    if (!RecordSentSetting(SentHistoryDir(), m_sentRecord, m_session.LastResult().checksum,
                           std::chrono::system_clock::now(), &error) &&
        m_pStatusLine != nullptr) {
        // The radio has its setting all the same: the Send is not undone by a history that cannot be kept.
        m_pStatusLine->ShowNote(
            QString("Not kept in the history of sent settings: %1").arg(QString::fromStdString(error)));
    }
}

void COrvDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedSettingFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void COrvDlg::dropEvent(QDropEvent* event) {
    if (OpenDropped(event->mimeData())) {
        event->acceptProposedAction();
    }
}

bool COrvDlg::OpenDropped(const QMimeData* data) {
    const QString path = DroppedSettingFile(data);
    if (path.isEmpty()) {
        return false;
    }
    if (!IsSending() && MaybeSave()) {
        LoadSettingFile(path);
    }
    return true;
}

} // namespace velmar
