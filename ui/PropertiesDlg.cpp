#include "PropertiesDlg.h"

#include "ResourceLoader.h"

#include "SettingLabels.h"
#include "Words.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace velmar {

CPropertiesDlg::CPropertiesDlg(QWidget* parent, const QString& title, const QString& notes)
    : QDialog(parent), m_pTitle(new QLineEdit(title, this)), m_pNotes(new QPlainTextEdit(notes, this)),
      m_pRefusal(new QLabel(this)) {
    setWindowTitle(Word(res::kPropertiesTitle));
    auto* form = new QFormLayout(this);
    auto* what = new QLabel(Word(res::kPropertiesWhat), this);
    what->setWordWrap(true);
    form->addRow(what);
    form->addRow(Word(res::kPropertiesLabelTitle), m_pTitle);
    form->addRow(Word(res::kPropertiesLabelNotes), m_pNotes);
    m_pRefusal->setWordWrap(true);
    m_pRefusal->setTextFormat(Qt::PlainText);
    form->addRow(m_pRefusal);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QObject::connect(buttons, &QDialogButtonBox::accepted, this, &CPropertiesDlg::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, this, &CPropertiesDlg::reject);
    form->addRow(buttons);
    m_pNotes->setTabChangesFocus(true);
    resize(480, 360);
}

QString CPropertiesDlg::Title() const {
    return m_pTitle->text();
}

QString CPropertiesDlg::Notes() const {
    return m_pNotes->toPlainText();
}

QString CPropertiesDlg::Refusal(const QString& title, const QString& notes) {
    const std::optional<LabelRefusal> refusal = CheckProperties(title.toStdString(), notes.toStdString());
    return refusal ? QString::fromStdString(res::LabelRefused(*refusal)) : QString();
}

void CPropertiesDlg::accept() {
    const QString refusal = Refusal(Title(), Notes());
    m_pRefusal->setText(refusal);
    if (refusal.isEmpty()) {
        QDialog::accept();
    }
}

} // namespace velmar
