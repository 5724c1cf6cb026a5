#pragma once
// File > Properties: the setting's title and notes, which the radio does not store. OK keeps them only when
// both may be kept (SettingLabels.h), and says in the box what is in the way.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace velmar {

class CPropertiesDlg : public QDialog {
public:
    CPropertiesDlg(QWidget* parent, const QString& title, const QString& notes);
    QString Title() const;
    QString Notes() const;
    // What keeps the two from being kept; empty when nothing does.
    static QString Refusal(const QString& title, const QString& notes);

    void accept() override;

private:
    QLineEdit* m_pTitle;
    QPlainTextEdit* m_pNotes;
    QLabel* m_pRefusal;
};

} // namespace velmar
