#pragma once
// The setting as a document: which file it came from or went to, whether it has changes no file holds, and the
// commands that move it between the window and files (setting files, channel lists, records of Sends, the
// recent files, unsaved work kept against a crash). The window shows the setting; the document keeps it.

#include "Afx.h"
#include "RadioSettings.h"
#include "SentHistory.h"
#include "SettingEditor.h"
#include "TextFile.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QMimeData;
class QWidget;

namespace velmar {

// What the document asks of the window that shows the setting.
class IDocumentView {
public:
    virtual ~IDocumentView() = default;
    // Shows the editor's setting after a command, as `result` says; the document hears of it (Changed).
    virtual void Show(const EditResult& result) = 0;
    // True (a box said why) when an edit shows something that cannot be kept or sent.
    virtual bool RefuseUnsettled() = 0;
    // The window, for the title and as the owner of file dialogs.
    virtual QWidget* Window() = 0;
    virtual int Ask(const QString& text, UINT type = MB_OK, const QString& detail = {}) = 0;
    virtual void Say(const QString& note) = 0;
};

class CSettingDocument : public QObject {
public:
    CSettingDocument(IDocumentView& view, CSettingEditor& editor);
    // A clean end: unsaved work kept against a crash is not offered again.
    ~CSettingDocument() override;

    // The File menu's entries (New, Open, Open Recent with Sent…, Save, Save As, Compare, Import, Export,
    // Properties, the channel card, then `quit`) and the Edit menu's Undo and Redo, their shortcuts working anywhere in
    // the window.
    void FillFileMenu(QMenu* menu, const std::function<void()>& quit);
    void FillEditMenu(QMenu* menu);
    // The File and Edit menus' keys (Ctrl+S, Ctrl+Z, Ctrl+Shift+Z, ...) work in `window` too (a second window
    // on the same setting).
    void ShareShortcuts(QWidget* window) const;

    // The Edit menu and the title as the setting stands at start.
    void Start();
    // The editor's setting changed: the Edit menu, the title's mark and the unsaved work follow it.
    void Changed();
    // Runs after each change has been taken in (a view of the whole setting follows it).
    void OnChanged(std::function<void()> changed) { m_onChanged = std::move(changed); }

    // Undo and Redo of the last settled change: the window shows the setting as it was before or after it.
    void Undo();
    void Redo();
    [[nodiscard]] const CSettingHistory& History() const { return m_editor.History(); }
    // File > New: the default setting, after asking about unsaved changes.
    bool New();
    // Compares the shown setting with the setting in `path` (a file or a record of a Send) and says how they
    // differ; false when the file cannot be read.
    bool CompareWith(const QString& path);

    // Each shows a box and changes nothing when it fails; true when it worked.
    bool Load(const QString& path);
    bool Save(const QString& path);
    bool Import(const QString& path);
    bool Export(const QString& path);
    // File > Properties: the title and the notes, one step of the history; false (a box said why) when one of
    // them cannot be kept.
    bool SetProperties(const QString& title, const QString& notes);
    // File > Export Channel Card: the shown setting's card as a PDF at `path`.
    bool ExportCard(const QString& path);
    // The name a card of the shown setting goes by: its title, else its file's name.
    QString CardTitle(const RadioSettings& setting) const;
    // Where Save As, Export and Export Card start: `generic` ("setting.velmar") only for a setting with neither
    // title nor file of its own.
    QString SuggestedPath(const char* generic, const QString& suffix) const;
    // The one setting file among dropped things, if there is exactly one.
    static QString DroppedSettingFile(const QMimeData* data);

    // Whether the shown setting differs from the one last opened or saved in a way that would change the frame.
    bool IsModified() const { return m_editor.IsModified(); }
    // Asks Save / Discard / Cancel when the setting is modified; false when the operator cancelled (or the
    // save failed), so that what was about to happen must not.
    bool MaybeSave();
    [[nodiscard]] QString File() const { return m_strFile; }

    // Offers the unsaved work that a Velmar which did not end cleanly left behind.
    void OfferLeftUnsaved();

private:
    void OnOpen();
    bool OnSave();
    bool OnSaveAs();
    void OnImport();
    void OnExport();
    void OnOpenSent();
    void OnProperties();
    void OnExportCard();
    void OnPrintCard();
    void OnCompareWith();
    void OnCompareWithLastSent();
    void UpdateEditMenu();
    void FillRecentMenu(QMenu* menu);
    void AddRecentFile(const QString& path);
    // The setting shown is now the one in `path`: title, recent files, the unsaved mark, a word said.
    void KeptIn(const QString& path, bool saved);
    void KeepUnsavedNow();

    IDocumentView& m_view;
    CSettingEditor& m_editor;
    QString m_strFile; // the setting file shown, empty for none (and for a record of a Send)
    // Set while the setting shown came from a record of a Send: it opens as a copy, and Save asks for a new file.
    std::optional<SentRecordName> m_shownRecord;
    // m_strFile as it was when opened or saved here: a Save over it asks when another program wrote it since.
    std::optional<FileStamp> m_stamp;
    QTimer m_unsavedTimer; // unsaved changes are kept against a crash a moment after each change
    std::function<void()> m_onChanged;
    bool m_bEndedUnsaved = false; // ended by a second signal: the kept changes outlive the window
    QAction* m_pUndo = nullptr;
    QAction* m_pRedo = nullptr;
    QList<QAction*> m_shortcuts; // the File and Edit menus' entries with keys
};

} // namespace velmar
