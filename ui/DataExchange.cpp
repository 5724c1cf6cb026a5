// Data exchange between a dialog's controls and the members they stand for (DDX_), and the checks made on the
// way in (DDV_).

#include "Dialog.h"

#include "Words.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextBoundaryFinder>
#include <QValidator>

namespace velmar {

namespace {

// Holds an edit to a number of characters as the operator sees them (a
// letter with its accent, an emoji: one each). Input that would go beyond is
// refused, as keys typed into a full edit are.
class CharacterLimit : public QValidator {
public:
    CharacterLimit(int limit, QObject* parent) : QValidator(parent), m_limit(limit) {}
    void SetLimit(int limit) { m_limit = limit; }
    State validate(QString& input, int&) const override {
        return static_cast<int>(ToMemberText(input).size()) <= m_limit ? Acceptable : Invalid;
    }

private:
    int m_limit;
};

} // namespace

void CDataExchange::Fail() {
    m_bFailed = true;
    if (QWidget* w = m_pDlgWnd->GetDlgItem(m_idLastControl)) {
        w->setFocus();
    }
}

std::string ToMemberText(const QString& text) {
    std::string out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary()) {
        const qsizetype length = end - start;
        const char16_t first = text[start].unicode();
        if (length == 1 && first < 0x80) {
            out.push_back(static_cast<char>(first));
        } else if (length == 1 && first <= 0xFF) {
            out.push_back(static_cast<char>(first)); // Latin-1 keeps its byte, 0x80 and above
        } else {
            out.push_back(static_cast<char>(0x80));
        }
        start = end;
    }
    return out;
}

QString FromMemberText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {
template <class W> W* ControlFor(CDataExchange* pDX, int id) {
    pDX->m_idLastControl = id;
    return qobject_cast<W*>(pDX->m_pDlgWnd->GetDlgItem(id));
}
} // namespace

void DDX_Control(CDataExchange* pDX, int id, CButton& button) {
    if (pDX->m_bFailed || button.IsAttached()) {
        return;
    }
    button.m_pButton = qobject_cast<QAbstractButton*>(pDX->m_pDlgWnd->GetDlgItem(id));
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
    if (pDX->m_bFailed) {
        return;
    }
    auto* edit = ControlFor<QLineEdit>(pDX, id);
    if (edit == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = ToMemberText(edit->text());
    } else if (ToMemberText(edit->text()) != value) {
        edit->setText(FromMemberText(value));
    }
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int count) {
    if (pDX->m_bFailed) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        if (static_cast<int>(value.size()) > count) {
            if (pDX->m_bQuiet) {
                pDX->m_bFailed = true;
                return;
            }
            pDX->m_pDlgWnd->CheckMessageBox(QString::fromStdString(res::TooManyCharacters(count)));
            pDX->Fail();
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl))) {
        if (auto* limit = const_cast<CharacterLimit*>(dynamic_cast<const CharacterLimit*>(edit->validator()))) {
            limit->SetLimit(count);
        } else {
            edit->setValidator(new CharacterLimit(count, edit));
        }
    }
}

void DDX_CBString(CDataExchange* pDX, int id, std::string& value) {
    if (pDX->m_bFailed) {
        return;
    }
    auto* combo = ControlFor<QComboBox>(pDX, id);
    if (combo == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = combo->currentIndex() < 0 ? std::string() : ToMemberText(combo->currentText());
    } else if (const int index = combo->findText(FromMemberText(value), Qt::MatchExactly | Qt::MatchCaseSensitive);
               index >= 0) {
        combo->setCurrentIndex(index);
    }
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index) {
    if (pDX->m_bFailed) {
        return;
    }
    auto* combo = ControlFor<QComboBox>(pDX, id);
    if (combo == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        index = combo->currentIndex();
    } else {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& index) {
    if (pDX->m_bFailed) {
        return;
    }
    pDX->m_idLastControl = firstId;
    const std::vector<QRadioButton*> radios = pDX->m_pDlgWnd->RadioGroup(firstId);
    if (pDX->m_bSaveAndValidate) {
        index = -1;
        for (std::size_t i = 0; i < radios.size(); ++i) {
            if (radios[i]->isChecked()) {
                index = static_cast<int>(i);
                break;
            }
        }
        return;
    }
    if (radios.empty()) {
        return;
    }
    QButtonGroup* group = radios.front()->group();
    if (index >= 0 && index < static_cast<int>(radios.size())) {
        radios[static_cast<std::size_t>(index)]->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last button.
    if (group) {
        group->setExclusive(false);
    }
    for (QRadioButton* r : radios) {
        r->setChecked(false);
    }
    if (group) {
        group->setExclusive(true);
    }
}

} // namespace velmar
