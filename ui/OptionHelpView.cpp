#include "OptionHelpView.h"

#include "Dialog.h"
#include "ResourceLoader.h"

#include "OptionHelp.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velmar {

void ExplainOptions(CDialog& dialog) {
    for (const res::OptionHelp& help : res::OptionHelpTable()) {
        const QString text = Word(help.text);
        // As a paragraph, so that the tooltip wraps instead of running off the screen.
        const QString tip = "<p>" + text.toHtmlEscaped() + "</p>";
        for (const int id : help.ids) {
            if (QWidget* control = dialog.GetDlgItem(id)) {
                control->setToolTip(tip);
                control->setAccessibleDescription(text);
            }
        }
    }
}

void ShowRadioOptions(QWidget* owner) {
    QDialog page(owner);
    page.setWindowTitle(Word(res::kRadioOptionsTitle));
    QString html = "<p>" + Word(res::kRadioOptionsIntro).toHtmlEscaped() + "</p><dl>";
    for (const res::OptionHelp& help : res::OptionHelpTable()) {
        html += "<dt><b>" + FromUtf8(help.caption).toHtmlEscaped() + "</b></dt><dd>" + Word(help.text).toHtmlEscaped() +
                "</dd>";
    }
    auto* text = new QTextBrowser(&page);
    text->setObjectName("radioOptions");
    text->setHtml(html + "</dl>");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &page);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &page, &QDialog::reject);
    auto* layout = new QVBoxLayout(&page);
    layout->addWidget(text);
    layout->addWidget(buttons);
    page.resize(page.fontMetrics().averageCharWidth() * 80, page.fontMetrics().lineSpacing() * 34);
    page.exec();
}

} // namespace velmar
