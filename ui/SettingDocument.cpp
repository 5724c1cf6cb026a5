#include "SettingDocument.h"

#include "ChannelCard.h"
#include "OnDemand.h"
#include "PropertiesDlg.h"
#include "Resource.h"
#include "ResourceLoader.h"
#include "WinApp.h"

#include "ChannelCsv.h"
#include "Preferences.h"
#include "SettingFile.h"
#include "Strings.h"
#include "TextFile.h"
#include "Unsaved.h"
#include "Words.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPageSize>
#include <QPainter>
#include <QUrl>
#include <QWidget>

#include <filesystem>

namespace velmar {

namespace {

constexpr std::size_t kRecentFiles = 8;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

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

} // namespace

CSettingDocument::CSettingDocument(IDocumentView& view, CSettingEditor& editor) : m_view(view), m_editor(editor) {
    m_unsavedTimer.setSingleShot(true);
    m_unsavedTimer.setInterval(500);
    QObject::connect(&m_unsavedTimer, &QTimer::timeout, this, [this] { KeepUnsavedNow(); });
}

CSettingDocument::~CSettingDocument() {
    if (!m_bEndedUnsaved) {
        ForgetUnsaved();
    }
}

void CSettingDocument::FillFileMenu(QMenu* menu, const std::function<void()>& quit) {
    QWidget* window = m_view.Window();
    QAction* create = menu->addAction(Word(res::kMenuNew), this, [this] { New(); });
    create->setShortcut(QKeySequence::New);
    QAction* open = menu->addAction(Word(res::kMenuOpen), this, [this] { OnOpen(); });
    open->setShortcut(QKeySequence::Open);
    // Looked up as the menu opens: nothing the first paint does not need runs at start-up.
    QMenu* recent = menu->addMenu(Word(res::kMenuOpenRecent));
    QObject::connect(recent, &QMenu::aboutToShow, this, [this, recent] { FillRecentMenu(recent); });
    QAction* save = menu->addAction(Word(res::kMenuSave), this, [this] { OnSave(); });
    save->setShortcut(QKeySequence::Save);
    QAction* saveAs = menu->addAction(Word(res::kMenuSaveAs), this, [this] { OnSaveAs(); });
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    menu->addSeparator();
    menu->addAction(Word(res::kMenuCompareWith), this, [this] { OnCompareWith(); });
    menu->addAction(Word(res::kMenuCompareLastSent), this, [this] { OnCompareWithLastSent(); });
    menu->addSeparator();
    menu->addAction(Word(res::kMenuImport), this, [this] { OnImport(); });
    menu->addAction(Word(res::kMenuExport), this, [this] { OnExport(); });
    menu->addSeparator();
    menu->addAction(Word(res::kMenuProperties), this, [this] { OnProperties(); });
    menu->addAction(Word(res::kMenuExportCard), this, [this] { OnExportCard(); });
    menu->addAction(Word(res::kMenuPrintCard), this, [this] { OnPrintCard(); });
    menu->addSeparator();
    QAction* quitAction = menu->addAction(Word(res::kMenuQuit), this, quit);
    quitAction->setShortcut(QKeySequence::Quit);
    // The shortcuts work wherever the focus is in the window, also with the menu bar's menus closed.
    for (QAction* action : {create, open, save, saveAs, quitAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
        m_shortcuts << action;
    }
}

void CSettingDocument::FillEditMenu(QMenu* menu) {
    m_pUndo = menu->addAction(Word(res::kMenuUndo), this, [this] { Undo(); });
    m_pUndo->setShortcut(QKeySequence::Undo);
    m_pRedo = menu->addAction(Word(res::kMenuRedo), this, [this] { Redo(); });
    m_pRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {m_pUndo, m_pRedo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        m_view.Window()->addAction(action);
        m_shortcuts << action;
    }
    UpdateEditMenu();
}

void CSettingDocument::ShareShortcuts(QWidget* window) const {
    window->addActions(m_shortcuts);
}

void CSettingDocument::UpdateEditMenu() {
    if (m_pUndo == nullptr) {
        return;
    }
    const CSettingHistory& history = m_editor.History();
    m_pUndo->setEnabled(history.CanUndo());
    m_pUndo->setText(history.CanUndo() ? Q(res::UndoText(history.UndoChange())) : Word(res::kMenuUndo));
    m_pRedo->setEnabled(history.CanRedo());
    m_pRedo->setText(history.CanRedo() ? Q(res::RedoText(history.RedoChange())) : Word(res::kMenuRedo));
}

void CSettingDocument::Undo() {
    if (m_editor.History().CanUndo()) {
        m_view.Show(m_editor.Undo());
    }
}

void CSettingDocument::Redo() {
    if (m_editor.History().CanRedo()) {
        m_view.Show(m_editor.Redo());
    }
}

bool CSettingDocument::New() {
    if (!MaybeSave()) {
        return false;
    }
    const EditResult replaced = m_editor.Replace(RadioSettings{});
    m_strFile.clear();
    m_stamp.reset();
    m_shownRecord.reset();
    m_view.Show(replaced);
    return true;
}

bool CSettingDocument::CompareWith(const QString& path) {
    RadioSettings other;
    FileFailure error;
    if (!ReadSettingFile(Local(path), &other, &error)) {
        m_view.Ask(QString::fromLocal8Bit(res::DescribeFileFailure(error)));
        return false;
    }
    const std::vector<SettingDifference> found = CompareSettings(other, m_editor.Settled());
    const std::string name = Local(FileName(path));
    if (found.empty()) {
        m_view.Ask(Q(res::Identical(name, ParseSentRecordName(name))));
        return true;
    }
    QStringList lines;
    for (const SettingDifference& d : found) {
        lines << Q(res::DescribeDifference(d));
    }
    m_view.Ask(Q(res::Differences(found.size(), name)), MB_OK | MB_DETAILS, lines.join('\n'));
    return true;
}

void CSettingDocument::OnCompareWith() {
    const QString path = QFileDialog::getOpenFileName(m_view.Window(), Word(res::kCompareTitle),
                                                      QFileInfo(m_strFile).path(), Word(res::kSettingFilter));
    if (!path.isEmpty()) {
        CompareWith(path);
    }
}

void CSettingDocument::OnCompareWithLastSent() {
    // What the radio could have taken: a Send whose line stalled is no measure of that.
    const std::vector<std::string> newest = NewestSentFiles(SentHistoryDir(), 1, true);
    if (newest.empty()) {
        m_view.Ask(Word(res::kNoSendKept));
        return;
    }
    CompareWith(QString::fromStdString(newest.front()));
}

void CSettingDocument::FillRecentMenu(QMenu* menu) {
    menu->clear();
    Preferences prefs;
    FileFailure error;
    if (!ReadPreferences(PreferencesPath(), &prefs, &error)) {
        m_view.Say(Q(res::NoRecentFiles(error)));
    }
    int number = 0;
    for (const std::string& file : prefs.recentFiles) {
        // Records of Sends are reached under Sent…; an earlier Velmar listed them here too.
        if (ParseSentRecordName(std::filesystem::path(file).filename().string())) {
            continue;
        }
        const QString path = QFile::decodeName(QByteArray::fromStdString(file));
        // Numbered, the first nine by their digit as a key; an "&" in a path is the path's own.
        const QString label = QDir::toNativeSeparators(path).replace('&', "&&");
        menu->addAction(QString::fromStdString(res::RecentEntry(++number, label.toStdString())), this, [this, path] {
            if (MaybeSave()) {
                Load(path);
            }
        });
    }
    if (!menu->isEmpty()) {
        menu->addSeparator();
    }
    menu->addAction(Word(res::kMenuSent), this, [this] { OnOpenSent(); });
}

void CSettingDocument::AddRecentFile(const QString& path) {
    const std::string absolute = Local(QFileInfo(path).absoluteFilePath());
    FileFailure error;
    const bool kept = UpdatePreferences(
        [&absolute](Preferences& prefs) {
            std::vector<std::string>& recent = prefs.recentFiles;
            std::erase(recent, absolute);
            recent.insert(recent.begin(), absolute);
            if (recent.size() > kRecentFiles) {
                recent.resize(kRecentFiles);
            }
        },
        &error);
    if (!kept) {
        m_view.Say(Q(res::NotRemembered(error)));
    }
}

void CSettingDocument::Start() {
    UpdateEditMenu();
}

void CSettingDocument::Changed() {
    UpdateEditMenu();
    const bool modified = IsModified();
    // Text still being typed is kept too: it is what the screen shows.
    if (m_editor.HasUnsavedWork()) {
        m_unsavedTimer.start();
    } else {
        m_unsavedTimer.stop();
        ForgetUnsaved();
    }
    const std::string title = m_shownRecord
                                  ? res::RecordTitle(*m_shownRecord, modified)
                                  : res::Title(m_editor.Setting().m_strTitle, Local(FileName(m_strFile)), modified);
    if (m_view.Window()->windowTitle() != Q(title)) {
        m_view.Window()->setWindowTitle(Q(title));
    }
    if (m_onChanged) {
        m_onChanged();
    }
}

void CSettingDocument::KeepUnsavedNow() {
    FileFailure error;
    if (!KeepUnsaved(m_editor.Setting(), Local(m_strFile), &error)) {
        m_view.Say(Q(res::NotKeptAgainstCrash(error)));
    }
}

void CSettingDocument::OfferLeftUnsaved() {
    // Each window's work is offered, newest first, until one is restored: this window holds one setting, so the
    // rest wait for the next start. Only Discard removes a file; a box closed any other way keeps it.
    const std::vector<UnsavedWork> found = FindLeftUnsaved();
    for (std::size_t i = 0; i < found.size(); ++i) {
        const UnsavedWork* left = &found[i];
        const std::string name = std::filesystem::path(left->fromFile).filename().string();
        const QDateTime at = QDateTime::fromSecsSinceEpoch(left->when);
        const std::string when =
            res::DateTime(at.date().year(), at.date().month(), at.date().day(), at.time().hour(), at.time().minute());
        const int answer = m_view.Ask(
            Q(res::RestoreOffer(when, name, left->setting, static_cast<int>(i) + 1, static_cast<int>(found.size()))),
            MB_RESTOREDISCARD);
        if (answer == IDNO) {
            ForgetLeftUnsaved(left->path);
            continue;
        }
        if (answer != IDYES) {
            return;
        }
        // What the changes were made to is what they are unsaved against.
        RadioSettings saved;
        FileFailure unused;
        const bool fromFile = !left->fromFile.empty() && ReadSettingFile(left->fromFile, &saved, &unused);
        const EditResult restored = m_editor.Restore(left->setting, fromFile ? saved : RadioSettings{});
        m_strFile = fromFile ? QFile::decodeName(QByteArray::fromStdString(left->fromFile)) : QString();
        m_stamp = fromFile ? StampOf(left->fromFile) : std::nullopt;
        m_shownRecord.reset();
        m_view.Show(restored);
        m_view.Say(Q(res::Restored(name)));
        // Kept as this window's own work from now on, so it is never without a file.
        KeepUnsavedNow();
        ForgetLeftUnsaved(left->path);
        return;
    }
}

bool CSettingDocument::MaybeSave() {
    if (!IsModified()) {
        return true;
    }
    // A second signal means "end now": asking again would hold the end up for good. The changes stay kept
    // against a crash, so the next start offers them. It may come before the question or while it is up.
    const auto endNow = [this] {
        if (AfxGetApp() == nullptr || AfxGetApp()->m_nCloseSignals < 2) {
            return false;
        }
        KeepUnsavedNow();
        m_bEndedUnsaved = true;
        return true;
    };
    if (endNow()) {
        return true;
    }
    // m_strFile is empty for a record too: its changes go to a new file.
    switch (m_view.Ask(Q(res::Unsaved(Local(FileName(m_strFile)))), MB_SAVEDISCARDCANCEL)) {
    case IDYES:
        return OnSave();
    case IDNO:
        return true;
    default:
        return endNow();
    }
}

bool CSettingDocument::Load(const QString& path) {
    if (path.endsWith(kChannelCsvSuffix, Qt::CaseInsensitive)) {
        // A channel list opened by mistake: say what it is and offer what it is for.
        if (m_view.Ask(Q(res::ChannelListOffer(Local(FileName(path)))), MB_IMPORTCANCEL) == IDOK) {
            return Import(path);
        }
        return false;
    }
    RadioSettings loaded;
    FileFailure error;
    if (!ReadSettingFile(Local(path), &loaded, &error)) {
        m_view.Ask(QString::fromLocal8Bit(res::DescribeFileFailure(error)));
        return false;
    }
    // Another file is another history.
    const EditResult replaced = m_editor.Replace(loaded);
    m_view.Show(replaced);
    KeptIn(path, false);
    return true;
}

void CSettingDocument::KeptIn(const QString& path, bool saved) {
    if (saved) {
        m_editor.MarkSaved();
    }
    // A record of a Send opens as a copy: the proof of what a radio got is never saved over.
    m_shownRecord = saved ? std::nullopt : ParseSentRecordName(Local(FileName(path)));
    m_strFile = m_shownRecord ? QString() : path;
    m_stamp = m_shownRecord ? std::nullopt : StampOf(Local(path));
    if (!m_shownRecord) {
        AddRecentFile(path);
    }
    Changed();
    const std::string name = Local(FileName(path));
    m_view.Say(Q(m_shownRecord ? res::OpenedRecord(name) : saved ? res::Saved(name) : res::Opened(name)));
}

bool CSettingDocument::Save(const QString& path) {
    if (m_view.RefuseUnsettled()) {
        return false;
    }
    if (const std::optional<FileStamp> now = StampOf(Local(path));
        path == m_strFile && m_stamp && now && *now != *m_stamp) {
        switch (m_view.Ask(Q(res::ChangedOnDisk(Local(FileName(path)))), MB_OVERWRITESAVEAS)) {
        case IDYES:
            break;
        case IDNO:
            return OnSaveAs();
        default:
            return false;
        }
    }
    FileFailure error;
    if (!WriteSettingFile(Local(path), m_editor.Settled(), &error)) {
        m_view.Ask(QString::fromLocal8Bit(res::DescribeFileFailure(error)));
        return false;
    }
    KeptIn(path, true);
    return true;
}

bool CSettingDocument::Import(const QString& path) {
    if (m_view.RefuseUnsettled()) {
        return false;
    }
    std::string text;
    FileFailure error;
    if (!ReadTextFile(Local(path), &text, &error, kChannelCsvMaxBytes)) {
        m_view.Ask(QString::fromLocal8Bit(res::DescribeFileFailure(error)));
        return false;
    }
    CsvImport imported;
    int line = 0;
    if (const CsvRefusal refusal = ImportChannelsCsv(text, &imported, &line); refusal != CsvRefusal::None) {
        m_view.Ask(path + ": " + Q(res::DescribeCsvRefusal(refusal, line)));
        return false;
    }
    // Before anything changes, the person sees what each way changes and picks one; the import is one step.
    const std::string name = Local(FileName(path));
    const ImportFacts facts = m_editor.ImportWouldDo(imported);
    const int answer = m_view.Ask(Q(res::ImportPreview(imported, name, facts)), MB_IMPORTWAY | MB_DETAILS,
                                  Q(res::ImportPreviewDetail(imported, facts)));
    if (answer != IDYES && answer != IDNO) {
        return false;
    }
    const ImportWay way = answer == IDYES ? ImportWay::Merge : ImportWay::ReplaceAll;
    m_view.Show(m_editor.Import(imported, way));
    m_view.Say(
        Q(res::Imported(name, way, facts.changed.size() + (way == ImportWay::Merge ? 0 : facts.emptied.size()))));
    return true;
}

bool CSettingDocument::Export(const QString& path) {
    if (m_view.RefuseUnsettled()) {
        return false;
    }
    FileFailure error;
    if (!WriteTextFileAtomic(Local(path), ExportChannelsCsv(m_editor.Settled()), &error, Local(m_strFile))) {
        m_view.Ask(QString::fromLocal8Bit(res::DescribeFileFailure(error)));
        return false;
    }
    m_view.Say(Q(res::Exported(Local(FileName(path)))));
    return true;
}

void CSettingDocument::OnOpen() {
    if (!MaybeSave()) {
        return;
    }
    const QString path =
        QFileDialog::getOpenFileName(m_view.Window(), Word(res::kOpenSettingTitle), QFileInfo(m_strFile).path(),
                                     QString("%1;;%2").arg(Word(res::kSettingFilter), Word(res::kCsvFilter)));
    if (!path.isEmpty()) {
        Load(path);
    }
}

bool CSettingDocument::OnSave() {
    // Also for a record of a Send, which is never saved over.
    return m_strFile.isEmpty() ? OnSaveAs() : Save(m_strFile);
}

bool CSettingDocument::OnSaveAs() {
    const QString path = QFileDialog::getSaveFileName(m_view.Window(), Word(res::kSaveSettingTitle),
                                                      SuggestedPath(res::kNewSettingName, kSettingFileSuffix),
                                                      Word(res::kSettingFilter));
    return !path.isEmpty() && Save(WithSuffix(path, kSettingFileSuffix));
}

void CSettingDocument::OnImport() {
    const QString path =
        QFileDialog::getOpenFileName(m_view.Window(), Word(res::kImportTitle), QString(), Word(res::kCsvFilter));
    if (!path.isEmpty()) {
        Import(path);
    }
}

void CSettingDocument::OnExport() {
    const QString path =
        QFileDialog::getSaveFileName(m_view.Window(), Word(res::kExportTitle),
                                     SuggestedPath(res::kNewListName, kChannelCsvSuffix), Word(res::kCsvFilter));
    if (!path.isEmpty()) {
        Export(WithSuffix(path, kChannelCsvSuffix));
    }
}

bool CSettingDocument::SetProperties(const QString& title, const QString& notes) {
    if (m_view.RefuseUnsettled()) {
        return false;
    }
    EditResult result;
    if (const std::optional<LabelRefusal> refusal =
            m_editor.SetProperties(title.toStdString(), notes.toStdString(), &result)) {
        m_view.Ask(Q(res::LabelRefused(*refusal)));
        return false;
    }
    m_view.Show(result);
    return true;
}

void CSettingDocument::OnProperties() {
    const RadioSettings& shown = m_editor.Setting();
    CPropertiesDlg dialog(m_view.Window(), Q(shown.m_strTitle), Q(shown.m_strNotes));
    if (dialog.exec() == QDialog::Accepted) {
        SetProperties(dialog.Title(), dialog.Notes());
    }
}

QString CSettingDocument::SuggestedPath(const char* generic, const QString& suffix) const {
    // Next to the setting's file, named by its title, else by its file, else by what it is; a record of a Send
    // lives in the history, where nothing of a person's is kept.
    const bool ownFile = !m_strFile.isEmpty() && !m_shownRecord;
    const QString dir = ownFile ? QFileInfo(m_strFile).path() : QDir::homePath();
    const std::string stem = FileStemOfTitle(m_editor.Setting().m_strTitle);
    const QString name = !stem.empty() ? Q(stem) + suffix
                         : ownFile     ? QFileInfo(m_strFile).completeBaseName() + suffix
                                       : FromUtf8(generic);
    return QDir(dir).filePath(name);
}

QString CSettingDocument::CardTitle(const RadioSettings& setting) const {
    if (!setting.m_strTitle.empty()) {
        return Q(setting.m_strTitle);
    }
    return m_strFile.isEmpty() ? Word(res::kCardUntitled) : QFileInfo(m_strFile).completeBaseName();
}

bool CSettingDocument::ExportCard(const QString& path) {
    if (m_view.RefuseUnsettled()) {
        return false;
    }
    const RadioSettings setting = m_editor.Settled();
    QString error;
    if (!WriteChannelCardPdf(path, setting, {CardTitle(setting), QDate::currentDate(), m_strFile}, &error)) {
        m_view.Ask(Q(res::CardNotWritten(error.toStdString())));
        return false;
    }
    m_view.Say(Q(res::CardWritten(Local(FileName(path)))));
    return true;
}

void CSettingDocument::OnExportCard() {
    const QString path = QFileDialog::getSaveFileName(m_view.Window(), Word(res::kExportCardTitle),
                                                      SuggestedPath(res::kNewCardName, ".pdf"), Word(res::kPdfFilter));
    if (!path.isEmpty()) {
        ExportCard(WithSuffix(path, QStringLiteral(".pdf")));
    }
}

void CSettingDocument::OnPrintCard() {
    if (m_view.RefuseUnsettled()) {
        return;
    }
    if (const QString missing = MissingCardFont(); !missing.isEmpty()) {
        m_view.Ask(Q(res::CardNotWritten(res::CardNoFont(missing.toStdString()))));
        return;
    }
    const RadioSettings setting = m_editor.Settled();
    QString why;
    const OnDemandLibrary* library = OnDemand(&why);
    if (library == nullptr) {
        m_view.Ask(Q(res::CardNotPrinted(why.toStdString())));
        return;
    }
    const CardFacts facts{CardTitle(setting), QDate::currentDate(), m_strFile};
    library->print(
        m_view.Window(), QPageSize(CardOnLetter() ? QPageSize::Letter : QPageSize::A4), facts.title,
        [&](QPainter& painter, QPagedPaintDevice& printer) { PaintChannelCard(painter, printer, setting, facts); });
}

void CSettingDocument::OnOpenSent() {
    if (!MaybeSave()) {
        return;
    }
    const QString dir = QString::fromStdString(SentHistoryDir());
    QDir().mkpath(dir);
    QFileDialog dialog(m_view.Window(), Word(res::kOpenSentTitle), dir, Word(res::kSettingFilter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    // The newest first: the names begin with the time of the Send.
    const auto newest = NewestSentFiles(SentHistoryDir(), 1);
    if (!newest.empty()) {
        dialog.selectFile(QString::fromStdString(newest.front()));
    }
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        Load(dialog.selectedFiles().front());
    }
}

QString CSettingDocument::DroppedSettingFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 || !data->urls()[0].isLocalFile()) {
        return {};
    }
    const QString path = data->urls()[0].toLocalFile();
    return path.endsWith(kSettingFileSuffix, Qt::CaseInsensitive) ? path : QString();
}

} // namespace velmar
